#include "project/DemoLanguage.h"

#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/TextLines.h"
#include "project/BuiltSite.h"
#include "project/ProjectLayout.h"

#include <optional>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr const char* kDemoName = "Demo";
constexpr const char* kDemoLanguagesFolder = "demo";

struct DemoWords {
    std::string texts;
    std::string settings;
    friend bool operator==(const DemoWords&, const DemoWords&) = default;
};

// Nothing when either file is missing or unreadable.
std::optional<DemoWords> ReadWords(const fs::path& texts, const fs::path& settings) {
    try {
        return DemoWords{ReadFileBytes(texts), ReadFileBytes(settings)};
    } catch (const PalimoraError&) {
        return std::nullopt;
    }
}

}  // namespace

void GiveDemoLanguage(const ProgramFolder& folder, const std::string& languageCode) {
    const fs::path demo = folder.Project(kDemoName);
    const fs::path languages = folder.Root() / kDemoLanguagesFolder;
    const fs::path texts = project_layout::PictureTextFile(demo);
    const fs::path saved = project_layout::SavedSettingsFile(demo, kDemoName);
    const auto wanted = ReadWords(languages / (languageCode + ".dat"), languages / (languageCode + ".ini"));
    const auto current = ReadWords(texts, saved);
    if (!wanted || !current || wanted == current) return;

    bool asShipped = false;
    std::error_code error;
    for (fs::directory_iterator it(languages, error), end; !error && it != end && !asShipped; it.increment(error)) {
        if (it->path().extension() != ".dat") continue;
        fs::path settings = it->path();
        const auto shipped = ReadWords(it->path(), settings.replace_extension(".ini"));
        asShipped = shipped == current;
    }
    if (!asShipped) return;
    WriteFileAtomically(texts, wanted->texts);
    WriteFileAtomically(saved, wanted->settings);
    WriteFileAtomically(project_layout::WorkingSettingsFile(demo), wanted->settings);
    // A site built before shows the old words: it is built again before it is shown or sent.
    built_site::Forget(demo);
}

}  // namespace palimora
