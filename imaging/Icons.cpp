#include "imaging/Icons.h"

#include "imaging/Fitting.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "imaging/Resize.h"

#include <algorithm>
#include <set>
#include <system_error>
#include <tuple>

#include <sys/stat.h>

namespace palimora {

Image EmptyIcon(int side) {
    Image icon(side, side);
    icon.Fill(245, 158, 73);
    return icon;
}

Image MakeIcon(const std::filesystem::path& file, int side) {
    // A GIF's icon shows its first frame; a JPEG is decoded reduced.
    const Image frame =
        FormatOf(file) == PictureFormat::Gif ? ReadFirstFrame(file) : ReadPictureFile(file, side, side).image;
    const Placement fit = FitInIcon(frame.width, frame.height, side);
    Image icon = EmptyIcon(side);
    icon.Paste(Resize(frame, std::max(1, fit.width), std::max(1, fit.height)), fit.left, fit.top);
    return icon;
}

bool IconCache::Key::operator<(const Key& other) const {
    return std::tie(device, inode, size, modifiedNanoseconds) <
           std::tie(other.device, other.inode, other.size, other.modifiedNanoseconds);
}

std::optional<IconCache::Key> IconCache::KeyOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    return Key{static_cast<std::uintmax_t>(status.st_dev), static_cast<std::uintmax_t>(status.st_ino),
               static_cast<std::uintmax_t>(status.st_size),
               static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

std::optional<Image> IconCache::Find(const Key& key, int side) const {
    std::lock_guard lock(mutex_);
    const auto found = icons_.find(key);
    if (found == icons_.end() || found->second.width != side) return std::nullopt;
    return found->second;
}

void IconCache::Store(const Key& key, const Image& icon) {
    std::lock_guard lock(mutex_);
    icons_[key] = icon;
}

void IconCache::KeepOnly(const std::vector<std::filesystem::path>& kept) {
    std::set<Key> keys;
    for (const auto& file : kept) {
        if (const auto key = KeyOf(file)) keys.insert(*key);
    }
    std::lock_guard lock(mutex_);
    std::erase_if(icons_, [&](const auto& entry) { return !keys.count(entry.first); });
}

std::size_t IconCache::Size() const {
    std::lock_guard lock(mutex_);
    return icons_.size();
}

IconBatch::IconBatch(std::vector<std::filesystem::path> files, IconCache& cache, int side, unsigned workers)
    : files_(std::move(files)),
      cache_(cache),
      side_(side),
      work_(
          files_.size(), [this](std::size_t index) { return Make(index); }, 0, workers) {}

IconBatch::Result IconBatch::Make(std::size_t index) const {
    const auto key = IconCache::KeyOf(files_[index]);
    if (auto cached = key ? cache_.Find(*key, side_) : std::nullopt) return {std::move(*cached), true, {}};
    try {
        Result result{MakeIcon(files_[index], side_), true, {}};
        if (key) cache_.Store(*key, result.icon);
        return result;
    } catch (const PalimoraError& error) {
        return {EmptyIcon(side_), false, error.UserMessage()};
    } catch (const std::bad_alloc&) {
        return {EmptyIcon(side_), false, "out of memory"};
    }
}

}  // namespace palimora
