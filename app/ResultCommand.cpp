#include "app/ResultCommand.h"

#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "project/BuiltSite.h"
#include "project/PictureNames.h"
#include "project/ProjectFolders.h"
#include "project/SiteLayout.h"
#include "sitegen/SiteBuild.h"
#include "styles/SettingsLayout.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

std::optional<fs::path> StartPage(Session& session, bool existingOnly) {
    return SiteStartPage(session.ProjectFolder(session.ProjectName()), session.Settings(), existingOnly);
}

bool MayEnterPageDesign(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!session.HasPictures()) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoPictures));
        return false;
    }
    if (session.IsUnnamedProject()) {
        dialogs.ShowMessageOk(session.LangText(TextId::SaveFirstQuestion));
        SaveCommand(session, dialogs, windows);
        return false;
    }
    if (session.ProjectModified()) {
        const int answer = dialogs.AskOkCancel(session.LangText(TextId::SaveFirstQuestion));
        if (answer == kModalCancel) return false;
        if (answer == kModalYes) {
            SaveCommand(session, dialogs, windows);
            return false;
        }
    }
    return true;
}

namespace {

bool MakesAPageKind(Session& session) {
    const ProjectSettings& settings = session.Settings();
    return settings.Check(SettingLine::MakeSummary) || settings.Check(SettingLine::MakeGalleries) ||
           settings.Check(SettingLine::MakePicturePages);
}

// Built by a build that finished, and not changed by a save since.
bool SiteIsBuilt(Session& session) {
    return built_site::Files(session.ProjectFolder(session.ProjectName())).has_value();
}

}  // namespace

bool MayPublish(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!session.HasPictures()) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoPictures));
        return false;
    }
    if (session.IsUnnamedProject()) {
        dialogs.ShowMessageOk(session.LangText(TextId::SaveFirstToPublish));
        SaveCommand(session, dialogs, windows);
        return false;
    }
    if (!MakesAPageKind(session)) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoKindOfPageToPublish));
        return false;
    }
    if (session.ProjectModified()) {
        // Saving deletes the built pages, so the site must be built again before it goes out.
        if (dialogs.AskOkCancel(session.LangText(TextId::SaveFirstQuestion)) == kModalYes) {
            SaveCommand(session, dialogs, windows);
        }
        return false;
    }
    if (!SiteIsBuilt(session)) {
        dialogs.ShowMessageOk(session.LangText(TextId::NotBuiltYet));
        return false;
    }
    return true;
}

namespace {

// The refusals of a command that builds what it needs first.
struct RefusalTexts {
    TextId unnamed;
    TextId noKindOfPage;
};

ResultStep PrepareBuiltSite(Session& session, UserDialogs& dialogs, ProjectWindows& windows, RefusalTexts texts) {
    if (!session.HasPictures()) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoPictures));
        return ResultStep::Refused;
    }
    if (session.IsUnnamedProject()) {
        dialogs.ShowMessageOk(session.LangText(texts.unnamed));
        SaveCommand(session, dialogs, windows);
        return ResultStep::Refused;
    }
    if (!MakesAPageKind(session)) {
        dialogs.ShowMessageOk(session.LangText(texts.noKindOfPage));
        return ResultStep::Refused;
    }
    if (session.ProjectModified()) {
        // The site shows what the user sees: the changes are saved first, as the save button would.
        try {
            SaveProject(session, session.ProjectName());
        } catch (const PalimoraError& error) {
            dialogs.ShowMessageOk(error.UserMessage());
            return ResultStep::Refused;
        }
        return ResultStep::Build;
    }
    return SiteIsBuilt(session) ? ResultStep::OpenBuilt : ResultStep::Build;
}

}  // namespace

ResultStep SeeResult(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    return PrepareBuiltSite(session, dialogs, windows, {TextId::SaveFirst, TextId::NoKindOfPage});
}

ResultStep PrepareToPublish(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    return PrepareBuiltSite(session, dialogs, windows, {TextId::SaveFirstToPublish, TextId::NoKindOfPageToPublish});
}

}  // namespace palimora
