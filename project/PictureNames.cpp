#include "project/PictureNames.h"

#include "common/FileNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <system_error>

namespace palimora {
namespace {

// Reads the kept digits; 0 unless they form a number that fits.
int DigitsToNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return 0;
    int number = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

std::string SixDigits(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", number);
    return text;
}

int PictureFileNumber(std::string_view fileName) {
    std::string kept;
    bool started = false;
    for (std::size_t i = 0; i < fileName.size() && i < 26 && fileName[i] != '.'; ++i) {
        if (!started && fileName[i] == '0') continue;
        started = true;
        kept += fileName[i];
    }
    return DigitsToNumber(kept);
}

int PictureNumberOfPage(std::string_view pageName) {
    pageName = pageName.substr(0, 300);
    const auto dash = pageName.find('-');
    if (dash == std::string_view::npos) return 0;
    const auto dot = pageName.find('.', dash + 1);
    std::string_view digits = pageName.substr(dash + 1, dot == std::string_view::npos ? dot : dot - dash - 1);
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return DigitsToNumber(digits);
}

bool IsListedPicture(std::string_view fileName) {
    // A photo format the user chose not to convert stays in the list, as a bitmap does.
    static const std::array<std::string_view, 24> kExtensions = {
        ".BMP", ".ICO",  ".JPG",  ".JPEG", ".WMF",  ".MOV", ".AVI",  ".MPG", ".MPEG", ".GIF", ".WAV",  ".MID",
        ".MP3", ".HEIC", ".HEIF", ".PNG",  ".WEBP", ".TIF", ".TIFF", ".MP4", ".M4V",  ".3GP", ".WEBM", ".MKV"};
    const std::string extension = UpperExtensionOf(fileName);
    return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

std::vector<std::string> ListPictureFiles(const std::filesystem::path& picturesFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(picturesFolder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && IsListedPicture(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace palimora
