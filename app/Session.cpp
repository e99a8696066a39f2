#include "app/Session.h"

#include "common/Error.h"
#include "lang/TextId.h"
#include "project/WorkingFolder.h"

namespace palimora {

Session::Session(ProgramFolder folder) : folder_(std::move(folder)), pictures_(folder_.Projects()) {
    lastPictureFolder = folder_.Root();
}

void Session::Start() {
    // Without its language file the program still starts, on the other
    // language's file or, failing that, without texts, and says why.
    try {
        language_.LoadChosen(folder_);
    } catch (const PalimoraError& error) {
        languageProblem_ = error.UserMessage();
    }
    StartEmptyProject();
}

std::string Session::WorkingName() const {
    const std::string name = LangText(TextId::WorkingName);
    return name.empty() ? std::string("Nouveau Projet") : name;
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
        folderName_ = projectName_ = WorkingName();
    }
}

void Session::StartEmptyProject() {
    folderName_ = WorkingName();
    projectName_ = folderName_;
    projectModified_ = false;
    pictureCount = currentPicture = 0;
    selectAfterInsert = false;
    PrepareWorkingFolder(WorkingFolder());
    pictures_ = PictureList(WorkingFolder());
    folder_.DeleteSamplePages();
}

std::filesystem::path Session::WorkingFolder() const {
    return folder_.Project(WorkingName());
}

bool Session::IsUnnamedProject() const {
    return projectName_ == WorkingName();
}

bool Session::ConfirmClose(UserDialogs& dialogs, const std::function<void()>& save) {
    if (dialogs.AskYesNoCancel(LangText(TextId::QuitQuestion)) != kModalYes) return false;
    if (projectModified_) {
        const int answer = dialogs.AskYesNoCancel(LangText(TextId::SaveChangesQuestion));
        if (answer == kModalCancel) return false;
        if (answer == kModalYes) save();
    }
    return true;
}

void Session::FinishClose() {
    folderName_ = WorkingName();
    EmptyWorkingFolder(WorkingFolder());
}

}  // namespace palimora
