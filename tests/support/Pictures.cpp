#include "tests/support/Pictures.h"

#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include <gif_lib.h>

namespace palimora::testing {

Image Plain(int width, int height, Rgb colour) {
    Image image(width, height);
    image.Fill(colour[0], colour[1], colour[2]);
    return image;
}

Image Quadrants(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            const Rgb colour =
                !bottom ? (right ? Rgb{0, 255, 0} : Rgb{255, 0, 0}) : (right ? Rgb{255, 255, 255} : Rgb{0, 0, 255});
            std::copy(colour.begin(), colour.end(), image.Row(y) + x * 3);
        }
    }
    return image;
}

Rgb PixelAt(const Image& image, int x, int y) {
    const std::uint8_t* p = image.Row(y) + x * 3;
    return {p[0], p[1], p[2]};
}

bool Near(const Rgb& a, const Rgb& b, int tolerance) {
    for (int i = 0; i < 3; ++i) {
        if (std::abs(a[i] - b[i]) > tolerance) return false;
    }
    return true;
}

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

void WriteBmp(const std::filesystem::path& file, const Image& image) {
    const unsigned rowBytes = (image.width * 3 + 3) & ~3u;
    const unsigned pixelBytes = rowBytes * image.height;
    std::string out = "BM";
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, image.width);
    Put32(out, image.height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.Row(y) + x * 3;
            row += static_cast<char>(p[2]);
            row += static_cast<char>(p[1]);
            row += static_cast<char>(p[0]);
        }
        row.resize(rowBytes, '\0');
        out += row;
    }
    WriteBytes(file, out);
}

void WriteGif(const std::filesystem::path& file, int width, int height, const std::vector<Rgb>& frameColours) {
    std::filesystem::create_directories(file.parent_path());
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
    if (!gif) throw std::runtime_error("cannot write test GIF");
    std::vector<GifColorType> colours(4, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < frameColours.size() && i < 4; ++i) {
        colours[i] = {frameColours[i][0], frameColours[i][1], frameColours[i][2]};
    }
    ColorMapObject* map = GifMakeMapObject(4, colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 2, 0, map);
    std::vector<GifPixelType> line(width);
    for (std::size_t frame = 0; frame < frameColours.size(); ++frame) {
        if (frameColours.size() > 1) {
            GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, NO_TRANSPARENT_COLOR};
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&control, extension);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
        }
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
        std::fill(line.begin(), line.end(), static_cast<GifPixelType>(frame % 4));
        for (int y = 0; y < height; ++y) EGifPutLine(gif, line.data(), width);
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}

void CutFile(const std::filesystem::path& file, std::size_t bytes) {
    std::string data = ReadBytes(file);
    data.resize(std::min(bytes, data.size()));
    WriteBytes(file, data);
}

std::filesystem::path WithXmpTexts(const std::filesystem::path& jpeg, const std::string& title,
                                   const std::string& description) {
    const auto alternative = [](const std::string& element, const std::string& text) {
        return "<dc:" + element + "><rdf:Alt><rdf:li xml:lang=\"x-default\">" + text +
               "</rdf:li></rdf:Alt></dc:" + element + ">";
    };
    std::string xmp = std::string("http://ns.adobe.com/xap/1.0/\0", 29) + "<x:xmpmeta>";
    if (!title.empty()) xmp += alternative("title", title);
    if (!description.empty()) xmp += alternative("description", description);
    xmp += "</x:xmpmeta>";
    const std::size_t length = xmp.size() + 2;
    const std::string bytes = ReadBytes(jpeg);
    WriteBytes(jpeg, bytes.substr(0, 2) + "\xFF\xE1" + static_cast<char>(length >> 8) +
                         static_cast<char>(length & 0xFF) + xmp + bytes.substr(2));
    return jpeg;
}

}  // namespace palimora::testing
