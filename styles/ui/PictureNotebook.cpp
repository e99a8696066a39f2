#include "styles/ui/PictureNotebook.h"

#include "styles/ui/ColourBox.h"
#include "styles/ui/NotebookPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace palimora {

PictureNotebook::PictureNotebook(QWidget* parent) : StyleNotebook(parent) {
    setObjectName(QStringLiteral("TabbedIHTML"));
    MakePagesTab();
    MakeMoreTab();
    MakeButtonsTab();
    MakeExtrasTab();
}

void PictureNotebook::MakePagesTab() {
    NotebookPage page(*this, TextId::PicturePagesTab, captions_);
    CheckEImg = page.Check("CheckEImg", TextId::MakePicturePagesCaption);
    page.Row({page.Label(TextId::TemplateLabel), ComboEImg = page.List("ComboEImg")});
    page.Row({nullptr, page.Beside({LookForAllPages = page.Button("LookForAllI", TextId::LookForAllPages)})});
    page.Row({page.Label(TextId::BackgroundColourLabel), PaintICou = page.Colour("PaintICou")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({EditIMot = page.Edit("EditIMot"), BitImot = page.Chooser("BitImot")})});

    TitleShown = page.Check("CheckBox1", TextId::PictureTitleCaption);
    page.Row({page.Label(TextId::PositionLabel), TitlePosition = page.List("ComboBox4")});
    page.Row({page.Label(TextId::FontLabel), TitleFont = page.List("ComboBox2")});
    page.Row({page.Label(TextId::StyleLabel), TitleStyle = page.List("ComboBox3")});
    page.Row({page.Label(TextId::SizeLabel), TitleSize = page.Spin("SpinEdit2"), page.Label(TextId::ColourLabel),
              PictureTitleColourBox = page.Colour("PaintBox4")});

    page.Heading(TextId::TableFrameLabel);
    page.Row({page.Label(TextId::BorderLabel), PaintTabBor = page.Colour("PaintTabBor"),
              page.Label(TextId::ThicknessLabel), SpinTabBor = page.Spin("SpinTabBor")});
    page.Row({page.Label(TextId::PositionLabel), ComboTabPos = page.List("ComboTabPos")});
    page.Row({page.Label(TextId::BackgroundLabel), PaintTabFon = page.Colour("PaintTabFon")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({EditTabFon = page.Edit("EditTabFon"), BitTabFon = page.Chooser("BitTabFon")})});
    page.Row({page.Label(TextId::MarginLabel), SpinTabEcaCel = page.Spin("SpinTabEcaCel"),
              page.Label(TextId::CellPaddingLabel), SpinTabEcaBor = page.Spin("SpinTabEcaBor")});
}

void PictureNotebook::MakeMoreTab() {
    NotebookPage page(*this, TextId::MoreTab, captions_);
    page.Heading(TextId::PictureLabel);
    page.Row({page.Label(TextId::PositionLabel), ComboImPos = page.List("ComboImPos")});
    page.Row({page.Label(TextId::PictureBorderLabel), PaintImg = page.Colour("PaintImg"),
              page.Label(TextId::ThicknessLabel), SpinImg = page.Spin("SpinImg")});
    page.Row({page.Label(TextId::PictureSpaceLabel)});
    page.Row({page.Beside({page.Label(TextId::HorizontalLabel), SpinImEspH = page.Spin("SpinImEspH"),
                           page.Label(TextId::VerticalLabel), SpinImEspV = page.Spin("SpinImEspV")})});
    page.Row({page.Label(TextId::PictureSizeLimitLabel)});
    page.Row({page.Beside({page.Label(TextId::HorizontalLabel), SpinILarg = page.Spin("SpinILarg"),
                           page.Label(TextId::VerticalLabel), SpinIHaut = page.Spin("SpinIHaut")})});
    page.Note(TextId::ResizeNote);

    CheckComm = page.Check("CheckComm", TextId::CommentCaption);
    page.Row({page.Label(TextId::PositionLabel), ComboCommPos = page.List("ComboCommPos")});
    page.Row({page.Label(TextId::FontLabel), ComboCommFon = page.List("ComboCommFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboCommSty = page.List("ComboCommSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinCommSiz = page.Spin("SpinCommSiz"), page.Label(TextId::ColourLabel),
              PaintCommCol = page.Colour("PaintCommCol")});
}

void PictureNotebook::MakeButtonsTab() {
    NotebookPage page(*this, TextId::ButtonsTab, captions_);
    CheckBouHau = page.Check("CheckBouHau", TextId::ButtonsAtTopCaption);
    CheckBouBas = page.Check("CheckBouBas", TextId::ButtonsAtBottomCaption);

    page.Heading(TextId::ButtonsLabel);
    page.Row({page.Label(TextId::PositionLabel), ComboBouPos = page.List("ComboBouPos")});
    page.Row({page.Label(TextId::FontLabel), ComboBouFon = page.List("ComboBouFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboBouSty = page.List("ComboBouSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinBouSiz = page.Spin("SpinBouSiz"), page.Label(TextId::ColourLabel),
              PaintBouCou = page.Colour("PaintBouCou")});

    page.Group();
    page.Row({page.Beside({RadioBouTex = page.Radio("RadioBouTex", TextId::ShowTexts),
                           RadioBouImg = page.Radio("RadioBouImg", TextId::ShowPictures)})});
    page.Row({BackCaptionLabel = page.PlainLabel("Label27"),
              page.Beside({EditBouRet = page.Edit("EditBouRet"), BitBouRet = page.Chooser("BitBouRet")})});
    page.Row({ContentsCaptionLabel = page.PlainLabel("Label29"),
              page.Beside({EditBouSom = page.Edit("EditBouSom"), BitBouSom = page.Chooser("BitBouSom")})});
    page.Row({NextCaptionLabel = page.PlainLabel("Label28"),
              page.Beside({EditBouSui = page.Edit("EditBouSui"), BitBouSui = page.Chooser("BitBouSui")})});
}

void PictureNotebook::MakeExtrasTab() {
    NotebookPage page(*this, TextId::ExtrasTab, captions_);
    page.Heading(TextId::InsertHtmlLabel);
    page.Row({page.Label(TextId::TopHtmlLabel),
              page.Beside({EditITempHaut = page.Edit("EditITempHaut"), BitITempH = page.Chooser("BitITempH")})});
    page.Row({page.Label(TextId::BottomHtmlLabel),
              page.Beside({EditITempBas = page.Edit("EditITempBas"), BitITempB = page.Chooser("BitITempB")})});
    page.Note(TextId::HtmlPathNote);

    page.Heading(TextId::ProtectionLabel);
    page.Row({page.Beside({page.Label(TextId::StripsLabel), SpinIMorceaux = page.Spin("SpinIMorceaux"),
                           page.Label(TextId::StripsUnit)})});
    page.Note(TextId::StripsNote);
    CheckCopyRight = page.Check("CheckCopyRight", TextId::StampCaption);
    page.Row({page.Label(TextId::StampPictureLabel), page.Beside({EditImgCopyRight = page.Edit("EditImgCopyRight"),
                                                                  BitCopyRight = page.Chooser("BitCopyRight")})});
    page.Row({page.Label(TextId::PositionLabel), ComboIPosCopyRight = page.List("ComboIPosCopyRight")});
    page.Row({page.Label(TextId::EdgeDistanceLabel), SpinICopyRight = page.Spin("SpinICopyRight")});

    CheckIDownload = page.Check("CheckIDownload", TextId::DownloadCaption);
    CheckISlideshow = page.Check("CheckISlideshow", TextId::SlideshowCaption);
    page.Row(
        {page.Beside({page.Label(TextId::SlideSecondsLabel), SpinISlideSeconds = page.Spin("SpinISlideSeconds")})});
    CheckIFacts = page.Check("CheckIFacts", TextId::PhotoFactsCaption);
    page.Note(TextId::ExtrasNeedTodaysPages);
}

}  // namespace palimora
