#pragma once

#include "imaging/Image.h"

#include <cstdint>
#include <vector>

namespace palimora {

// True when the picture's pixels must be converted to be shown as sRGB: an
// RGB ICC profile other than sRGB. No profile, an sRGB one, or one that is
// not RGB (the inks of a CMYK JPEG are turned into RGB plainly) leave the
// pixels as they are.
bool NeedsSrgbConversion(const std::vector<std::uint8_t>& profile);

// Converts the pixels from the profile's colours to sRGB (lcms2, perceptual
// intent). Does nothing when NeedsSrgbConversion is false or the profile
// cannot be read. Transforms are kept by profile, so a run of photos from
// the same phone builds one.
void ConvertToSrgb(Image& image, const std::vector<std::uint8_t>& profile);

}  // namespace palimora
