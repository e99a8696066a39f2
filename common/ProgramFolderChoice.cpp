#include "common/ProgramFolderChoice.h"

#include "common/ProgramFolder.h"

#include "common/Error.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

using Fingerprint = std::uint64_t;

// FNV-1a of a file's bytes: enough to tell whether a copy was changed.
Fingerprint FingerprintOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    Fingerprint hash = 14695981039346656037ULL;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            hash ^= static_cast<unsigned char>(buffer[i]);
            hash *= 1099511628211ULL;
        }
    }
    return hash;
}

// One line per copied file: the fingerprint in hexadecimal, a space, the path
// relative to the program folder.
using CopiedData = std::map<std::string, Fingerprint>;

CopiedData ReadCopiedData(const fs::path& list) {
    CopiedData copied;
    std::ifstream in(list, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        if (space == std::string::npos || space == 0) continue;
        try {
            copied[line.substr(space + 1)] = std::stoull(line.substr(0, space), nullptr, 16);
        } catch (const std::exception&) {
            // A damaged line: that file is then treated as the user's.
        }
    }
    return copied;
}

[[noreturn]] void CannotFill(const fs::path& user, const std::error_code& error) {
    throw ProgramFolderUnusable(user, error.message());
}

void WriteCopiedData(const fs::path& user, const CopiedData& copied) {
    const fs::path list = user / kCopiedDataList;
    const fs::path scratch = user / (std::string(kCopiedDataList) + ".new");
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        char hex[17];
        for (const auto& [relative, fingerprint] : copied) {
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(fingerprint));
            out << hex << ' ' << relative << '\n';
        }
        if (!out.flush()) CannotFill(user, std::make_error_code(std::errc::io_error));
    }
    std::error_code error;
    fs::rename(scratch, list, error);
    if (error) CannotFill(user, error);
}

void CopyData(const fs::path& from, const fs::path& to, const fs::path& user) {
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    if (!error) fs::remove(to, error);  // a read-only copy of an older version cannot be written over
    if (!error) fs::copy_file(from, to, error);
    if (!error) fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    if (error) CannotFill(user, error);
}

bool IsShippedProject(const fs::path& relative) { return *relative.begin() == "Projets"; }

}  // namespace

bool HoldsProgramData(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(palimora::ProgramFolder(folder).DefaultSettings(), error);
}

bool IsWritableFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path UserDataHome(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome);
    return fs::path(home != nullptr ? home : "") / ".local" / "share";
}

void FillUserProgramFolder(const fs::path& data, const fs::path& user) {
    std::error_code error;
    const bool madeNow = !fs::exists(user, error);
    fs::create_directories(user / "Projets", error);
    if (error) CannotFill(user, error);

    CopiedData copied = ReadCopiedData(user / kCopiedDataList);
    const CopiedData before = copied;
    for (fs::recursive_directory_iterator it(data, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) continue;
        const fs::path relative = it->path().lexically_relative(data);
        const fs::path target = user / relative;
        const bool present = fs::exists(target, ignored);
        if (relative == "palimora.ini" || IsShippedProject(relative)) {
            // The user's to change from the first start on: copied once, never tracked.
            const bool copy = relative == "palimora.ini" ? !present : madeNow;
            if (copy) CopyData(it->path(), target, user);
            continue;
        }
        const std::string key = relative.generic_string();
        const Fingerprint shipped = FingerprintOf(it->path());
        if (!present) {
            CopyData(it->path(), target, user);
            copied[key] = shipped;
            continue;
        }
        const Fingerprint current = FingerprintOf(target);
        if (current == shipped) {
            copied[key] = shipped;
            continue;
        }
        const auto last = copied.find(key);
        if (last != copied.end() && last->second == current) {
            // Untouched since it was copied: the newer read-only one replaces it.
            CopyData(it->path(), target, user);
            copied[key] = shipped;
        }
    }
    if (error) CannotFill(user, error);
    if (copied != before || !fs::exists(user / kCopiedDataList, error)) WriteCopiedData(user, copied);
}

fs::path ChooseProgramFolder(const fs::path& executableFolder, bool executableFolderWritable,
                             const fs::path& installedData, const fs::path& dataHome) {
    const bool dataBeside = HoldsProgramData(executableFolder);
    if (dataBeside && executableFolderWritable) return executableFolder;
    const fs::path data = dataBeside ? executableFolder : installedData;
    if (!HoldsProgramData(data)) return executableFolder;
    const fs::path user = dataHome / "palimora";
    try {
        FillUserProgramFolder(data, user);
    } catch (ProgramFolderUnusable& problem) {
        problem.SetDataFolder(data);
        throw;
    }
    return user;
}

}  // namespace palimora
