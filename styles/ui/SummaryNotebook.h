#pragma once

#include "styles/SettingsLayout.h"
#include "styles/ui/StyleNotebook.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace palimora {

class ColourBox;

// Tabbedhtml: the summary page's notebook. Tabs: the page (template,
// background, title), the table of galleries with their pictures and
// titles, the galleries' names and picture ranges, the home link and the
// inserted HTML.
class SummaryNotebook : public StyleNotebook {
    Q_OBJECT
public:
    explicit SummaryNotebook(QWidget* parent = nullptr);

    // The page.
    QCheckBox* CheckESom = nullptr;
    QComboBox* ComboESom = nullptr;
    QPushButton* LookForAllPages = nullptr;           // gives the other kinds of page this look
    ColourBox* SummaryBackgroundColourBox = nullptr;  // PaintBox5
    QLineEdit* PatternEdit = nullptr;
    QPushButton* PatternChooser = nullptr;
    QCheckBox* CheckImagette = nullptr;
    QCheckBox* CheckSTit = nullptr;
    QLineEdit* EditSTit = nullptr;
    QComboBox* ComboSTitPos = nullptr;
    QComboBox* ComboSTitFon = nullptr;
    QComboBox* ComboSTitSty = nullptr;
    QSpinBox* SpinSTitSiz = nullptr;
    ColourBox* PaintSTitCou = nullptr;

    // More: the table, the gallery pictures, the gallery titles.
    QSpinBox* SpinSTabLig = nullptr;
    QComboBox* ComboSTabPos = nullptr;
    ColourBox* PaintSTabFon = nullptr;
    QLineEdit* EditSTabFon = nullptr;
    QPushButton* BitSTabFon = nullptr;
    ColourBox* PaintSTabBor = nullptr;
    QSpinBox* SpinSTabBor = nullptr;
    QSpinBox* SpinSTabEcaCel = nullptr;
    QSpinBox* SpinSTabEcaBor = nullptr;
    QCheckBox* CheckSImgGal = nullptr;
    QSpinBox* SpinSImgGalHor = nullptr;
    QSpinBox* SpinSImgGalVer = nullptr;
    QComboBox* ComboSImgGalPos = nullptr;
    ColourBox* PaintSImgGalCou = nullptr;
    QSpinBox* SpinSImgGalBor = nullptr;
    QCheckBox* CheckSTitGal = nullptr;
    QComboBox* ComboSTitGalPos = nullptr;
    QComboBox* ComboSTitGalFon = nullptr;
    QComboBox* ComboSTitGalSty = nullptr;
    QSpinBox* SpinSTitGalSiz = nullptr;
    ColourBox* PaintSTitGalCou = nullptr;

    // The galleries' rows, gallery 1 first: name (EditNGal<n>), first
    // picture (ComboFImgGal<n>) and last picture (ComboLImgGal<n>).
    struct GalleryRow {
        QLineEdit* name = nullptr;
        QComboBox* first = nullptr;
        QComboBox* last = nullptr;
    };
    std::array<GalleryRow, kMaxGalleries> GalleryRows{};

    // Extras: the home link and the inserted HTML.
    QCheckBox* CheckSAcc = nullptr;
    QCheckBox* CheckSModern = nullptr;  // pages for today's browsers
    QComboBox* ComboSLangue = nullptr;  // the site's language
    QComboBox* ComboSScheme = nullptr;  // light, dark or the visitor's choice (the visitor extras line)
    QCheckBox* CheckSFeed = nullptr;
    QLineEdit* EditSAccTit = nullptr;
    QLineEdit* EditSAccLie = nullptr;
    QLineEdit* EditSAccImg = nullptr;
    QPushButton* BitSAccImg = nullptr;
    QLineEdit* EditSTempHaut = nullptr;
    QPushButton* BitSTempH = nullptr;
    QLineEdit* EditSTempBas = nullptr;
    QPushButton* BitSTempB = nullptr;

    // The row of gallery `gallery` (1 to kMaxGalleries).
    GalleryRow Gallery(int gallery) const { return GalleryRows[static_cast<std::size_t>(gallery - 1)]; }

private:
    void MakePageTab();
    void MakeMoreTab();
    void MakeGalleriesTab();
    void MakeExtrasTab();
};

}  // namespace palimora
