#pragma once

#include <filesystem>
#include <functional>

namespace palimora {

// What a site shows of a clip: an MP4 of H.264 video and AAC sound with its
// index at the front (fast start), so that every browser plays it while it
// loads.
struct WebClipResult {
    bool encoded = false;  // false: remuxed as it was, not encoded again
    int width = 0;         // as shown
    int height = 0;
};

struct ClipFacts;

// The size the web copy of a clip of these facts has, shown: its own when it
// is remuxed, else fitted within `longestSide` with even sides.
struct ClipSize {
    int width = 0;
    int height = 0;
};
ClipSize WebClipSize(const ClipFacts& facts, int longestSide);

// Told the share of the clip done (0 to 1); answers false to stop.
using ClipProgress = std::function<bool(double done)>;

// Writes the web MP4 of `source` to `target` (through a temporary file
// renamed over it). A clip already in H.264 (and AAC, or silent) whose
// longer side is within `longestSide` is remuxed; any other is encoded once,
// its longer side limited to `longestSide` (0: as it is), turned upright.
// Frames are streamed: memory does not grow with the clip's length.
// Returns nothing written (and false in `finished`) when the progress asked
// to stop. Throws ImageError when the source cannot be read, PalimoraError
// naming the target when it cannot be written.
WebClipResult MakeWebClip(const std::filesystem::path& source, const std::filesystem::path& target, int longestSide,
                          const ClipProgress& progress, bool& finished);

}  // namespace palimora
