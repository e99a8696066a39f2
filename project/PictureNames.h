#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// How a project names its pictures: picture n is images/<N6><ext>, N6 being
// n zero-padded to six digits.
namespace palimora {

std::string SixDigits(int number);

// The number of a picture file: the characters before the first dot, leading
// zeros skipped, read as a decimal number; 0 when they are not one.
int PictureFileNumber(std::string_view fileName);

// The picture number of a picture page g<k>-<N6>.htm; 0 when there is none.
int PictureNumberOfPage(std::string_view pageName);

// Whether a file belongs to the picture list (pictures, and the sound and
// film files a project may carry), by extension in any letter case.
bool IsListedPicture(std::string_view fileName);

// The listed pictures of a folder (file names), in name order = number order.
std::vector<std::string> ListPictureFiles(const std::filesystem::path& picturesFolder);

}  // namespace palimora
