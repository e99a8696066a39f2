#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace palimora {

// What the file system says of a file without reading it: its size, its
// last write and last change times and which file it is (device and inode),
// folded into one number. A file written again, even to the same size with
// its old write time put back (as tools that keep times do), gets another
// stamp, since its change time moves on; a file replaced by another gets
// another too. Equal stamps are taken as equal contents, as build tools do.
// Nothing for a file that cannot be examined.
std::optional<std::uint64_t> FileStampOf(const std::filesystem::path& file);

}  // namespace palimora
