#pragma once

#include <filesystem>

namespace palimora {

// Writes `target` as `source` with nothing of where or on what it was shot:
// the video stream and the first audio stream are remuxed, never encoded
// again, into the container the target's extension names, without the
// source's metadata (its location, its device, its other tracks); only the
// rotation the player applies is kept. Throws ImageError (Unreadable) when
// the source cannot be read, PalimoraError naming the target when it cannot
// be written (nothing is left of it then).
void CopyClipWithoutMetadata(const std::filesystem::path& source, const std::filesystem::path& target);
// The same into an MP4 `target` with its index at the front, for browsers.
void RemuxForWeb(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace palimora
