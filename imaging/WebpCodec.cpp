#include "common/TextLines.h"
#include "imaging/ColourProfile.h"
#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <algorithm>
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
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(data, bytes.size(), &features) != VP8_STATUS_OK) {
        throw ImageError(ImageError::Kind::Unreadable, "WebP: not a WebP picture");
    }
    const int width = features.width, height = features.height;
    // Besides the file and the pixels it writes into ours, the decoder holds
    // some 5 bytes a pixel of its own for a lossless picture (a whole picture
    // of 32-bit pixels and more) and for a lossy picture's transparency
    // (measured by bench/run-memory); little for an opaque lossy picture.
    const bool lossy = features.format == 1;
    const long long ownBytesPerPixel = !lossy || features.has_alpha ? 5 : 0;
    const long long room = static_cast<long long>(kPictureMemoryBudget) - static_cast<long long>(bytes.size());
    CheckPictureSize(width, height, "WebP",
                     std::min(kMaxWholePicturePixels, room / (kRgbaDecodeBytesPerPixel + ownBytesPerPixel)));
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    std::vector<std::uint8_t> rgba(stride * static_cast<std::size_t>(height));
    if (!WebPDecodeRGBAInto(data, bytes.size(), rgba.data(), rgba.size(), static_cast<int>(stride))) {
        throw ImageError(ImageError::Kind::Unreadable, "WebP: damaged picture");
    }
    Image image = FlattenedOnWhite(std::move(rgba), width, height);
    ConvertToSrgb(image, ProfileOf(bytes));
    return image;
}

}  // namespace palimora
