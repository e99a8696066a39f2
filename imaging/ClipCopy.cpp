#include "imaging/ClipCopy.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "imaging/ClipStreams.h"
#include "imaging/ImageError.h"

#include <cstring>
#include <system_error>

namespace palimora {
namespace {

// An output container being written; removed unless Finish is reached.
class ClipOutput {
public:
    explicit ClipOutput(const std::filesystem::path& target) : target_(target) {
        const int made = avformat_alloc_output_context2(&context_, nullptr, nullptr, target.c_str());
        if (made < 0 || !context_) Fail(made);
    }
    ~ClipOutput() {
        if (context_ && !(context_->oformat->flags & AVFMT_NOFILE)) avio_closep(&context_->pb);
        avformat_free_context(context_);
        if (!finished_) {
            std::error_code ignored;
            std::filesystem::remove(target_, ignored);
        }
    }
    ClipOutput(const ClipOutput&) = delete;
    ClipOutput& operator=(const ClipOutput&) = delete;

    AVFormatContext* Context() const { return context_; }

    // A stream whose packets are those of `source`, as they are.
    AVStream* CopyOf(const AVStream& source) {
        AVStream* stream = avformat_new_stream(context_, nullptr);
        if (!stream) Fail(AVERROR(ENOMEM));
        Check(avcodec_parameters_copy(stream->codecpar, source.codecpar));
        stream->codecpar->codec_tag = 0;  // the container chooses its own
        stream->time_base = source.time_base;
        std::size_t size = 0;
        if (const std::uint8_t* matrix = av_stream_get_side_data(&source, AV_PKT_DATA_DISPLAYMATRIX, &size)) {
            std::uint8_t* kept = av_stream_new_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, size);
            if (kept) std::memcpy(kept, matrix, size);
        }
        return stream;
    }

    void Begin(AVDictionary** options = nullptr) {
        if (!(context_->oformat->flags & AVFMT_NOFILE))
            Check(avio_open(&context_->pb, target_.c_str(), AVIO_FLAG_WRITE));
        Check(avformat_write_header(context_, options));
    }
    void Write(AVPacket* packet) { Check(av_interleaved_write_frame(context_, packet)); }
    void Finish() {
        Check(av_write_trailer(context_));
        Check(avio_closep(&context_->pb));
        finished_ = true;
    }

    void Check(int result) const {
        if (result < 0) Fail(result);
    }
    [[noreturn]] void Fail(int result) const {
        throw PalimoraError(Cp1252FromPath(target_) + ": " + ClipErrorText(result));
    }

private:
    std::filesystem::path target_;
    AVFormatContext* context_ = nullptr;
    bool finished_ = false;
};

}  // namespace

void CopyClipWithoutMetadata(const std::filesystem::path& source, const std::filesystem::path& target) {
    ClipInput input(source);
    ClipOutput output(target);
    const int kept[] = {input.VideoIndex(), input.AudioIndex()};
    AVStream* streams[2] = {output.CopyOf(input.Video()), input.Audio() ? output.CopyOf(*input.Audio()) : nullptr};
    output.Begin();
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

}  // namespace palimora
