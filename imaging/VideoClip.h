#pragma once

#include "imaging/Image.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// Video clips a phone or a camera shoots (MP4, MOV, M4V, 3GP, WebM, MKV),
// read in process with FFmpeg's libraries.

// Whether a file's first bytes are those of a clip: an ISO media file (a
// "ftyp" box first) or a Matroska/WebM one (its EBML header).
bool IsClipBytes(std::string_view firstBytes);

struct ClipFacts {
    int width = 0;  // as a player shows it: a quarter turn swaps the stored sides
    int height = 0;
    int rotation = 0;  // clockwise degrees a player turns the stored frames: 0, 90, 180 or 270
    double seconds = 0;
    std::string videoCodec;  // the libraries' name: "h264", "hevc", "vp9"...
    std::string audioCodec;  // empty for a silent clip
    std::string title;       // UTF-8, the clip's own title when it carries one
};

// Throws ImageError (Unreadable, in the libraries' words) when the file holds
// no video stream the libraries can decode.
ClipFacts ReadClipFacts(const std::filesystem::path& file);

// The clip's poster: its first frame that is not black within its first
// second, else the frame at 1 s (the last one of a shorter clip), upright,
// reduced to fit wantedWidth x wantedHeight when they are given. Frames are
// decoded one at a time. Throws ImageError as ReadClipFacts does, and when no
// frame can be decoded.
Image ClipPoster(const std::filesystem::path& file, int wantedWidth = 0, int wantedHeight = 0);

// Draws the play mark, a white triangle on a dark disc, in the middle of a
// poster or of its icon.
void DrawPlayMark(Image& image);

}  // namespace palimora
