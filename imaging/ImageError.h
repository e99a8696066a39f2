#pragma once

#include "common/Error.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace palimora {

// A picture that cannot be read. The message says why in the decoder's own
// words (for the evidence); the window that reports it composes the user's
// message from the language texts by Kind.
class ImageError : public PalimoraError {
public:
    enum class Kind {
        Unreadable,   // damaged, truncated, or not a picture of its format
        TooLarge,     // beyond the pixel count the program agrees to decode
        Unsupported,  // a format the program does not draw (metafiles)
    };

    ImageError(Kind kind, const std::string& detail) : PalimoraError(detail), kind_(kind) {}
    Kind ErrorKind() const { return kind_; }

    // The picture concerned, when it is not the one the caller is working on
    // (a copyright stamp, say); empty otherwise.
    const std::filesystem::path& File() const { return file_; }
    void SetFile(std::filesystem::path file) { file_ = std::move(file); }

private:
    Kind kind_;
    std::filesystem::path file_;
};

// Pictures above this many pixels are refused rather than decoded whole:
// 200 million pixels take 600 MB as RGB.
inline constexpr long long kMaxPicturePixels = 200'000'000;

// The largest picture file read whole into memory: four bytes a pixel of
// the largest picture let through, plus room for its headers. No picture
// format this program reads needs more, compressed or not.
inline constexpr std::uintmax_t kMaxPictureFileBytes = static_cast<std::uintmax_t>(kMaxPicturePixels) * 4 + (1u << 20);

// Throws ImageError(Unreadable) unless the file is an ordinary file: a
// folder or a special file (a pipe, /dev/zero) is never opened as a picture.
void RequireOrdinaryPicture(const std::filesystem::path& file);

// What one picture's decode may hold at once, its pixels and the decoder's
// own buffers together, so that a build of two workers stays well under a
// gigabyte whatever the pictures.
inline constexpr std::size_t kPictureMemoryBudget = std::size_t{360} << 20;

// A picture decoded whole at full size (every format but JPEG, which is
// decoded reduced) holds at most two copies of its three-byte pixels: some
// 63 million pixels, 9,000 x 7,000, fit the budget.
inline constexpr long long kMaxWholePicturePixels = static_cast<long long>(kPictureMemoryBudget / 6);

// Throws ImageError(TooLarge) when width x height is beyond `cap`, or
// ImageError(Unreadable) when a side is not positive. Decoders check the
// size their header declares, before they expand anything.
void CheckPictureSize(long long width, long long height, const char* format, long long cap = kMaxWholePicturePixels);

}  // namespace palimora
