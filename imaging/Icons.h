#pragma once

#include "common/OrderedWork.h"
#include "imaging/Fitting.h"
#include "imaging/Image.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

// The icon of a picture of the list, `side` pixels square (50 as designed,
// larger as the user chooses): the picture fitted keeping its proportions,
// centred on the window colour. Throws ImageError when the picture cannot be read.
Image MakeIcon(const std::filesystem::path& file, int side = kIconSize);

// The icon drawn for a file that cannot be read: the window colour alone.
Image EmptyIcon(int side = kIconSize);

// Icons already made, by file identity: the file itself (device and inode,
// which a rename keeps), its size and modification time, so a picture that
// was renumbered keeps its icon while one replaced or touched is made
// again. Thread-safe.
class IconCache {
public:
    struct Key {
        std::uintmax_t device = 0;
        std::uintmax_t inode = 0;
        std::uintmax_t size = 0;
        long long modifiedNanoseconds = 0;
        bool operator<(const Key& other) const;
    };

    static std::optional<Key> KeyOf(const std::filesystem::path& file);
    // The icon of `key` made at `side`, if there is one.
    std::optional<Image> Find(const Key& key, int side = kIconSize) const;
    void Store(const Key& key, const Image& icon);
    // Forgets icons of files that are not in `kept` (the list as it now is).
    void KeepOnly(const std::vector<std::filesystem::path>& kept);
    std::size_t Size() const;

private:
    mutable std::mutex mutex_;
    std::map<Key, Image> icons_;
};

// Makes the icons of a list of files on every core, in list order as far as
// the workers go, while the caller takes them one by one in order.
class IconBatch {
public:
    struct Result {
        Image icon;
        bool readable = true;
        std::string detail;  // why the picture could not be read
    };

    IconBatch(std::vector<std::filesystem::path> files, IconCache& cache, int side = kIconSize, unsigned workers = 0);

    // Waits for the icon of file `index`; not to be called after Stop.
    Result Take(std::size_t index) { return work_.Take(index); }
    // Lets the workers end after the icon each one is making.
    void Stop() { work_.Stop(); }

private:
    Result Make(std::size_t index) const;

    std::vector<std::filesystem::path> files_;
    IconCache& cache_;
    int side_;
    OrderedWork<Result> work_;
};

}  // namespace palimora
