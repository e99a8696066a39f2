#pragma once

#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "project/PictureList.h"
#include "styles/ProjectSettings.h"

#include <filesystem>
#include <functional>
#include <string>

namespace palimora {

// What the running program knows beyond its windows: the program folder, the
// language, the working folder and the state of the open project. The main
// window holds one and asks it for every decision that needs no widget.
class Session {
public:
    explicit Session(ProgramFolder folder);

    // Start-up work of the main window's creation: loads the chosen language
    // and prepares a fresh, empty working folder. Throws PalimoraError when
    // the language file cannot be read.
    void Start();

    const ProgramFolder& Folder() const { return folder_; }
    Language& CurrentLanguage() { return language_; }
    std::string LangText(TextId text) const { return language_.LangText(text); }
    const std::string& LanguageCode() const { return language_.Code(); }

    // A new, empty, unnamed project in a freshly emptied working folder.
    void StartEmptyProject();

    // The user's first-start language choice: saved, loaded, and the working
    // folder moved to the new language's name (WorkingName differs by language).
    void ChooseLanguage(std::string_view choice);

    // WorkingName: the working folder's name and an unsaved project's.
    std::string WorkingName() const;

    // Why the language file could not be read at start (empty when it was).
    const std::string& LanguageProblem() const { return languageProblem_; }

    // The working folder Projets/<WorkingName>.
    std::filesystem::path WorkingFolder() const;

    // The open project's name (the caption of the project name label): WorkingName until saved.
    const std::string& ProjectName() const { return projectName_; }
    void SetProjectName(std::string name) { projectName_ = std::move(name); }
    bool IsUnnamedProject() const;

    // The folder of the project named `name` under Projets.
    std::filesystem::path ProjectFolder(const std::string& name) const { return folder_.Project(name); }

    // The open project's settings lines (named projects only).
    ProjectSettings& Settings() { return settings_; }

    bool ProjectModified() const { return projectModified_; }
    void SetProjectModified(bool modified) { projectModified_ = modified; }

    // After pictures were deleted or inserted: the galleries of a named
    // project follow them (ProjectSettings::FollowPictures), and each gallery
    // that went for want of pictures is told.
    void GalleriesFollowPictures(const std::vector<std::string>& before, const std::vector<std::string>& after,
                                 const NewPositions& moved, std::optional<InsertedPictures> inserted,
                                 UserDialogs& dialogs);

    // The pictures being edited: those of the working folder.
    PictureList& Pictures() { return pictures_; }

    // Whether the project being edited has a picture.
    bool HasPictures() const { return !pictures_.Files().empty(); }

    // Asks whether to quit (QuitQuestion) and, for a changed project, whether to
    // save it first (SaveChangesQuestion), running `save` on Yes. True when the program
    // may close.
    bool ConfirmClose(UserDialogs& dialogs, const std::function<void()>& save);

    // Last work before the program ends: empties the working folder.
    void FinishClose();

private:
    ProgramFolder folder_;
    Language language_;
    PictureList pictures_;
    ProjectSettings settings_;
    std::string projectName_;
    std::string languageProblem_;
    bool projectModified_ = false;
};

}  // namespace palimora
