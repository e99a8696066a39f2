#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The one way files are written: whole or not at all. A file is written
// under a temporary name beside it and renamed over the old one when
// complete, so a full disk, a kill or a crash leaves the old file as it was.
// The project's own files (settings, images.dat, palimora.ini, pictures) are
// also flushed, with their folder, so that a power cut cannot leave the
// renamed file empty.
namespace palimora {

enum class Durability {
    Renamed,  // whole once renamed; the system writes it out in its own time (pages, thumbnails)
    Flushed,  // on the disk, and its name in its folder, before the call returns
};

// The temporary a file is written under, and whether a name is one (leftovers
// of a run that was killed, which the next run removes).
std::filesystem::path TemporaryFor(const std::filesystem::path& file);
bool IsTemporaryName(std::string_view fileName);
// Removes the temporaries a killed run left in a folder (not its sub-folders).
void RemoveTemporaries(const std::filesystem::path& folder);

// Throw PalimoraError naming the file when it cannot be written whole; the
// temporary is removed and the old file, if any, left as it was.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         Durability durability = Durability::Renamed);
void CopyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target,
                        Durability durability = Durability::Renamed);
// The same, but a file that already holds these bytes is left as it is, its
// time included, so that what compares files by time sees it unchanged.
// True when the file was written.
bool WriteFileIfChanged(const std::filesystem::path& file, std::string_view bytes);
bool CopyFileIfChanged(const std::filesystem::path& source, const std::filesystem::path& target);

// Adds `bytes` at the end of an existing file in one write, for a file of
// fixed records whose reader drops a cut last one: a kill or a full disk
// loses at most what was being added. Returns the file's size before, or
// nullopt, having added nothing, when it is no whole number of `unit`s
// (rewrite it whole then). Throws PalimoraError naming the file when it
// cannot be written.
std::optional<std::uintmax_t> AppendRecords(const std::filesystem::path& file, std::string_view bytes, std::size_t unit,
                                            Durability durability);

// Puts a file written elsewhere, or a folder's entries (a file just renamed
// into it), on the disk.
void FlushFile(const std::filesystem::path& file);
void FlushFolder(const std::filesystem::path& folder);

// Files replaced together: each is written to its temporary first, and only
// when all are complete does Commit rename them over their targets (and
// remove the files to remove), so a failure before Commit leaves every
// target as it was. What is not committed is removed on destruction.
class FileTransaction {
public:
    FileTransaction() = default;
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;
    ~FileTransaction();

    void Copy(const std::filesystem::path& source, const std::filesystem::path& target);
    void Remove(const std::filesystem::path& target);
    // Renames every staged file into place and flushes the folders. Throws
    // PalimoraError naming the file when a rename fails.
    void Commit();

private:
    std::vector<std::filesystem::path> staged_;  // targets whose temporary is complete
    std::vector<std::filesystem::path> removals_;
};

}  // namespace palimora
