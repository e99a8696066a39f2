#pragma once

#include <QPoint>

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
    // Every button at its designed place moved by `offset` (a larger window).
    void MoveBy(QPoint offset);
    // The buttons of the current step shown, the others hidden; the step
    // buttons (and in page design the page-kind buttons) pressed for the
    // step and notebook shown.
    void ShowStep(const Step& step);

    PictureButton* NewButton = nullptr;
    PictureButton* OpenButton = nullptr;
    PictureButton* SaveButton = nullptr;
    PictureButton* PicturesStepButton = nullptr;
    PictureButton* DesignStepButton = nullptr;
    PictureButton* AddButton = nullptr;
    PictureButton* UpButton = nullptr;
    PictureButton* DownButton = nullptr;
    PictureButton* RemoveButton = nullptr;
    PictureButton* SummaryButton = nullptr;
    PictureButton* GalleryButton = nullptr;
    PictureButton* PicturePageButton = nullptr;
    PictureButton* RefreshButton = nullptr;
    PictureButton* ResultButton = nullptr;
    PictureButton* PublishButton = nullptr;
    PictureButton* QuitButton = nullptr;
    PictureButton* HelpButton = nullptr;
};

}  // namespace palimora
