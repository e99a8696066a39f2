#pragma once

#include "app/Session.h"
#include "common/UserDialogs.h"
#include "imaging/Icons.h"
#include "sitegen/BuildContext.h"

#include <QWidget>

#include <memory>

class QLabel;
class QTimer;

namespace palimora {

class PictureButton;
class PictureListView;
class ProjectWindows;
class PictureTabs;
class TForm2;
class WebBrowser;

// TForm1: the main window. It owns the session of the running program and
// the toolbar; each command's work lives in the core or in its own window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    struct Options {
        bool showIntro = true;  // tests start without the splash
        UserDialogs* dialogs = nullptr;  // tests script the answers; default: the message windows
        ProjectWindows* projectWindows = nullptr;  // tests script them; default: the save and open windows
    };

    TForm1(ProgramFolder folder, Options options);
    ~TForm1() override;

    Session& CurrentSession() { return session_; }
    UserDialogs& Dialogs() { return *dialogs_; }

    // First activation: language question on the first start, placement,
    // blinking step label. Runs once; false when the program must end.
    bool FormActivate();

    // Puts the language texts into the window's captions and hints.
    void ApplyLanguage();

    // Every second: the step label blinks between its colour and red.
    void Timer1Timer();

    // The picture step's commands.
    void FileListBox1Change();
    void ListView1Click();
    void BitTextOkClick();
    void BoutImgClick();
    // Adds the chosen files as the add dialog's confirmation does.
    void AddPictures(const std::vector<std::filesystem::path>& chosen);
    void BoutSupClick();
    void BoutMonClick();
    void BoutDesClick();
    void Image1Click();

    // The project commands.
    void BoutNouClick();
    void BoutOuvClick();
    void BoutEnrClick();
    // See the result: builds the site when needed and opens its start page.
    void BoutProClick();
    // Runs the build window; true when the site was built and OK pressed.
    bool RunBuildWindow();

    QLabel* ImageBarre = nullptr;
    QLabel* LabNom = nullptr;
    QLabel* LabelEtape = nullptr;
    QTimer* Timer1 = nullptr;
    WebBrowser* WebBrowser1 = nullptr;
    PictureTabs* TabbedImg = nullptr;
    PictureListView* ListView1 = nullptr;
    TForm2* Form2 = nullptr;  // the wait window, made once and shown without blocking

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

signals:
    // Emitted when the first-start language window was closed without OK.
    void languageRefused();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(bool showIntro);
    void CreateToolbar();
    void CreatePictureStep();
    void MovePicture(PictureButton& button, int direction);
    void GiveStartLooks();
    void ShowStartWarnings();
    void PlaceOnScreen();
    void BoutQuiClick();
    void BoutAidClick();
    bool AskLanguage();
    // Shows the project as the session now holds it: name, step 1, the list.
    void ShowProject();

    Session session_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<ProjectWindows> ownProjectWindows_;
    ProjectWindows* projectWindows_ = nullptr;
    bool firstActivation_ = false;
    IconCache icons_;
    BuildContext buildContext_;
};

}  // namespace palimora
