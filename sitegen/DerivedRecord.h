#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

// A file as a build left it: its size and stamp (FileStampOf), which tell
// cheaply that it is unchanged, and the fingerprint of its bytes, which
// decides when they do not (a copy, a save that wrote the same bytes again).
struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t stamp = 0;
    std::uint64_t hash = 0;

    bool operator==(const FileFingerprint&) const = default;
};
// The size and stamp of a file, with `hash`; nothing when it is not there.
std::optional<FileFingerprint> FingerprintOf(const std::filesystem::path& file, std::uint64_t hash);

// What the pictures of a project were derived from by the last build: for
// each picture, the fingerprint of the settings that shaped its files, of the
// picture itself and of each file made from it. A build derives a picture
// again only when one of them no longer matches. Kept in the project folder,
// in kDerivedRecordFile; a missing or damaged record only means that
// everything is derived again.
class DerivedRecord {
public:
    struct Entry {
        std::uint64_t settings = 0;
        FileFingerprint source;
        // Relative to the project folder, with '/' between folder and name.
        std::vector<std::pair<std::string, FileFingerprint>> files;
        // The picture's size as shown, from its header; 0 when unknown.
        int width = 0;
        int height = 0;
    };

    static DerivedRecord Load(const std::filesystem::path& projectFolder);
    // Best effort: a record that cannot be written costs the next build its derivations, nothing else.
    void Save(const std::filesystem::path& projectFolder) const;

    void Set(const std::string& picture, Entry entry) { entries_[picture] = std::move(entry); }
    const Entry* Find(const std::string& picture) const;
    // Forgets the pictures that are no longer in the list.
    void KeepOnly(const std::vector<std::string>& pictures);
    // The picture's entry when its files are as the entry describes them,
    // made with `settings` from the picture as it is now (with the stamps
    // they have now, when only those changed); nothing otherwise.
    std::optional<Entry> Current(const std::filesystem::path& projectFolder, const std::string& picture,
                                 std::uint64_t settings) const;

    // The shown size recorded for a picture whose file has the size and
    // stamp it had then (a stat, where reading its header opens and reads it).
    std::optional<std::pair<int, int>> ShownSize(const std::filesystem::path& projectFolder,
                                                 const std::string& picture) const;
    // The picture's contents (HashOfFile's): as recorded when its file has
    // the size and stamp it had then, else read now; nothing when unreadable.
    // Whether the picture was derived as its file now stands (so its private data is gone).
    bool DerivedAsItStands(const std::filesystem::path& projectFolder, const std::string& picture) const {
        return Unchanged(projectFolder, picture) != nullptr;
    }
    std::optional<std::uint64_t> Contents(const std::filesystem::path& projectFolder, const std::string& picture) const;

private:
    // The entry of a picture whose file has the size and stamp it had then.
    const Entry* Unchanged(const std::filesystem::path& projectFolder, const std::string& picture) const;

    std::map<std::string, Entry> entries_;
};

inline constexpr const char* kDerivedRecordFile = "derived.dat";

}  // namespace palimora
