#include "app/Session.h"

#include "lang/TextNumbers.h"
#include "project/WorkingFolder.h"

namespace palimora {

Session::Session(ProgramFolder folder) : folder_(std::move(folder)), pictures_(folder_.Projects()) {
    lastPictureFolder = folder_.Root();
}

void Session::Start() {
    language_.LoadChosen(folder_);
    StartEmptyProject();
}

void Session::ChooseLanguage(std::string_view choice) {
    const std::filesystem::path oldWorkingFolder = WorkingFolder();
    language_.Choose(folder_, choice);
    if (WorkingFolder() != oldWorkingFolder) {
        EmptyWorkingFolder(oldWorkingFolder);
        std::error_code ignored;
        std::filesystem::remove_all(oldWorkingFolder, ignored);
        StartEmptyProject();
    } else {
        folderName_ = projectName_ = LangText(text::kWorkingName);
    }
}

void Session::StartEmptyProject() {
    folderName_ = LangText(text::kWorkingName);
    projectName_ = folderName_;
    projectModified_ = false;
    pictureCount = currentPicture = 0;
    selectAfterInsert = false;
    PrepareWorkingFolder(WorkingFolder());
    pictures_ = PictureList(WorkingFolder());
    for (const char* page : ProgramFolder::kSamplePages) {
        std::error_code ignored;
        std::filesystem::remove(folder_.Root() / page, ignored);
    }
}

std::filesystem::path Session::WorkingFolder() const {
    return folder_.Project(LangText(text::kWorkingName));
}

bool Session::IsUnnamedProject() const {
    return projectName_ == LangText(text::kWorkingName);
}

bool Session::ConfirmClose(UserDialogs& dialogs, const std::function<void()>& save) {
    if (dialogs.AskYesNoCancel(LangText(text::kQuitQuestion)) != kModalYes) return false;
    if (projectModified_) {
        const int answer = dialogs.AskYesNoCancel(LangText(text::kSaveChangesQuestion));
        if (answer == kModalCancel) return false;
        if (answer == kModalYes) save();
    }
    return true;
}

void Session::FinishClose() {
    folderName_ = LangText(text::kWorkingName);
    EmptyWorkingFolder(WorkingFolder());
}

}  // namespace palimora
