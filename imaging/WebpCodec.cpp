#include "common/TextLines.h"
#include "imaging/ColourProfile.h"
#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <webp/decode.h>
#include <webp/demux.h>

namespace palimora {

namespace {

std::vector<std::uint8_t> ProfileOf(const std::string& bytes) {
    const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    std::unique_ptr<WebPDemuxer, decltype(&WebPDemuxDelete)> demux(WebPDemux(&data), &WebPDemuxDelete);
    std::vector<std::uint8_t> profile;
    if (!demux) return profile;
    WebPChunkIterator chunk;
    if (WebPDemuxGetChunk(demux.get(), "ICCP", 1, &chunk)) {
        profile.assign(chunk.chunk.bytes, chunk.chunk.bytes + chunk.chunk.size);
        WebPDemuxReleaseChunkIterator(&chunk);
    }
    return profile;
}

}  // namespace

Image DecodeWebp(const std::filesystem::path& file) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(file, kMaxPictureFileBytes);
    } catch (const PalimoraError&) {
        throw ImageError(ImageError::Kind::Unreadable, "cannot open " + file.string());
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    int width = 0, height = 0;
    if (!WebPGetInfo(data, bytes.size(), &width, &height)) {
        throw ImageError(ImageError::Kind::Unreadable, "WebP: not a WebP picture");
    }
    CheckPictureSize(width, height, "WebP");
    std::unique_ptr<std::uint8_t, decltype(&WebPFree)> rgba(WebPDecodeRGBA(data, bytes.size(), &width, &height),
                                                            &WebPFree);
    if (!rgba) throw ImageError(ImageError::Kind::Unreadable, "WebP: damaged picture");
    Image image = FlattenedOnWhite(rgba.get(), width, height, static_cast<std::size_t>(width) * 4);
    ConvertToSrgb(image, ProfileOf(bytes));
    return image;
}

}  // namespace palimora
