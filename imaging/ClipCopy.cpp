#include "imaging/ClipCopy.h"

#include "imaging/ClipStreams.h"
#include "imaging/ImageError.h"

namespace palimora {
namespace {

void Remux(const std::filesystem::path& source, const std::filesystem::path& target, AVDictionary** options) {
    ClipInput input(source);
    ClipOutput output(target);
    const int kept[] = {input.VideoIndex(), input.AudioIndex()};
    AVStream* streams[2] = {output.CopyOf(input.Video()), input.Audio() ? output.CopyOf(*input.Audio()) : nullptr};
    output.Begin(options);
    AVPacket* packet = av_packet_alloc();
    if (!packet) throw ImageError(ImageError::Kind::TooLarge, "out of memory");
    try {
        while (av_read_frame(input.Context(), packet) >= 0) {
            const int index = packet->stream_index == kept[0] ? 0 : packet->stream_index == kept[1] ? 1 : -1;
            if (index >= 0 && streams[index]) {
                av_packet_rescale_ts(packet, input.Context()->streams[packet->stream_index]->time_base,
                                     streams[index]->time_base);
                packet->stream_index = streams[index]->index;
                packet->pos = -1;
                output.Write(packet);
            }
            av_packet_unref(packet);
        }
        output.Finish();
    } catch (...) {
        av_packet_free(&packet);
        throw;
    }
    av_packet_free(&packet);
}

}  // namespace

void CopyClipWithoutMetadata(const std::filesystem::path& source, const std::filesystem::path& target) {
    Remux(source, target, nullptr);
}

void RemuxForWeb(const std::filesystem::path& source, const std::filesystem::path& target) {
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    try {
        Remux(source, target, &options);
    } catch (...) {
        av_dict_free(&options);
        throw;
    }
    av_dict_free(&options);
}

}  // namespace palimora
