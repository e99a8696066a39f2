#include "app/Session.h"

#include "common/Error.h"
#include "lang/TextId.h"
#include "project/DemoLanguage.h"
#include "project/WorkingFolder.h"

namespace palimora {

Session::Session(ProgramFolder folder) : folder_(std::move(folder)), pictures_(folder_.Projects()) {}

void Session::Start() {
    // Without its language file the program still starts, on the other
    // language's file or, failing that, without texts, and says why.
    languageProblem_ = language_.LoadChosen(folder_);
    StartEmptyProject();
}

std::string Session::WorkingName() const {
    const std::string name = LangText(TextId::WorkingName);
    return name.empty() ? std::string("Nouveau Projet") : name;
}

void Session::ChooseLanguage(std::string_view choice) {
    const std::filesystem::path oldWorkingFolder = WorkingFolder();
    language_.Choose(folder_, choice);
    try {
        GiveDemoLanguage(folder_, LanguageCode());
    } catch (const PalimoraError&) {
        // The demo keeps the words it had: each of its files is replaced whole or not at all.
    }
    if (WorkingFolder() != oldWorkingFolder) {
        EmptyWorkingFolder(oldWorkingFolder);
        std::error_code ignored;
        std::filesystem::remove_all(oldWorkingFolder, ignored);
        StartEmptyProject();
    } else {
        projectName_ = WorkingName();
    }
}

void Session::StartEmptyProject() {
    projectName_ = WorkingName();
    projectModified_ = false;
    // The list points at the working folder before it is prepared, so that
    // even a folder that could not be made is never mistaken for another.
    pictures_ = PictureList(WorkingFolder());
    PrepareWorkingFolder(WorkingFolder());
    folder_.DeleteSamplePages();
}

std::filesystem::path Session::WorkingFolder() const { return folder_.Project(WorkingName()); }

bool Session::IsUnnamedProject() const { return projectName_ == WorkingName(); }

void Session::GalleriesFollowPictures(const std::vector<std::string>& before, const std::vector<std::string>& after,
                                      const NewPositions& moved, std::optional<InsertedPictures> inserted,
                                      UserDialogs& dialogs) {
    if (IsUnnamedProject()) return;  // its one gallery is made over all its pictures at the first save
    for (const std::string& gallery : settings_.FollowPictures(before, after, moved, inserted))
        dialogs.ShowMessageOk(LangText(TextId::GalleryWithoutPictures) + " " + gallery);
}

bool Session::ConfirmClose(UserDialogs& dialogs, const std::function<void()>& save) {
    if (dialogs.AskYesNoCancelSafely(LangText(TextId::QuitQuestion)) != kModalYes) return false;
    if (projectModified_) {
        const int answer = dialogs.AskYesNoCancel(LangText(TextId::SaveChangesQuestion));
        if (answer == kModalCancel) return false;
        if (answer == kModalYes) {
            save();
            return !projectModified_;  // a save that did not happen keeps the program open
        }
    }
    return true;
}

void Session::FinishClose() { EmptyWorkingFolder(WorkingFolder()); }

}  // namespace palimora
