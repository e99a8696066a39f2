#pragma once

#include "imaging/Image.h"

#include <cstddef>
#include <cstdint>

namespace palimora {

// The EXIF orientation of a photo: 1 stored upright, 2 mirrored, 3 turned
// half round, 4 flipped, 5 mirrored along the main diagonal, 6 to be turned
// a quarter clockwise, 7 mirrored along the other diagonal, 8 to be turned a
// quarter anticlockwise. Anything else counts as 1.
inline constexpr int kUpright = 1;

// True for 5 to 8: the viewer sees the stored height as the width.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The orientation in an EXIF block (an APP1 payload starting "Exif\0\0",
// read with libexif); 1 when there is none or it is out of range.
int ExifOrientation(const std::uint8_t* exif, std::size_t size);

// The picture as a viewer of the photo sees it. Orientation 1 returns it unchanged.
Image Oriented(Image stored, int orientation);

}  // namespace palimora
