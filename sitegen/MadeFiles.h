#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <unordered_set>

namespace palimora {

// The files of the site a build wrote or found already as it would write
// them. What an earlier build left in the site's folders and this one did
// not make goes at the end (RemoveFilesNotMade), so files that stay the same
// are never deleted and written again. Safe to add to from several threads.
class MadeFiles {
public:
    void Add(const std::filesystem::path& file);
    bool Holds(const std::filesystem::path& file) const;

private:
    static std::string Key(const std::filesystem::path& file);

    mutable std::mutex mutex_;
    std::unordered_set<std::string> files_;
};

// Removes from a project folder the site's files the build did not make: the
// pages at its top ("*.htm", the start page and the feed) and the files of tn_images,
// tns_images, tel_images, morc_images and web_images, with a killed build's temporaries.
// A file that cannot be removed stays, silently.
void RemoveFilesNotMade(const std::filesystem::path& projectFolder, const MadeFiles& made);

}  // namespace palimora
