#pragma once

class QWidget;

namespace palimora {

class Language;
class PictureButton;
class ProgramFolder;
class Step;

// The main window's toolbar: seventeen picture buttons drawn over its
// background, with their two looks, hints and the step each belongs to.
// The window connects the buttons to its commands.
class Toolbar {
public:
    Toolbar(const ProgramFolder& folder, QWidget* window);

    // The start-up toggles that give every button its first look: step 1
    // pressed, everything else normal.
    void GiveStartLooks();
    void ApplyLanguage(const Language& language);
    // The buttons of the current step shown, the others hidden; the step
    // buttons (and in page design the page-kind buttons) pressed for the
    // step and notebook shown.
    void ShowStep(const Step& step);

    PictureButton* BoutNou = nullptr;
    PictureButton* BoutOuv = nullptr;
    PictureButton* BoutEnr = nullptr;
    PictureButton* BoutImg2 = nullptr;
    PictureButton* BoutVid = nullptr;
    PictureButton* BoutImg = nullptr;
    PictureButton* BoutMon = nullptr;
    PictureButton* BoutDes = nullptr;
    PictureButton* BoutSup = nullptr;
    PictureButton* BoutS = nullptr;
    PictureButton* BoutG = nullptr;
    PictureButton* BoutI = nullptr;
    PictureButton* BoutLoupe = nullptr;
    PictureButton* BoutPro = nullptr;
    PictureButton* BoutDif = nullptr;
    PictureButton* BoutQui = nullptr;
    PictureButton* BoutAid = nullptr;
};

}  // namespace palimora
