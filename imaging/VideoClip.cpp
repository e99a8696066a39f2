#include "imaging/VideoClip.h"

#include "imaging/ClipStreams.h"
#include "imaging/Fitting.h"
#include "imaging/ImageError.h"
#include "imaging/Orientation.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace palimora {
namespace {

// A frame whose pixels average below this (of 255) is taken for black: the
// dark first frames many phones record before the picture comes.
constexpr int kBlackLevel = 24;
constexpr double kPosterSearchSeconds = 1.0;
constexpr int kRowAlignment = 64;

int Brightness(const Image& image) {
    if (image.rgb.empty()) return 0;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < image.rgb.size(); i += 7) sum += image.rgb[i];
    return static_cast<int>(sum / ((image.rgb.size() + 6) / 7));
}

// The EXIF orientation that turns the stored frames as the player does.
int OrientationOfRotation(int clockwise) {
    switch (clockwise) {
        case 90: return 6;
        case 180: return 3;
        case 270: return 8;
        default: return kUpright;
    }
}

// A decoded frame as RGB, reduced on the way to fit the stored box of the
// wanted size (sides swapped for a quarter turn).
Image ToRgb(const AVFrame& frame, int wantedWidth, int wantedHeight, int rotation) {
    int width = frame.width, height = frame.height;
    if (wantedWidth > 0 && wantedHeight > 0) {
        const bool swapped = rotation == 90 || rotation == 270;
        const Placement fitted =
            FitInBox(width, height, swapped ? wantedHeight : wantedWidth, swapped ? wantedWidth : wantedHeight);
        width = std::max(1, fitted.width);
        height = std::max(1, fitted.height);
    }
    SwsContext* scaler = sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), width,
                                        height, AV_PIX_FMT_RGB24, SWS_AREA, nullptr, nullptr, nullptr);
    if (!scaler) throw ImageError(ImageError::Kind::Unreadable, "no conversion of the clip's frames to RGB");
    // The scaler writes whole vectors, past the end of a row: it gets rows
    // of an aligned length with room after the last, copied out after.
    const int stride = (width * 3 + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * height + kRowAlignment);
    std::uint8_t* planes[4] = {rows.data(), nullptr, nullptr, nullptr};
    const int strides[4] = {stride, 0, 0, 0};
    sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, planes, strides);
    sws_freeContext(scaler);
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.Row(y), rows.data() + static_cast<std::size_t>(y) * stride,
                    static_cast<std::size_t>(width) * 3);
    return image;
}

}  // namespace

bool IsClipBytes(std::string_view bytes) {
    if (bytes.size() >= 8 && bytes.compare(4, 4, "ftyp") == 0) return true;
    return bytes.size() >= 4 && bytes.compare(0, 4, "\x1A\x45\xDF\xA3") == 0;
}

ClipFacts ReadClipFacts(const std::filesystem::path& file) {
    const ClipInput input(file);
    const AVStream& video = input.Video();
    ClipFacts facts;
    facts.rotation = input.Rotation();
    const bool swapped = facts.rotation == 90 || facts.rotation == 270;
    facts.width = swapped ? video.codecpar->height : video.codecpar->width;
    facts.height = swapped ? video.codecpar->width : video.codecpar->height;
    facts.seconds = input.Seconds();
    facts.videoCodec = avcodec_get_name(video.codecpar->codec_id);
    if (const AVStream* audio = input.Audio()) facts.audioCodec = avcodec_get_name(audio->codecpar->codec_id);
    if (const AVDictionaryEntry* title = av_dict_get(input.Context()->metadata, "title", nullptr, 0)) {
        facts.title = title->value;
    }
    return facts;
}

Image ClipPoster(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    ClipInput input(file);
    VideoDecoder decoder(input);
    Image poster;
    while (const AVFrame* frame = decoder.NextFrame()) {
        poster = ToRgb(*frame, wantedWidth, wantedHeight, input.Rotation());
        if (Brightness(poster) >= kBlackLevel || decoder.FrameSeconds(*frame) >= kPosterSearchSeconds) break;
    }
    if (poster.Empty()) throw ImageError(ImageError::Kind::Unreadable, "no frame of the clip can be decoded");
    return Oriented(std::move(poster), OrientationOfRotation(input.Rotation()));
}

void DrawPlayMark(Image& image) {
    const int side = std::min(image.width, image.height);
    if (side < 8) return;
    const double radius = side * 0.22;
    const double centreX = image.width / 2.0, centreY = image.height / 2.0;
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const double dx = x + 0.5 - centreX, dy = y + 0.5 - centreY;
            if (dx * dx + dy * dy > radius * radius) continue;
            // The triangle points right, its left side a little left of the centre.
            const double left = -radius * 0.35, right = radius * 0.55;
            const bool inTriangle =
                dx >= left && dx <= right && std::abs(dy) <= (right - dx) / (right - left) * radius * 0.5;
            for (int channel = 0; channel < 3; ++channel) {
                std::uint8_t& value = row[x * 3 + channel];
                value = inTriangle ? 255 : static_cast<std::uint8_t>(value * 2 / 5);
            }
        }
    }
}

}  // namespace palimora
