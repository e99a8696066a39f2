// The picture step of the main window: the list, the large display, the
// texts, and adding, deleting and moving pictures.

#include "app/ui/MainWindow.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PressedLook.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/OpenFile.h"
#include "common/ui/QtImages.h"
#include "common/ui/ScreenText.h"
#include "lang/TextId.h"
#include "project/CommaList.h"
#include "project/PictureConversion.h"
#include "project/ui/PictureDisplay.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "styles/ui/WebBrowser.h"

#include <QFileDialog>
#include <QLineEdit>

#include <algorithm>

namespace palimora {
namespace fs = std::filesystem;

namespace {

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

}  // namespace

void TForm1::FileListBox1Change() {
    BusyCursor busy;
    PictureList& pictures = session_.Pictures();
    std::vector<fs::path> files;
    for (const std::string& name : pictures.Files()) files.push_back(pictures.FileOf(name));
    const PictureListView::Rebuilt rebuilt = ListView1->Rebuild(files, *Form2, icons_);
    if (rebuilt.cancelled) {
        // A list left half made starts the project afresh (a save is offered first).
        BoutNouClick();
        return;
    }
    session_.pictureCount = static_cast<int>(files.size());
    if (files.empty()) {
        session_.currentPicture = 0;
        return;
    }
    if (session_.selectAfterInsert) {
        session_.selectAfterInsert = false;
    } else {
        session_.currentPicture = session_.pictureCount;
    }
    ListView1->MakeCurrent(session_.currentPicture - 1);
}

void TForm1::ListView1Click() {
    const int position = ListView1->CurrentPosition();
    if (session_.pictureCount == 0 || position < 0) return;
    TabbedImg->show();
    const fs::path file = session_.Pictures().FileOf(ListView1->item(position)->text().toStdString());
    TabbedImg->Panel1->Show(file);
    session_.currentPicture = position + 1;
    const auto texts = session_.Pictures().Texts().Read(session_.currentPicture);
    TabbedImg->ShowTexts(texts ? texts->title : std::string(), FromCommaList(texts ? texts->comment : std::string()));
    WebBrowser1->move(-407, WebBrowser1->y());
}

void TForm1::BitTextOkClick() {
    if (session_.pictureCount == 0) return;
    std::string title, comment;
    try {
        title = TabbedImg->Title();
        comment = ToCommaList(TabbedImg->CommentLines());
    } catch (const PalimoraError&) {
        dialogs_->ShowMessageOk(session_.LangText(TextId::TextNotStorable));
        return;
    }
    session_.SetProjectModified(true);
    try {
        session_.Pictures().Texts().Write(session_.currentPicture, title, comment);
    } catch (const PalimoraError& error) {
        dialogs_->ShowMessageOk(error.UserMessage());
    }
}

void TForm1::BoutImgClick() {
    PressedLook pressed(*BoutImg);
    const QString filter = QtFileFilter(session_.LangText(TextId::PictureFilter));
    // The dialog comes back after each confirmation, for the next pictures.
    while (true) {
        const QStringList chosen = QFileDialog::getOpenFileNames(
            this, ToScreen(session_.LangText(TextId::AddPicturesHint)),
            QString::fromStdString(session_.lastPictureFolder.string()), filter);
        if (chosen.isEmpty()) break;
        std::vector<fs::path> files;
        for (const QString& name : chosen) files.emplace_back(name.toStdString());
        AddPictures(files);
    }
    ListView1Click();
}

void TForm1::AddPictures(const std::vector<fs::path>& chosen) {
    if (chosen.empty()) return;
    PictureList& pictures = session_.Pictures();
    if (SameFolder(chosen.front().parent_path(), pictures.PicturesFolder())) {
        dialogs_->ShowMessageOk(session_.LangText(TextId::AlreadyInProject));
        ListView1Click();
        return;
    }
    std::vector<fs::path> sources;
    for (const fs::path& file : chosen) {
        if (FitsCp1252(file.stem().string())) {
            sources.push_back(file);
        } else {
            dialogs_->ShowMessageOk(session_.LangText(TextId::NameNotStorable) + " " + DisplayPath(file));
        }
    }
    if (sources.empty()) return;
    // Numbered in name order, as the user sees them in the dialog.
    std::sort(sources.begin(), sources.end());

    BusyCursor busy;
    session_.SetProjectModified(true);
    TabbedImg->Panel1->Clear();
    ListView1->clear();
    session_.lastPictureFolder = sources.front().parent_path();
    const bool inserting = session_.currentPicture < session_.pictureCount;
    try {
        const auto added = pictures.Add(sources, session_.currentPicture,
                                        [this](const fs::path& copy, const fs::path& source) {
                                            return ConvertAddedPicture(copy, source, *dialogs_, session_.CurrentLanguage());
                                        });
        for (const auto& picture : added) {
            TabbedImg->Edit1->setText(ToScreen(picture.title));
            TabbedImg->Panel1->Show(picture.file);
            session_.currentPicture = picture.number;
        }
        TabbedImg->show();
        session_.selectAfterInsert = inserting;
    } catch (const PalimoraError& error) {
        dialogs_->ShowMessageOk(error.UserMessage());
    }
    FileListBox1Change();
}

void TForm1::BoutSupClick() {
    BusyCursor busy;
    PressedLook pressed(*BoutSup);
    const std::vector<int> ticked = ListView1->TickedPositions();
    if (!ticked.empty()) session_.SetProjectModified(true);
    try {
        session_.Pictures().Delete(ticked);
    } catch (const PalimoraError& error) {
        dialogs_->ShowMessageOk(error.UserMessage());
    }
    FileListBox1Change();
    ListView1Click();
}

void TForm1::MovePicture(PictureButton& button, int direction) {
    if (session_.pictureCount == 0 || !session_.Pictures().Move(session_.currentPicture, direction)) {
        dialogs_->Beep();
        return;
    }
    BusyCursor busy;
    PressedLook pressed(button);
    session_.SetProjectModified(true);
    FileListBox1Change();
    ListView1Click();
}

void TForm1::BoutMonClick() { MovePicture(*BoutMon, -1); }
void TForm1::BoutDesClick() { MovePicture(*BoutDes, +1); }

void TForm1::Image1Click() {
    const int position = ListView1->CurrentPosition();
    if (session_.pictureCount == 0 || position < 0) return;
    const fs::path file = session_.Pictures().FileOf(ListView1->item(position)->text().toStdString());
    OpenWithDefaultProgram(file);
}

}  // namespace palimora
