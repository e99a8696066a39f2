#include "app/ProjectCommands.h"

#include "app/Session.h"
#include "common/Error.h"
#include "common/FolderFiles.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/BuiltSite.h"
#include "project/PictureList.h"
#include "project/PictureTextLayout.h"
#include "project/ProjectFolders.h"
#include "project/ProjectLayout.h"
#include "project/WorkingFolder.h"

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

void NewProject(Session& session) { session.StartEmptyProject(); }

bool AskSaveChanges(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!session.ProjectModified()) return true;
    const int answer = dialogs.AskYesNoCancel(session.LangText(TextId::SaveChangesQuestion));
    if (answer == kModalCancel) return false;
    if (answer == kModalYes) {
        SaveCommand(session, dialogs, windows);
        return !session.ProjectModified();  // a save that was cancelled or failed keeps the work
    }
    return true;
}

bool NewCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!AskSaveChanges(session, dialogs, windows)) return false;
    NewProject(session);
    return true;
}

void SaveProject(Session& session, const std::string& name) {
    const fs::path target = session.ProjectFolder(name);
    session.SetProjectName(name);
    const fs::path working = session.WorkingFolder();
    // Every file of the saved project is replaced at once, or none is: a
    // full disk leaves the last save as it was, and the project unsaved.
    try {
        FileTransaction save;
        MirrorFolderFiles(project_layout::PicturesFolder(working), project_layout::PicturesFolder(target), save);
        MirrorFolderFiles(project_layout::TextsFolder(working), project_layout::TextsFolder(target), save);
        // A first save's settings are made from the pictures, once they are in place.
        const bool firstSave = !fs::exists(project_layout::SavedSettingsFile(target, name));
        if (!firstSave) session.Settings().Commit(session.Folder(), name, session.CurrentLanguage(), &save);
        save.Commit();
        if (firstSave) session.Settings().Commit(session.Folder(), name, session.CurrentLanguage());
    } catch (const PalimoraError& error) {
        session.SetProjectModified(true);
        throw PalimoraError(session.LangText(TextId::SaveIncomplete) + " " + error.UserMessage());
    }
    session.SetProjectModified(false);
}

void SaveCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    try {
        if (!session.IsUnnamedProject()) {
            if (session.ProjectModified()) {
                SaveProject(session, session.ProjectName());
                built_site::Forget(session.ProjectFolder(session.ProjectName()));
                dialogs.ShowMessageOk(session.LangText(TextId::SavedChanged));
            } else if (const auto name = windows.ShowSaveWindow(TextId::SaveOtherCaption)) {
                SaveProject(session, *name);
            }
        } else if (session.HasPictures()) {
            if (const auto name = windows.ShowSaveWindow(TextId::SaveNewCaption)) SaveProject(session, *name);
        } else {
            dialogs.ShowMessageOk(session.LangText(TextId::NothingToSave));
        }
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
    }
}

bool ConfirmSaveName(Session& session, const std::string& typed, UserDialogs& dialogs) {
    const std::string workingName = session.WorkingName();
    if (typed == workingName || IsWorkingFolderName(session.Folder(), typed)) {
        dialogs.ShowMessageOk(session.LangText(TextId::ReservedName));
        return false;
    }
    if (!IsUsableProjectName(typed)) {
        dialogs.ShowMessageOk(session.LangText(TextId::UnusableName));
        return false;
    }
    // Saving onto the open project's own name is a plain save: copying the
    // project onto itself would first empty what it copies from.
    const bool ownName = !session.IsUnnamedProject() && typed == session.ProjectName();
    const std::vector<std::string> existing = ListProjects(session.Folder(), workingName);
    if (!ownName && std::find(existing.begin(), existing.end(), typed) != existing.end()) {
        if (dialogs.AskYesNoCancel(session.LangText(TextId::OverwriteQuestion)) != kModalYes) return false;
        const std::string sourceName = session.IsUnnamedProject() ? workingName : session.ProjectName();
        try {
            CopyProjectOnto(session.ProjectFolder(sourceName), sourceName, session.ProjectFolder(typed), typed);
        } catch (const PalimoraError& error) {
            dialogs.ShowMessageOk(session.LangText(TextId::SaveIncomplete) + " " + error.UserMessage());
            return false;
        }
    }
    return true;
}

void OpenProjectFiles(Session& session, const std::string& name) {
    session.SetProjectName(name);
    session.SetProjectModified(false);
    const fs::path working = session.WorkingFolder();
    const fs::path project = session.ProjectFolder(name);
    if (!fs::is_directory(project)) throw PalimoraError(project.string());
    PictureList(project).Reconcile();  // what a killed add or save left
    EmptyWorkingFolder(working);
    CopyFolderFiles(project_layout::PicturesFolder(project), project_layout::PicturesFolder(working));
    CopyFolderFiles(project_layout::TextsFolder(project), project_layout::TextsFolder(working));
    if (!fs::exists(project_layout::PictureTextFile(working))) {
        session.Pictures().Texts().CreateEmpty();
    }
    session.Folder().DeleteSamplePages();
    session.Settings().Restore(session.Folder(), name, session.CurrentLanguage());
}

bool OpenCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!AskSaveChanges(session, dialogs, windows)) return false;
    const auto name = windows.ShowOpenWindow();
    if (!name) return false;
    try {
        OpenProjectFiles(session, *name);
        return true;
    } catch (const std::exception&) {  // our errors and the file system's
        dialogs.ShowMessageOk(session.LangText(TextId::OpenFailed));
        NewProject(session);
        return false;
    }
}

void DeleteProject(Session& session, const std::string& name, UserDialogs& dialogs) {
    if (name == session.ProjectName()) {
        dialogs.ShowMessageOk(session.LangText(TextId::OpenProjectCannotGo));
        return;
    }
    // A whole project with its pictures goes only when the user confirms.
    if (dialogs.AskOkCancel(session.LangText(TextId::DeleteQuestion) + " " + name) != kModalYes) return;
    RemoveProjectFolder(session.ProjectFolder(name));
}

}  // namespace palimora
