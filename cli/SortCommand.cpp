#include "cli/SortCommand.h"

#include "cli/CommandSupport.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectArgument.h"
#include "cli/Usage.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "lang/TextId.h"
#include "project/PictureList.h"
#include "sitegen/PictureSort.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsStore.h"

#include <filesystem>
#include <optional>

namespace palimora {
namespace fs = std::filesystem;

namespace {

struct SortOptions {
    std::string project;
    std::optional<SortKey> key;
    std::optional<std::string> gallery;  // UTF-8, as typed
};

std::optional<SortOptions> ParseSortOptions(const std::vector<std::string>& arguments, std::string& unusable) {
    SortOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--by" && i + 1 < arguments.size()) {
            const std::string& by = arguments[++i];
            if (by == "date") options.key = SortKey::DateTaken;
            if (by == "name") options.key = SortKey::Name;
            if (!options.key) unusable = by;
        } else if (argument == "--gallery" && i + 1 < arguments.size()) {
            options.gallery = arguments[++i];
        } else if (argument.starts_with("-") || !options.project.empty()) {
            unusable = argument;
        } else {
            options.project = argument;
        }
        if (!unusable.empty()) return std::nullopt;
    }
    if (options.project.empty() || !options.key) return std::nullopt;
    return options;
}

// The number (1 to 10) of the gallery named `name`.
std::optional<int> GalleryNamed(const ProjectSettings& settings, const Language& language, const std::string& name) {
    const std::string wanted = Cp1252FromUtf8(Utf8Text(name));
    for (int k = 1; k <= kMaxGalleries; ++k) {
        const std::string gallery = settings.Text(GalleryLine(SettingLine::GalleryName1, k), language, {});
        if (!gallery.empty() && gallery == wanted) return k;
    }
    return std::nullopt;
}

}  // namespace

int SortCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages) {
    const Language language = TerminalLanguage(program, messages);
    std::string unusable;
    const std::optional<SortOptions> options = ParseSortOptions(arguments, unusable);
    if (!options) {
        if (!unusable.empty()) Tell(messages, language.LangText(TextId::UnknownOption), unusable);
        PrintUsageLine(messages, CliCommand::Sort, language);
        return kExitBadArguments;
    }
    const std::optional<ProjectArgument> project = FindProjectTelling(program, options->project, language, messages);
    if (!project) return kExitBadArguments;
    const auto lock = TakeProgramFolder(program, language, messages);
    if (!lock) return kExitFolderInUse;
    try {
        ProjectSettings settings;
        settings.LoadWorking(project->folder, project->projectName);
        std::optional<int> gallery;
        if (options->gallery) {
            gallery = GalleryNamed(settings, language, *options->gallery);
            if (!gallery) {
                Tell(messages, language.LangText(TextId::NoSuchGallery), *options->gallery);
                return kExitBadArguments;
            }
        }
        PictureList pictures(project->projectFolder);
        pictures.Reconcile();
        const SortOutcome sorted = SortPictures(pictures, settings, language, *options->key, gallery);
        if (sorted.moved > 0) {
            const std::vector<std::string> after = pictures.Files();
            ChangeBothSettingsFiles(
                *project, [&](SettingsStore& lines) { FollowPictures(lines, sorted.before, after, sorted.positions); });
        }
        if (*options->key == SortKey::DateTaken && sorted.dated == 0) {
            Tell(messages, language.LangText(TextId::NoDatesFound));
        } else {
            Tell(messages, language.LangText(TextId::SortedCount), std::to_string(sorted.moved));
        }
        return kExitDone;
    } catch (const PalimoraError& error) {
        Tell(messages, error.UserMessage());
    } catch (const fs::filesystem_error& error) {
        Tell(messages, language.LangText(TextId::PictureNotMoved), DisplayPath(error.path1()));
    }
    return kExitFailed;
}

}  // namespace palimora
