#include "styles/SampleTemplates.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "styles/ProjectSettings.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

const char* SamplePageOf(SettingLine templateLine) {
    switch (templateLine) {
        case SettingLine::SummaryTemplate: return ProgramFolder::kSummarySample;
        case SettingLine::GalleryTemplate: return ProgramFolder::kGallerySample;
        default: return ProgramFolder::kPictureSample;
    }
}

bool InstallChosenTemplate(const ProgramFolder& folder, const ProjectSettings& settings, const Language& language,
                           SettingLine templateLine) {
    return InstallTemplate(folder, templateLine, settings.ChosenItem(templateLine, folder, language, {}));
}

bool InstallTemplate(const ProgramFolder& folder, SettingLine templateLine, const std::string& chosen) {
    const fs::path model =
        folder.Root() / "models" / std::string(*settings::TemplateFolderOf(templateLine)) / PathFromCp1252(chosen);
    const fs::path sample = folder.Root() / SamplePageOf(templateLine);
    std::error_code error;
    if (chosen.empty() || !fs::is_regular_file(model, error)) {
        fs::remove(sample, error);
        return false;
    }
    return fs::copy_file(model, sample, fs::copy_options::overwrite_existing, error);
}

}  // namespace palimora
