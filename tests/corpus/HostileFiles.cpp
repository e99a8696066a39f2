// Hostile input, made at the start of the run: damaged and lying pictures,
// pictures that declare more pixels than any memory holds, damaged project
// and language files, and special files where an ordinary file is expected.

#include "tests/corpus/HostileFiles.h"

#include "imaging/JpegCodec.h"
#include "project/PictureTextLayout.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <stdexcept>

#include <sys/stat.h>

namespace palimora::corpus {
namespace fs = std::filesystem;
using testing::WriteBytes;

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A GIF whose screen and only frame claim 65535 x 65535 pixels, with a few
// bytes of picture data.
std::string GifBomb() {
    std::string gif = "GIF89a";
    Put16(gif, 65535);
    Put16(gif, 65535);
    gif += "\x80\x00\x00";  // a global table of two colours
    gif += std::string("\0\0\0\xFF\xFF\xFF", 6);
    gif += ',';
    Put16(gif, 0);
    Put16(gif, 0);
    Put16(gif, 65535);
    Put16(gif, 65535);
    gif += '\0';
    gif += std::string("\x02\x02\x4C\x01\x00", 5);  // minimum code size 2, one tiny block
    gif += ';';
    return gif;
}

// A 24-bit bitmap header declaring width x height pixels, and no pixels.
std::string BmpBomb(std::int32_t width, std::int32_t height) {
    std::string bmp = "BM";
    Put32(bmp, 54);
    Put32(bmp, 0);
    Put32(bmp, 54);
    Put32(bmp, 40);
    Put32(bmp, static_cast<std::uint32_t>(width));
    Put32(bmp, static_cast<std::uint32_t>(height));
    Put16(bmp, 1);
    Put16(bmp, 24);
    Put32(bmp, 0);
    Put32(bmp, 0);
    Put32(bmp, 2835);
    Put32(bmp, 2835);
    Put32(bmp, 0);
    Put32(bmp, 0);
    return bmp;
}

// The JPEG with its frame header saying 65535 x 65535.
std::string JpegBomb(std::string jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (static_cast<unsigned char>(jpeg[i + 1]) & 0xF0) == 0xC0 &&
            jpeg[i + 1] != '\xC4' && jpeg[i + 1] != '\xC8' && jpeg[i + 1] != '\xCC') {
            for (std::size_t k = i + 5; k < i + 9; ++k) jpeg[k] = '\xFF';
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header in the test JPEG");
}

// Flips the bits of every `step`-th byte from `first` on.
std::string Flipped(std::string bytes, std::size_t first, std::size_t step, unsigned char mask) {
    for (std::size_t i = first; i < bytes.size(); i += step) bytes[i] = static_cast<char>(bytes[i] ^ mask);
    return bytes;
}

// images.dat of `count` records, record 0 unused, titles "Photo n".
std::string PictureTexts(int count) {
    std::string file((count + 1) * picture_text::kRecordSize, '\0');
    for (int n = 1; n <= count; ++n) {
        const std::string title = "Photo " + std::to_string(n);
        const std::size_t at = n * picture_text::kRecordSize + picture_text::kTitleOffset;
        file[at] = static_cast<char>(title.size());
        file.replace(at + 1, title.size(), title);
    }
    return file;
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int n = 0; n < count; ++n) text += std::to_string(n) + "," + line + "\r\n";
    return text;
}

}  // namespace

std::vector<HostileFile> MakeHostileFiles(const fs::path& folder) {
    fs::create_directories(folder);
    std::vector<HostileFile> files;
    const auto add = [&](const std::string& name, Kind kind, const std::string& bytes, bool told = false) {
        WriteBytes(folder / name, bytes);
        files.push_back({name, kind, folder / name, {}, told});
    };
    const auto told = true;
    const std::string jpeg = EncodeJpegToMemory(testing::Quadrants(320, 240));
    const fs::path gifFile = folder / "good.gif";
    testing::WriteGif(gifFile, 80, 60, {{255, 0, 0}, {0, 255, 0}});
    const std::string gif = testing::ReadBytes(gifFile);
    testing::WriteBmp(folder / "good.bmp", testing::Quadrants(64, 48));
    const std::string bmp = testing::ReadBytes(folder / "good.bmp");

    // Pictures.
    add("good.jpg", Kind::Picture, jpeg);
    files.push_back({"good.gif", Kind::Picture, gifFile});
    files.push_back({"good.bmp", Kind::Picture, folder / "good.bmp"});
    add("cut-half.jpg", Kind::Picture, jpeg.substr(0, jpeg.size() / 2), told);
    add("cut-header.jpg", Kind::Picture, jpeg.substr(0, 20), told);
    add("flipped-header.jpg", Kind::Picture, Flipped(jpeg, 2, 37, 0x20), told);
    add("flipped-data.jpg", Kind::Picture, Flipped(jpeg, jpeg.size() / 3, 61, 0xFF), told);
    add("flipped-one-bit.jpg", Kind::Picture, Flipped(jpeg, jpeg.size() / 2, jpeg.size(), 0x01));
    add("bomb.jpg", Kind::Picture, JpegBomb(jpeg), told);
    add("bomb.gif", Kind::Picture, GifBomb(), told);
    add("bomb.bmp", Kind::Picture, BmpBomb(65535, 65535), told);
    add("bomb-top-down.bmp", Kind::Picture, BmpBomb(65535, -65535), told);
    add("cut.gif", Kind::Picture, gif.substr(0, gif.size() / 2), told);
    add("cut.bmp", Kind::Picture, bmp.substr(0, bmp.size() / 2), told);
    add("flipped.gif", Kind::Picture, Flipped(gif, 10, 7, 0x5A), told);
    add("flipped.bmp", Kind::Picture, Flipped(bmp, 2, 5, 0xFF), told);
    std::vector<testing::Rgb> colours;
    for (int n = 0; n < 1000; ++n)
        colours.push_back({static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n / 4), 90});
    testing::WriteGif(folder / "frames-1000.gif", 120, 90, colours);
    files.push_back({"frames-1000.gif", Kind::Picture, folder / "frames-1000.gif"});
    add("gif-named.jpg", Kind::Picture, gif, told);
    add("jpeg-named.bmp", Kind::Picture, jpeg);
    add("jpeg-named.gif", Kind::Picture, jpeg, told);
    add("text-named.jpg", Kind::Picture, "<html>not a picture</html>\r\n", told);
    add("empty.jpg", Kind::Picture, "", told);
    add("empty.gif", Kind::Picture, "", told);
    add("empty.bmp", Kind::Picture, "", told);
    const fs::path pipe = folder / "pipe.jpg";
    if (mkfifo(pipe.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe");
    files.push_back({"pipe.jpg", Kind::AddedOnly, pipe});
    files.push_back({"folder.jpg", Kind::AddedOnly, folder / "folder.jpg"});
    fs::create_directories(folder / "folder.jpg");

    // The project's picture texts.
    const std::string texts = PictureTexts(1);
    add("images.dat cut in a record", Kind::PictureTexts, texts.substr(0, texts.size() - 100));
    std::string impossible = texts;
    impossible[picture_text::kRecordSize + picture_text::kTitleOffset] = '\xFF';
    impossible[picture_text::kRecordSize + picture_text::kCommentOffset] = '\xFF';
    add("images.dat with impossible lengths", Kind::PictureTexts, impossible);
    add("images.dat of 9998 records", Kind::PictureTexts, PictureTexts(9998));
    add("images.dat empty", Kind::PictureTexts, "");
    add("images.dat of noise", Kind::PictureTexts, Flipped(std::string(5000, 'x'), 0, 3, 0xA5));

    // The project's settings.
    add("settings empty", Kind::Settings, "");
    add("settings of ten lines", Kind::Settings, Lines(10, "1"));
    add("settings of noise", Kind::Settings, Flipped(std::string(3000, '\n'), 0, 2, 0xF3));
    add("settings with a line of a megabyte", Kind::Settings, std::string(1 << 20, '9') + "\r\n");
    add("settings beyond the size bound", Kind::Settings, std::string((16u << 20) + 1, '\n'), told);
    files.push_back({"settings a folder", Kind::Settings, folder / "settings-folder", {}, told});
    fs::create_directories(folder / "settings-folder");

    // The language file.
    add("language file empty", Kind::LanguageFile, "", told);
    add("language file cut", Kind::LanguageFile, Lines(40, "texte"));
    add("language file of noise", Kind::LanguageFile, Flipped(std::string(20000, ','), 0, 3, 0x9C), told);
    files.push_back({"language file a folder", Kind::LanguageFile, folder / "language-folder", {}, told});
    fs::create_directories(folder / "language-folder");

    // Special files named by settings: headers and footers, the stamp, backgrounds.
    const fs::path settingsPipe = folder / "setting-pipe";
    if (mkfifo(settingsPipe.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe");
    const std::vector<std::pair<std::string, std::vector<SettingLine>>> uses{
        {"header and footer",
         {SettingLine::SummaryTopHtml, SettingLine::GalleryBottomHtml, SettingLine::PictureTopHtml}},
        {"stamp", {SettingLine::CopyrightPicture}},
        {"backgrounds", {SettingLine::PicturePageBackgroundPicture, SettingLine::SummaryTableBackgroundPicture}},
    };
    for (const auto& [use, lines] : uses) {
        for (const auto& [what, path] : {std::pair{"/dev/zero", fs::path("/dev/zero")}, std::pair{"a folder", folder},
                                         std::pair{"a pipe", settingsPipe}}) {
            // A background that cannot be copied is referred to all the same, as a missing one is.
            files.push_back({use + " " + what, Kind::SettingPath, path, lines, use != "backgrounds"});
        }
    }
    return files;
}

}  // namespace palimora::corpus
