#pragma once

#include "styles/ui/StyleNotebook.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace palimora {

class ColourBox;

// TabbedGHTML: the gallery pages' notebook. Tabs: the pages (template,
// background, the table of thumbnails), the gallery title, the thumbnails
// and their titles, the inserted HTML.
class GalleryNotebook : public StyleNotebook {
    Q_OBJECT
public:
    explicit GalleryNotebook(QWidget* parent = nullptr);

    // The pages and their table.
    QCheckBox* CheckEGal = nullptr;
    QComboBox* ComboEGal = nullptr;
    QPushButton* LookForAllPages = nullptr;  // gives the other kinds of page this look
    ColourBox* PaintGCou = nullptr;
    QLineEdit* EditGMot = nullptr;
    QPushButton* BitGmot = nullptr;
    QSpinBox* SpinGTabLig = nullptr;
    ColourBox* PaintGTabBor = nullptr;
    QSpinBox* SpinGTabBor = nullptr;
    QComboBox* ComboGTabPos = nullptr;
    ColourBox* PaintGTabFon = nullptr;
    QLineEdit* EditGTabFon = nullptr;
    QPushButton* BitGTabFon = nullptr;
    QSpinBox* SpinGTabEcaCel = nullptr;
    QSpinBox* SpinGTabEcaBor = nullptr;

    // More: the gallery title, the thumbnails, their titles.
    QCheckBox* CheckGTit = nullptr;
    QComboBox* ComboGTitPos = nullptr;
    QComboBox* ComboGTitFon = nullptr;
    QComboBox* ComboGTitSty = nullptr;
    QSpinBox* SpinGTitSiz = nullptr;
    ColourBox* PaintGTitCou = nullptr;
    QComboBox* ComboGImgPos = nullptr;
    ColourBox* PaintgImgBorCou = nullptr;
    QSpinBox* SpinGImgBor = nullptr;
    QSpinBox* SpinGImgHor = nullptr;
    QSpinBox* SpinGImgVer = nullptr;
    QCheckBox* CheckGTitImg = nullptr;
    QComboBox* ComboGTitImgPos = nullptr;
    QComboBox* ComboGTitImgFon = nullptr;
    QComboBox* ComboGTitImgSty = nullptr;
    QSpinBox* SpinGTitImgSiz = nullptr;
    ColourBox* PaintgTitImgCou = nullptr;

    // Extras: the inserted HTML.
    QLineEdit* EditGTempHaut = nullptr;
    QPushButton* BitGTempH = nullptr;
    QLineEdit* EditGTempBas = nullptr;
    QPushButton* BitGTempB = nullptr;
    QCheckBox* CheckGArchive = nullptr;  // the gallery as one ZIP (the visitor extras line)

private:
    void MakePagesTab();
    void MakeMoreTab();
    void MakeExtrasTab();
};

}  // namespace palimora
