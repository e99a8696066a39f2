#include "styles/ui/GalleryNotebook.h"

#include "styles/ui/ColourBox.h"
#include "styles/ui/NotebookPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace palimora {

GalleryNotebook::GalleryNotebook(QWidget* parent) : StyleNotebook(parent) {
    setObjectName(QStringLiteral("TabbedGHTML"));
    MakePagesTab();
    MakeMoreTab();
    MakeExtrasTab();
}

void GalleryNotebook::MakePagesTab() {
    NotebookPage page(*this, TextId::GalleryPagesTab, captions_);
    CheckEGal = page.Check("CheckEGal", TextId::MakeGalleriesCaption);
    page.Row({page.Label(TextId::TemplateLabel), ComboEGal = page.List("ComboEGal")});
    page.Row({nullptr, page.Beside({LookForAllPages = page.Button("LookForAllG", TextId::LookForAllPages)})});
    page.Row({page.Label(TextId::BackgroundColourLabel), PaintGCou = page.Colour("PaintGCou")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({EditGMot = page.Edit("EditGMot"), BitGmot = page.Chooser("BitGmot")})});

    page.Heading(TextId::TableFrameLabel);
    page.Row({page.Label(TextId::PicturesLabel),
              page.Beside({SpinGTabLig = page.Spin("SpinGTabLig"), page.Label(TextId::PerRowLabel)})});
    page.Row({page.Label(TextId::BorderLabel), PaintGTabBor = page.Colour("PaintGTabBor"),
              page.Label(TextId::ThicknessLabel), SpinGTabBor = page.Spin("SpinGTabBor")});
    page.Row({page.Label(TextId::PositionLabel), ComboGTabPos = page.List("ComboGTabPos")});
    page.Row({page.Label(TextId::BackgroundLabel), PaintGTabFon = page.Colour("PaintGTabFon")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({EditGTabFon = page.Edit("EditGTabFon"), BitGTabFon = page.Chooser("BitGTabFon")})});
    page.Row({page.Label(TextId::MarginLabel), SpinGTabEcaCel = page.Spin("SpinGTabEcaCel"),
              page.Label(TextId::CellPaddingLabel), SpinGTabEcaBor = page.Spin("SpinGTabEcaBor")});
}

void GalleryNotebook::MakeMoreTab() {
    NotebookPage page(*this, TextId::MoreTab, captions_);
    CheckGTit = page.Check("CheckGTit", TextId::GalleryTitleCaption);
    page.Row({page.Label(TextId::PositionLabel), ComboGTitPos = page.List("ComboGTitPos")});
    page.Row({page.Label(TextId::FontLabel), ComboGTitFon = page.List("ComboGTitFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboGTitSty = page.List("ComboGTitSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinGTitSiz = page.Spin("SpinGTitSiz"), page.Label(TextId::ColourLabel),
              PaintGTitCou = page.Colour("PaintGTitCou")});

    page.Heading(TextId::PicturesLabel);
    page.Row({page.Label(TextId::PositionLabel), ComboGImgPos = page.List("ComboGImgPos")});
    page.Row({page.Label(TextId::BorderLabel), PaintgImgBorCou = page.Colour("PaintgImgBorCou"),
              page.Label(TextId::ThicknessLabel), SpinGImgBor = page.Spin("SpinGImgBor")});
    page.Row({page.Label(TextId::MaxSizeLabel),
              page.Beside({SpinGImgHor = page.Spin("SpinGImgHor"), page.Label(TextId::ByLabel),
                           SpinGImgVer = page.Spin("SpinGImgVer")})});

    CheckGTitImg = page.Check("CheckGTitImg", TextId::ThumbnailTitlesCaption);
    page.Row({page.Label(TextId::PositionLabel), ComboGTitImgPos = page.List("ComboGTitImgPos")});
    page.Row({page.Label(TextId::FontLabel), ComboGTitImgFon = page.List("ComboGTitImgFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboGTitImgSty = page.List("ComboGTitImgSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinGTitImgSiz = page.Spin("SpinGTitImgSiz"),
              page.Label(TextId::ColourLabel), PaintgTitImgCou = page.Colour("PaintgTitImgCou")});
}

void GalleryNotebook::MakeExtrasTab() {
    NotebookPage page(*this, TextId::ExtrasTab, captions_);
    page.Heading(TextId::InsertHtmlLabel);
    page.Row({page.Label(TextId::TopHtmlLabel),
              page.Beside({EditGTempHaut = page.Edit("EditGTempHaut"), BitGTempH = page.Chooser("BitGTempH")})});
    page.Row({page.Label(TextId::BottomHtmlLabel),
              page.Beside({EditGTempBas = page.Edit("EditGTempBas"), BitGTempB = page.Chooser("BitGTempB")})});
    page.Note(TextId::HtmlPathNote);

    CheckGArchive = page.Check("CheckGArchive", TextId::ArchiveCaption);
    page.Note(TextId::ExtrasNeedTodaysPages);
}

}  // namespace palimora
