#pragma once

#include "styles/ui/StyleNotebook.h"

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

    // Galleries 1 to 10: name, first picture, last picture.
    QLineEdit* EditNGal1 = nullptr;
    QComboBox* ComboFImgGal1 = nullptr;
    QComboBox* ComboLImgGal1 = nullptr;
    QLineEdit* EditNGal2 = nullptr;
    QComboBox* ComboFImgGal2 = nullptr;
    QComboBox* ComboLImgGal2 = nullptr;
    QLineEdit* EditNGal3 = nullptr;
    QComboBox* ComboFImgGal3 = nullptr;
    QComboBox* ComboLImgGal3 = nullptr;
    QLineEdit* EditNGal4 = nullptr;
    QComboBox* ComboFImgGal4 = nullptr;
    QComboBox* ComboLImgGal4 = nullptr;
    QLineEdit* EditNGal5 = nullptr;
    QComboBox* ComboFImgGal5 = nullptr;
    QComboBox* ComboLImgGal5 = nullptr;
    QLineEdit* EditNGal6 = nullptr;
    QComboBox* ComboFImgGal6 = nullptr;
    QComboBox* ComboLImgGal6 = nullptr;
    QLineEdit* EditNGal7 = nullptr;
    QComboBox* ComboFImgGal7 = nullptr;
    QComboBox* ComboLImgGal7 = nullptr;
    QLineEdit* EditNGal8 = nullptr;
    QComboBox* ComboFImgGal8 = nullptr;
    QComboBox* ComboLImgGal8 = nullptr;
    QLineEdit* EditNGal9 = nullptr;
    QComboBox* ComboFImgGal9 = nullptr;
    QComboBox* ComboLImgGal9 = nullptr;
    QLineEdit* EditNGal10 = nullptr;
    QComboBox* ComboFImgGal10 = nullptr;
    QComboBox* ComboLImgGal10 = nullptr;

    // Extras: the home link and the inserted HTML.
    QCheckBox* CheckSAcc = nullptr;
    QCheckBox* CheckSModern = nullptr;  // pages for today's browsers
    QComboBox* ComboSLangue = nullptr;  // the site's language
    QLineEdit* EditSAccTit = nullptr;
    QLineEdit* EditSAccLie = nullptr;
    QLineEdit* EditSAccImg = nullptr;
    QPushButton* BitSAccImg = nullptr;
    QLineEdit* EditSTempHaut = nullptr;
    QPushButton* BitSTempH = nullptr;
    QLineEdit* EditSTempBas = nullptr;
    QPushButton* BitSTempB = nullptr;

    // The row of gallery `gallery` (1 to 10).
    struct GalleryRow {
        QLineEdit* name;
        QComboBox* first;
        QComboBox* last;
    };
    GalleryRow Gallery(int gallery) const;

private:
    void MakePageTab();
    void MakeMoreTab();
    void MakeGalleriesTab();
    void MakeExtrasTab();
};

}  // namespace palimora
