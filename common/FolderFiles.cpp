#include "common/FolderFiles.h"

#include "common/AtomicFiles.h"

#include "common/Error.h"
#include "common/FailureTexts.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace palimora {
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FilesOf(const fs::path& folder, const FileChoice& goes) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && goes(it->path())) files.push_back(it->path());
    }
    if (error) FailOnFile(Failure::CannotRead, folder);
    std::sort(files.begin(), files.end());
    return files;
}

void DeleteFiles(const fs::path& folder, const FileChoice& goes, bool stopAtStuckFile) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return;
    for (const auto& file : FilesOf(folder, goes)) {
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
        if ((!fs::remove(file, error) || error) && stopAtStuckFile) FailOnFile(Failure::CannotWrite, file);
    }
}

char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

FileChoice Matching(std::string_view mask) {
    return [mask](const fs::path& file) { return MatchesMask(file.filename().string(), mask); };
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*") return true;  // the usual "every file", dot or no dot
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Folded(mask[m]) == Folded(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

void DeleteFolderFilesMasked(const fs::path& folder, std::string_view mask) {
    DeleteFiles(folder, Matching(mask), true);
}

void DeleteDeletableFiles(const fs::path& folder, std::string_view mask) { DeleteFiles(folder, Matching(mask), false); }

void DeleteDeletableFiles(const fs::path& folder, const FileChoice& goes) { DeleteFiles(folder, goes, false); }

void DeleteFolderFiles(const fs::path& folder) { DeleteFolderFilesMasked(folder, "*.*"); }

void CopyFolderFiles(const fs::path& source, const fs::path& target) {
    std::error_code error;
    fs::create_directories(target, error);
    if (error) FailOnFile(Failure::CannotWrite, target);
    if (!fs::is_directory(source, error)) return;
    for (const auto& file : FilesOf(source, Matching("*.*"))) {
        if (!IsTemporaryName(file.filename().string())) CopyFileAtomically(file, target / file.filename());
    }
}

}  // namespace palimora
