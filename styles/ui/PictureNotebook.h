#pragma once

#include "styles/ui/StyleNotebook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace palimora {

class ColourBox;

// TabbedIHTML: the picture pages' notebook. Tabs: the pages (template,
// background, picture title, table), the picture and its comment, the
// Back / Contents / Next buttons, the inserted HTML and the protection of
// the pictures.
class PictureNotebook : public StyleNotebook {
    Q_OBJECT
public:
    explicit PictureNotebook(QWidget* parent = nullptr);

    // The pages, the picture title and the table.
    QCheckBox* CheckEImg = nullptr;
    QComboBox* ComboEImg = nullptr;
    QPushButton* LookForAllPages = nullptr;  // gives the other kinds of page this look
    ColourBox* PaintICou = nullptr;
    QLineEdit* EditIMot = nullptr;
    QPushButton* BitImot = nullptr;
    QCheckBox* TitleShown = nullptr;
    QComboBox* TitlePosition = nullptr;
    QComboBox* TitleFont = nullptr;
    QComboBox* TitleStyle = nullptr;
    QSpinBox* TitleSize = nullptr;
    ColourBox* PictureTitleColourBox = nullptr;  // PaintBox4
    ColourBox* PaintTabBor = nullptr;
    QSpinBox* SpinTabBor = nullptr;
    QComboBox* ComboTabPos = nullptr;
    ColourBox* PaintTabFon = nullptr;
    QLineEdit* EditTabFon = nullptr;
    QPushButton* BitTabFon = nullptr;
    QSpinBox* SpinTabEcaCel = nullptr;
    QSpinBox* SpinTabEcaBor = nullptr;

    // More: the picture and its comment.
    QComboBox* ComboImPos = nullptr;
    ColourBox* PaintImg = nullptr;
    QSpinBox* SpinImg = nullptr;
    QSpinBox* SpinImEspH = nullptr;
    QSpinBox* SpinImEspV = nullptr;
    QSpinBox* SpinILarg = nullptr;
    QSpinBox* SpinIHaut = nullptr;
    QCheckBox* CheckComm = nullptr;
    QComboBox* ComboCommPos = nullptr;
    QComboBox* ComboCommFon = nullptr;
    QComboBox* ComboCommSty = nullptr;
    QSpinBox* SpinCommSiz = nullptr;
    ColourBox* PaintCommCol = nullptr;

    // Buttons: Back, Contents and Next.
    QCheckBox* CheckBouHau = nullptr;
    QCheckBox* CheckBouBas = nullptr;
    QComboBox* ComboBouPos = nullptr;
    QComboBox* ComboBouFon = nullptr;
    QComboBox* ComboBouSty = nullptr;
    QSpinBox* SpinBouSiz = nullptr;
    ColourBox* PaintBouCou = nullptr;
    QRadioButton* RadioBouTex = nullptr;
    QRadioButton* RadioBouImg = nullptr;
    QLabel* BackCaptionLabel = nullptr;  // Back; its caption follows the buttons' mode
    QLineEdit* EditBouRet = nullptr;
    QPushButton* BitBouRet = nullptr;
    QLabel* ContentsCaptionLabel = nullptr;  // Contents
    QLineEdit* EditBouSom = nullptr;
    QPushButton* BitBouSom = nullptr;
    QLabel* NextCaptionLabel = nullptr;  // Next
    QLineEdit* EditBouSui = nullptr;
    QPushButton* BitBouSui = nullptr;

    // Extras: the inserted HTML, the pieces and the copyright stamp.
    QLineEdit* EditITempHaut = nullptr;
    QPushButton* BitITempH = nullptr;
    QLineEdit* EditITempBas = nullptr;
    QPushButton* BitITempB = nullptr;
    QSpinBox* SpinIMorceaux = nullptr;
    QCheckBox* CheckCopyRight = nullptr;
    QLineEdit* EditImgCopyRight = nullptr;
    QPushButton* BitCopyRight = nullptr;
    QComboBox* ComboIPosCopyRight = nullptr;
    QSpinBox* SpinICopyRight = nullptr;
    // What today's pages offer visitors (the visitor extras line).
    QCheckBox* CheckIDownload = nullptr;
    QCheckBox* CheckISlideshow = nullptr;
    QSpinBox* SpinISlideSeconds = nullptr;
    QCheckBox* CheckIFacts = nullptr;

private:
    void MakePagesTab();
    void MakeMoreTab();
    void MakeButtonsTab();
    void MakeExtrasTab();
};

}  // namespace palimora
