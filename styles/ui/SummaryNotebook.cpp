#include "styles/ui/SummaryNotebook.h"

#include "styles/SettingsLayout.h"
#include "styles/ui/ColourBox.h"
#include "styles/ui/NotebookPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace palimora {
namespace {

// The galleries' rows of name, first and last picture fit the notebook's width and height.
constexpr int kNameWidth = 70;
constexpr int kPictureCharacters = 4;  // beside the picture's icon

}  // namespace

SummaryNotebook::SummaryNotebook(QWidget* parent) : StyleNotebook(parent) {
    setObjectName(QStringLiteral("Tabbedhtml"));
    MakePageTab();
    MakeMoreTab();
    MakeGalleriesTab();
    MakeExtrasTab();
}

void SummaryNotebook::MakePageTab() {
    NotebookPage page(*this, TextId::SummaryPageTab, captions_);
    CheckESom = page.Check("CheckESom", TextId::MakeSummaryCaption);
    page.Row({page.Label(TextId::TemplateLabel), ComboESom = page.List("ComboESom")});
    page.Row({nullptr, page.Beside({LookForAllPages = page.Button("LookForAllS", TextId::LookForAllPages)})});
    page.Row({page.Label(TextId::BackgroundColourLabel), SummaryBackgroundColourBox = page.Colour("PaintBox5")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({PatternEdit = page.Edit("Edit8"), PatternChooser = page.Chooser("BitBtn7")})});
    CheckImagette = page.Check("CheckImagette", TextId::MakeThumbnailsCaption);

    CheckSTit = page.Check("CheckSTit", TextId::SummaryTitleCaption);
    page.Row({page.Label(TextId::TitleLabel), EditSTit = page.Edit("EditSTit")});
    page.Row({page.Label(TextId::PositionLabel), ComboSTitPos = page.List("ComboSTitPos")});
    page.Row({page.Label(TextId::FontLabel), ComboSTitFon = page.List("ComboSTitFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboSTitSty = page.List("ComboSTitSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinSTitSiz = page.Spin("SpinSTitSiz"), page.Label(TextId::ColourLabel),
              PaintSTitCou = page.Colour("PaintSTitCou")});
}

void SummaryNotebook::MakeMoreTab() {
    NotebookPage page(*this, TextId::MoreTab, captions_);
    page.Heading(TextId::TableLabel);
    page.Row({page.Beside({page.Label(TextId::ItemsPerRowLabel), SpinSTabLig = page.Spin("SpinSTabLig")})});
    page.Row({page.Label(TextId::PositionLabel), ComboSTabPos = page.List("ComboSTabPos")});
    page.Row({page.Label(TextId::BackgroundLabel), PaintSTabFon = page.Colour("PaintSTabFon")});
    page.Row({page.Label(TextId::PatternLabel),
              page.Beside({EditSTabFon = page.Edit("EditSTabFon"), BitSTabFon = page.Chooser("BitSTabFon")})});
    page.Row({page.Label(TextId::BorderLabel), PaintSTabBor = page.Colour("PaintSTabBor"),
              page.Label(TextId::ThicknessLabel), SpinSTabBor = page.Spin("SpinSTabBor")});
    page.Row({page.Label(TextId::MarginLabel), SpinSTabEcaCel = page.Spin("SpinSTabEcaCel"),
              page.Label(TextId::CellPaddingLabel), SpinSTabEcaBor = page.Spin("SpinSTabEcaBor")});

    CheckSImgGal = page.Check("CheckSImgGal", TextId::GalleryPicturesCaption);
    page.Row({page.Label(TextId::MaxWidthLabel), SpinSImgGalHor = page.Spin("SpinSImgGalHor"),
              page.Label(TextId::MaxHeightLabel), SpinSImgGalVer = page.Spin("SpinSImgGalVer")});
    page.Row({page.Label(TextId::PositionLabel), ComboSImgGalPos = page.List("ComboSImgGalPos")});
    page.Row({page.Label(TextId::BorderLabel), PaintSImgGalCou = page.Colour("PaintSImgGalCou"),
              page.Label(TextId::ThicknessLabel), SpinSImgGalBor = page.Spin("SpinSImgGalBor")});

    CheckSTitGal = page.Check("CheckSTitGal", TextId::GalleryTitlesCaption);
    page.Row({page.Label(TextId::PositionLabel), ComboSTitGalPos = page.List("ComboSTitGalPos")});
    page.Row({page.Label(TextId::FontLabel), ComboSTitGalFon = page.List("ComboSTitGalFon")});
    page.Row({page.Label(TextId::StyleLabel), ComboSTitGalSty = page.List("ComboSTitGalSty")});
    page.Row({page.Label(TextId::SizeLabel), SpinSTitGalSiz = page.Spin("SpinSTitGalSiz"),
              page.Label(TextId::ColourLabel), PaintSTitGalCou = page.Colour("PaintSTitGalCou")});
}

void SummaryNotebook::MakeGalleriesTab() {
    NotebookPage page(*this, TextId::ButtonsTab, captions_);
    page.Compact();
    page.Group(1);  // the names take the width the picture lists leave
    page.Row({nullptr, page.Label(TextId::NamesLabel), page.Label(TextId::FirstPictureLabel),
              page.Label(TextId::LastPictureLabel)});
    for (int gallery = 1; gallery <= kMaxGalleries; ++gallery) {
        const std::string number = std::to_string(gallery);
        auto& [name, first, last] = GalleryRows[static_cast<std::size_t>(gallery - 1)];
        name = page.Edit(("EditNGal" + number).c_str());
        first = page.List(("ComboFImgGal" + number).c_str());
        last = page.List(("ComboLImgGal" + number).c_str());
        name->setMinimumWidth(kNameWidth);
        for (QComboBox* list : {first, last}) list->setMinimumContentsLength(kPictureCharacters);
        page.Row({page.Label(GalleryText(gallery), TextId::ColonLabel), name, first, last});
    }
}

void SummaryNotebook::MakeExtrasTab() {
    NotebookPage page(*this, TextId::ExtrasTab, captions_);
    CheckSAcc = page.Check("CheckSAcc", TextId::HomeLinkCaption);
    page.Row({page.Label(TextId::HomeTitleLabel), EditSAccTit = page.Edit("EditSAccTit")});
    page.Row({page.Label(TextId::HomeLinkLabel), EditSAccLie = page.Edit("EditSAccLie")});
    page.Row({page.Label(TextId::HomePictureLabel),
              page.Beside({EditSAccImg = page.Edit("EditSAccImg"), BitSAccImg = page.Chooser("BitSAccImg")})});

    page.Heading(TextId::InsertHtmlLabel);
    page.Row({page.Label(TextId::TopHtmlLabel),
              page.Beside({EditSTempHaut = page.Edit("EditSTempHaut"), BitSTempH = page.Chooser("BitSTempH")})});
    page.Row({page.Label(TextId::BottomHtmlLabel),
              page.Beside({EditSTempBas = page.Edit("EditSTempBas"), BitSTempB = page.Chooser("BitSTempB")})});
    page.Note(TextId::HtmlPathNote);
    CheckSModern = page.Check("CheckSModern", TextId::TodaysBrowsersCaption);
    page.Row({page.Label(TextId::SiteLanguageLabel), ComboSLangue = page.List("ComboSLangue")});
    page.Row({page.Label(TextId::SchemeLabel), ComboSScheme = page.List("ComboSScheme")});
    CheckSFeed = page.Check("CheckSFeed", TextId::FeedCaption);
}

}  // namespace palimora
