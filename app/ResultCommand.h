#pragma once

#include <filesystem>
#include <optional>

namespace palimora {

class ProjectWindows;
class Session;
class UserDialogs;

// See the result: what the command does for the open project.
enum class ResultStep {
    Refused,    // told why (no pictures, no name, no kind of page), maybe saved
    Build,      // run the build window, then open the start page
    OpenBuilt,  // a built site is there: open its start page
};

// A changed named project is saved first (without a question), so the site
// shows what the user sees.
ResultStep SeeResult(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// The step-2 switch: whether page design may start now. A project without
// pictures is refused (NoPictures); an unnamed one is told to be saved
// first (SaveFirstQuestion) and the save command follows; a changed one is
// asked the same question: OK saves, Cancel stops, and either way page
// design waits for the next click.
bool MayEnterPageDesign(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// Publish: whether the FTP windows may open now. A project without pictures,
// an unnamed one (told, then the save command) or one without any kind of
// page is refused; a changed one is asked whether to save (OK saves, Cancel
// stops, and either way nothing is published); an unbuilt one is told to see
// the result first.
bool MayPublish(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// Publishing in one step (a server kept with its password): as SeeResult,
// with the publishing command's refusals. OpenBuilt: the built site is
// there to publish; Build: it must be built first.
ResultStep PrepareToPublish(Session& session, UserDialogs& dialogs, ProjectWindows& windows);

// The page to open: index.html when the summary is made, else Gal1.htm when
// galleries are, else g1-000001.htm; with `existingOnly`, only a page that
// is there (nullopt when none is).
std::optional<std::filesystem::path> StartPage(Session& session, bool existingOnly);

}  // namespace palimora
