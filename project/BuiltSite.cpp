#include "project/BuiltSite.h"

#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/TextLines.h"
#include "project/ProjectFolders.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <system_error>
#include <vector>

namespace palimora::built_site {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "palimora built site 1";

// The ordinary files of a folder, by their names, less temporaries.
std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && !IsTemporaryName(name)) names.push_back(name);
    }
    return names;
}

}  // namespace

void Begin(const fs::path& projectFolder) {
    WriteFileAtomically(projectFolder / kBuildingMark, "unfinished\r\n", Durability::Flushed);
}

void Forget(const fs::path& projectFolder) {
    std::error_code ignored;
    fs::remove(projectFolder / kBuiltRecord, ignored);
    for (const std::string& page : BuiltSiteMarkers()) fs::remove(projectFolder / page, ignored);
}

void Record(const fs::path& projectFolder) {
    std::set<std::string> files;
    for (const std::string& name : FileNames(projectFolder))
        if (site_layout::IsSiteFileAtTop(name)) files.insert(name);
    for (const std::string folder : kProjectSubfolders) {
        if (folder == project_layout::kTextsFolder) continue;  // the project's, not the site's
        for (const std::string& name : FileNames(projectFolder / folder)) files.insert(folder + "/" + name);
    }
    TextLines lines{std::string(kFirstLine)};
    lines.insert(lines.end(), files.begin(), files.end());
    WriteFileIfChanged(projectFolder / kBuiltRecord, JoinTextLines(lines));
    std::error_code error;
    fs::remove(projectFolder / kBuildingMark, error);
    if (error) FailOnFile(Failure::CannotWrite, projectFolder / kBuildingMark);
}

std::optional<std::set<std::string>> Files(const fs::path& projectFolder) {
    std::error_code error;
    if (fs::exists(projectFolder / kBuildingMark, error) || !fs::is_regular_file(projectFolder / kBuiltRecord, error))
        return std::nullopt;
    TextLines lines;
    try {
        lines = ReadTextLines(projectFolder / kBuiltRecord);
    } catch (const PalimoraError&) {
        return std::nullopt;
    }
    if (lines.empty() || lines.front() != kFirstLine) return std::nullopt;
    std::set<std::string> files;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].empty()) files.insert(lines[i]);
    return files;
}

}  // namespace palimora::built_site
