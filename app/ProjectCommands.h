#pragma once

#include "lang/TextId.h"

#include <optional>
#include <string>

namespace palimora {

class Session;
class UserDialogs;

// The windows the project commands open, shown by the GUI (or a script in
// tests). Each returns the name chosen with OK: the save window the name to
// save under (already confirmed by ConfirmSaveName), the open window the
// project to open; nothing when it was cancelled.
class ProjectWindows {
public:
    virtual ~ProjectWindows() = default;
    virtual std::optional<std::string> ShowSaveWindow(TextId caption) = 0;
    virtual std::optional<std::string> ShowOpenWindow() = 0;
};

// New: a changed project is offered a save; then the project is emptied.
// False, and nothing changed, when the user cancelled (or the save did not
// happen).
bool NewCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// Open: a changed project is offered a save; then the chosen project's
// pictures and texts come into the working folder and its saved settings
// back into runweb.ini. A project that cannot be opened is told (OpenFailed)
// and a new one started. True when a project was opened.
bool OpenCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// Save: a changed named project is saved in place (its built-site marker
// pages deleted, SavedChanged); an unchanged one is offered a save under another
// name; an unnamed project with pictures asks for a name; one without
// pictures cannot be saved (NothingToSave).
void SaveCommand(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// Asks SaveChangesQuestion when the project has changed and saves on Yes.
// True when the work may go on: no change, No, or Yes and saved.
bool AskSaveChanges(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// The save window's OK: whether the window may close with `typed` as the
// name to save under. Refuses the
// working name (ReservedName) and unusable names (UnusableName); saving onto the open
// project's own name is a plain save; another existing project is replaced
// only when the user says Yes to OverwriteQuestion.
bool ConfirmSaveName(Session& session, const std::string& typed, UserDialogs& dialogs);

// The open window's delete: every project but the open one (OpenProjectCannotGo),
// once the user confirms (DeleteQuestion and the name).
void DeleteProject(Session& session, const std::string& name, UserDialogs& dialogs);

// The routines behind the commands.
void NewProject(Session& session);
void OpenProjectFiles(Session& session, const std::string& name);
// Copies the working pictures and texts into the project `name`, which
// becomes the open project, and commits its settings. Throws PalimoraError (SaveIncomplete and
// the file) when a picture or text could not be copied.
void SaveProject(Session& session, const std::string& name);

}  // namespace palimora
