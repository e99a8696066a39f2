#include "app/ResultCommand.h"

#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "common/UserDialogs.h"
#include "project/ProjectFolders.h"
#include "styles/SettingsLayout.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

std::optional<fs::path> StartPage(Session& session, bool existingOnly) {
    const fs::path project = session.ProjectFolder(session.ProjectName());
    const ProjectSettings& settings = session.Settings();
    std::error_code error;
    auto usable = [&](const char* page) { return !existingOnly || fs::exists(project / page, error); };
    if (settings.Check(SettingLine::MakeSummary) && usable("index.html")) return project / "index.html";
    if (settings.Check(SettingLine::MakeGalleries) && usable("Gal1.htm")) return project / "Gal1.htm";
    if (usable("g1-000001.htm")) return project / "g1-000001.htm";
    return std::nullopt;
}

ResultStep SeeResult(Session& session, UserDialogs& dialogs, ProjectWindows& windows) {
    if (!session.HasPictures()) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoPictures));
        return ResultStep::Refused;
    }
    if (session.IsUnnamedProject()) {
        dialogs.ShowMessageOk(session.LangText(TextId::SaveFirst));
        SaveCommand(session, dialogs, windows);
        return ResultStep::Refused;
    }
    const ProjectSettings& settings = session.Settings();
    if (!settings.Check(SettingLine::MakeSummary) && !settings.Check(SettingLine::MakeGalleries) &&
        !settings.Check(SettingLine::MakePicturePages)) {
        dialogs.ShowMessageOk(session.LangText(TextId::NoKindOfPage));
        return ResultStep::Refused;
    }
    if (session.ProjectModified()) return ResultStep::Build;
    const fs::path project = session.ProjectFolder(session.ProjectName());
    std::error_code error;
    for (const char* page : kBuiltSiteMarkers) {
        if (fs::exists(project / page, error)) return ResultStep::OpenBuilt;
    }
    return ResultStep::Build;
}

}  // namespace palimora
