#pragma once

#include "imaging/Image.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace palimora::testing {

// Writes the photos of tests/support/make_photos.py into `folder` (Pillow,
// exiftool, heif-enc and ImageMagick make them): orientation-1..8.jpg,
// gps.jpg, caption-tag.jpg, caption-camera.jpg, caption-reference.jpg,
// photo.heic, alpha.png, photo.webp, photo16.tiff. Fails the test
// run (throws) when the script fails.
void MakePhotoFixtures(const std::filesystem::path& folder);

// Writes the clips of tests/support/make_clips.sh into `folder` (ffmpeg and
// exiftool make them): located.mp4, located.mov, rotated.mov, clip.webm,
// half.mp4, text.mp4. Throws when the script fails.
void MakeClipFixtures(const std::filesystem::path& folder);

// An ICC profile with Display P3's primaries and white, and sRGB's tone curve.
std::vector<std::uint8_t> DisplayP3Profile();

// The JPEG bytes with an ICC profile block (APP2) put after the start marker.
std::string WithIccProfile(const std::string& jpeg, const std::vector<std::uint8_t>& profile);

// The JPEG bytes with an EXIF block (APP1) holding only the orientation.
std::string WithOrientation(const std::string& jpeg, int orientation);

// The picture's pixels converted from the profile to sRGB by lcms2 alone.
Image ToSrgbWithLcms(const Image& image, const std::vector<std::uint8_t>& profile);

}  // namespace palimora::testing
