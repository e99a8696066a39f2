#pragma once

#include "common/Error.h"

#include <filesystem>
#include <string>

namespace palimora {

// The per-user program folder cannot be made or filled: its message names
// the folder and the system's reason. The read-only data it was to be filled
// from still hold the language files to tell it in.
class ProgramFolderUnusable : public PalimoraError {
public:
    ProgramFolderUnusable(std::filesystem::path folder, std::string reason)
        : PalimoraError(folder.string() + " (" + reason + ")"),
          folder_(std::move(folder)),
          reason_(std::move(reason)) {}
    const std::filesystem::path& Folder() const { return folder_; }
    const std::string& Reason() const { return reason_; }
    const std::filesystem::path& DataFolder() const { return data_; }
    void SetDataFolder(std::filesystem::path data) { data_ = std::move(data); }

private:
    std::filesystem::path folder_;
    std::string reason_;
    std::filesystem::path data_;
};

// Where a copy of the program keeps its data.
//
// The executable's folder stays the program folder when it holds the
// program's data and can be written (the build folder, a portable copy).
// Otherwise (an installed copy, or a portable copy on a read-only disk) the
// program folder is <data home>/palimora, filled from the read-only data:
// the executable's own folder when it holds them, else the installed data
// folder. A copy with no data anywhere keeps the executable's folder, where
// the start-up then reports what is missing.
//
// Throws ProgramFolderUnusable when the per-user folder cannot be made or filled.
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& executableFolder, bool executableFolderWritable,
                                          const std::filesystem::path& installedData,
                                          const std::filesystem::path& dataHome);

// True when the folder holds the program's read-only data (its default settings among them).
bool HoldsProgramData(const std::filesystem::path& folder);

// True when this process may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

// The user's data home: XDG_DATA_HOME when it is an absolute path, else
// <home>/.local/share. Either argument may be null.
std::filesystem::path UserDataHome(const char* xdgDataHome, const char* home);

// Fills the per-user program folder from the read-only data, or brings it up
// to date after an upgrade.
//
// A data file is copied when the user's copy is missing, or when the user's
// copy is still the one copied last time (its content is recorded in the
// folder's list of copied data) and the read-only one has changed since. A
// file the user changed or added is left alone. palimora.ini is copied only
// when missing; the shipped projects only into a folder made now, so a
// project the user deleted does not come back. Copies can always be written
// by their owner, whatever the read-only data's permissions.
void FillUserProgramFolder(const std::filesystem::path& data, const std::filesystem::path& user);

// The list of copied data, kept in the per-user folder.
inline constexpr const char* kCopiedDataList = ".copied-data";

}  // namespace palimora
