#include "project/ProjectFolders.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/FileContents.h"
#include "common/FolderFiles.h"
#include "project/PictureNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <set>
#include <system_error>

namespace palimora {

std::array<std::string, 3> BuiltSiteMarkers() {
    return {site_layout::kStartPage, site_layout::GalleryPage(1), site_layout::PicturePage(1, SixDigits(1))};
}
namespace fs = std::filesystem;

bool IsUsableProjectName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (Utf8FromCp1252(name).Bytes().size() > kLongestProjectName) return false;
    if (name.back() == '.' || name.back() == ' ') return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
            return false;
        }
    }
    std::string stem(name.substr(0, name.find('.')));
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static const std::set<std::string> kReserved = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                                    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                                    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    return !kReserved.count(stem);
}

std::vector<std::string> ListProjects(const ProgramFolder& folder, std::string_view workingName) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder.Projects(), error), end; !error && it != end; it.increment(error)) {
        if (!it->is_directory(error)) continue;
        const Utf8Text name = Utf8OfPath(it->path().filename());
        if (!IsStorableText(name)) continue;  // not a folder this program made
        std::string cp1252 = Cp1252FromUtf8(name);
        if (cp1252 != workingName) names.push_back(std::move(cp1252));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveProjectFolder(const fs::path& projectFolder) {
    try {
        std::error_code error;
        for (const char* sub : kProjectSubfolders) {
            if (!fs::is_directory(projectFolder / sub, error)) continue;
            DeleteFolderFiles(projectFolder / sub);
            if (!fs::remove(projectFolder / sub, error)) return;
        }
        if (!fs::is_directory(projectFolder, error)) return;
        DeleteFolderFiles(projectFolder);
        fs::remove(projectFolder, error);
    } catch (const PalimoraError&) {
        // What could not be removed stays.
    }
}

void CopyProjectOnto(const fs::path& source, const std::string& sourceName, const fs::path& target,
                     const std::string& targetName) {
    std::error_code error;
    DeleteFolderFiles(target);
    for (const char* sub : kProjectSubfolders) DeleteFolderFiles(target / sub);
    if (fs::is_directory(source, error)) CopyFolderFiles(source, target);
    const fs::path copiedIni = project_layout::SavedSettingsFile(target, sourceName);
    if (fs::exists(copiedIni, error))
        fs::rename(copiedIni, project_layout::SavedSettingsFile(target, targetName), error);
    for (const char* sub : kProjectSubfolders) {
        if (fs::is_directory(source / sub, error)) CopyFolderFiles(source / sub, target / sub);
    }
}

namespace {

// The regular files of a folder, by name, without a killed run's temporaries.
std::vector<fs::path> MirroredFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && !IsTemporaryName(it->path().filename().string())) files.push_back(it->path());
    }
    return files;
}

}  // namespace

void MirrorFolderFiles(const fs::path& source, const fs::path& target, FileTransaction& transaction) {
    std::error_code error;
    fs::create_directories(target, error);
    if (error) FailOnFile(Failure::CannotWrite, target);
    for (const fs::path& file : MirroredFiles(source)) {
        const fs::path copy = target / file.filename();
        if (!SameFileBytes(file, copy)) transaction.Copy(file, copy);
    }
    for (const fs::path& file : MirroredFiles(target)) {
        if (!fs::exists(source / file.filename(), error)) transaction.Remove(file);
    }
}

}  // namespace palimora
