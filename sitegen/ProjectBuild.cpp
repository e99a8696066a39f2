#include "sitegen/ProjectBuild.h"

#include "common/Error.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "project/PictureTextFile.h"
#include "project/PictureTextLayout.h"
#include "project/ProjectLayout.h"
#include "sitegen/BuildContext.h"
#include "styles/ProjectSettings.h"

namespace palimora {
namespace fs = std::filesystem;

BuildOutcome BuildProject(const BuildRequest& request, UserDialogs& dialogs, BuildProgress& progress) {
    Language language;
    if (const std::string problem = language.LoadChosen(request.folder, request.languageUntilChosen);
        !problem.empty()) {
        dialogs.ShowMessageOk(problem);
    }
    ProjectSettings settings;
    try {
        settings.LoadWorking(request.folder, request.projectName);
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return BuildOutcome::Failed;
    }
    const fs::path project = request.folder.Project(request.projectName);
    const fs::path edited = request.workingFolder.empty() ? project : request.workingFolder;
    const PictureTextFile texts(project_layout::PictureTextFile(edited));
    BuildContext context;
    const SiteBuildSources sources{request.folder, request.projectName, language, settings, texts, dialogs};
    return SiteBuild(sources, context, progress);
}

}  // namespace palimora
