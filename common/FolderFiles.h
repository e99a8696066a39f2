#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace palimora {

// Deletes the files (not the sub-folders) of a folder, in name order, clearing
// a read-only mark first. A missing folder is no error. Throws PalimoraError
// naming the folder when a file cannot be listed or deleted; files already
// deleted stay deleted.
void DeleteFolderFiles(const std::filesystem::path& folder);

// The same for the files whose names match a mask of '*' and '?' wildcards,
// compared without regard to ASCII letter case ("*.htm", "g1-*.htm").
void DeleteFolderFilesMasked(const std::filesystem::path& folder, std::string_view mask);

// As DeleteFolderFilesMasked, but a file that cannot be deleted is left in
// place, silently, and the others still go. Throws PalimoraError naming the
// folder only when it cannot be listed.
void DeleteDeletableFiles(const std::filesystem::path& folder, std::string_view mask);
// The same for the files `goes` picks.
using FileChoice = std::function<bool(const std::filesystem::path& file)>;
void DeleteDeletableFiles(const std::filesystem::path& folder, const FileChoice& goes);

// Copies every file of `source` (no sub-folders) into `target`, overwriting,
// creating `target` and its parents where missing. Throws PalimoraError
// naming the file that could not be copied.
void CopyFolderFiles(const std::filesystem::path& source, const std::filesystem::path& target);

// Wildcard match used by the masked helpers, exposed for the listing code.
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace palimora
