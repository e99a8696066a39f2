#pragma once

#include "sitegen/DerivedPictures.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

// The longest side of a clip on the site, whatever the size limit says.
inline constexpr int kLongestClipSide = 1080;

// The longest side the site gives clips under these settings.
int LongestClipSide(const ConversionSettings& settings);
// The size the site shows a clip at; nothing for a clip that cannot be read.
std::optional<PictureSize> ShownClipSize(const std::filesystem::path& clip, const ConversionSettings& settings);

// Derives the files of a clip: its web MP4 (MakeWebClip: remuxed, or encoded
// once with its longer side within the size limit and kLongestClipSide) and
// its poster in clips/, and its thumbnails: the poster with the play mark.
// The MP4 is written here, in place; the rest by WriteConversion. Throws
// ImageError for a clip that cannot be read. A build told to stop
// (settings.stopped) leaves no MP4 and returns nothing.
// `position` is the clip's place in the list, where its share done is told
// (settings.clipShares).
std::vector<ConvertedFile> ConvertClip(const std::filesystem::path& projectFolder, const std::string& name,
                                       const ConversionSettings& settings, std::size_t position = 0);

}  // namespace palimora
