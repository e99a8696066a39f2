#pragma once

#include "imaging/Image.h"

namespace palimora {

// Resamples to width x height. Shrinking averages every source pixel under
// each target pixel by the area it covers (no aliasing, no lost detail);
// enlarging interpolates bilinearly.
Image Resize(const Image& source, int width, int height);

}  // namespace palimora
