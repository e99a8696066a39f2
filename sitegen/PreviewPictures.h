#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// The pictures the preview samples show: small copies of a project's
// pictures, made once at the preview's size into the program folder's
// preview/ folder (beside the samples) and kept while their picture is
// unchanged. Returns them as the samples refer to them ("preview/<file>"),
// for up to `count` JPEG pictures of `names` from `first` on; without any,
// those of the demo project; nothing when there are none either. A picture
// that cannot be read is passed over.
std::vector<std::string> PreparePreviewPictures(const ProgramFolder& folder,
                                                const std::filesystem::path& picturesFolder,
                                                const std::vector<std::string>& names, std::size_t first,
                                                std::size_t count);

inline constexpr const char* kPreviewFolder = "preview";
inline constexpr int kPreviewPictureSize = 640;  // the longer side at most

}  // namespace palimora
