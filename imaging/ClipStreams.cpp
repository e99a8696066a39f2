#include "imaging/ClipStreams.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "imaging/ImageError.h"

extern "C" {
#include <libavutil/display.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>

namespace palimora {
namespace {

constexpr int kMostDecoderThreads = 4;

}  // namespace

std::string ClipErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

ClipInput::ClipInput(const std::filesystem::path& file) {
    av_log_set_level(AV_LOG_QUIET);  // the libraries' own chatter would go to the terminal
    int result = avformat_open_input(&context_, file.c_str(), nullptr, nullptr);
    if (result < 0) throw ImageError(ImageError::Kind::Unreadable, ClipErrorText(result));
    result = avformat_find_stream_info(context_, nullptr);
    if (result >= 0) result = av_find_best_stream(context_, AVMEDIA_TYPE_VIDEO, -1, -1, &videoCodec_, 0);
    if (result < 0 || !videoCodec_) {
        avformat_close_input(&context_);
        throw ImageError(ImageError::Kind::Unreadable, result < 0 ? ClipErrorText(result) : "no video decoder");
    }
    video_ = result;
    audio_ = av_find_best_stream(context_, AVMEDIA_TYPE_AUDIO, -1, video_, nullptr, 0);
}

ClipInput::~ClipInput() { avformat_close_input(&context_); }

int ClipInput::Rotation() const {
    const auto* matrix =
        reinterpret_cast<const std::int32_t*>(av_stream_get_side_data(&Video(), AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix) return 0;
    // The matrix tells the anticlockwise turn; players turn the other way round.
    const long turn = std::lround(-av_display_rotation_get(matrix));
    return static_cast<int>(((turn % 360) + 360) % 360 / 90 * 90);
}

double ClipInput::Seconds() const {
    if (context_->duration > 0) return static_cast<double>(context_->duration) / AV_TIME_BASE;
    const AVStream& video = Video();
    return video.duration > 0 ? static_cast<double>(video.duration) * av_q2d(video.time_base) : 0;
}

VideoDecoder::VideoDecoder(ClipInput& input) : input_(input) {
    codec_ = avcodec_alloc_context3(&input.VideoCodec());
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    if (!codec_ || !packet_ || !frame_) throw ImageError(ImageError::Kind::TooLarge, "out of memory");
    int result = avcodec_parameters_to_context(codec_, input.Video().codecpar);
    // Frame threads each hold frames of their own: a few keep a 4K clip's
    // decoding fast and its memory bounded on a machine of many cores.
    codec_->thread_count =
        std::min(kMostDecoderThreads, std::max(1, static_cast<int>(std::thread::hardware_concurrency())));
    if (result >= 0) result = avcodec_open2(codec_, &input.VideoCodec(), nullptr);
    if (result < 0) {
        avcodec_free_context(&codec_);
        av_packet_free(&packet_);
        av_frame_free(&frame_);
        throw ImageError(ImageError::Kind::Unreadable, ClipErrorText(result));
    }
}

VideoDecoder::~VideoDecoder() {
    avcodec_free_context(&codec_);
    av_packet_free(&packet_);
    av_frame_free(&frame_);
}

bool VideoDecoder::ReceiveFrame() { return avcodec_receive_frame(codec_, frame_) >= 0; }

const AVFrame* VideoDecoder::NextFrame() {
    while (true) {
        if (ReceiveFrame()) return frame_;
        if (flushing_) return nullptr;
        const int read = av_read_frame(input_.Context(), packet_);
        if (read < 0) {
            flushing_ = true;
            avcodec_send_packet(codec_, nullptr);
            continue;
        }
        if (packet_->stream_index == input_.VideoIndex()) avcodec_send_packet(codec_, packet_);
        av_packet_unref(packet_);
    }
}

double VideoDecoder::FrameSeconds(const AVFrame& frame) const {
    const AVStream& video = input_.Video();
    const std::int64_t start = video.start_time == AV_NOPTS_VALUE ? 0 : video.start_time;
    const std::int64_t when = frame.best_effort_timestamp == AV_NOPTS_VALUE ? start : frame.best_effort_timestamp;
    return static_cast<double>(when - start) * av_q2d(video.time_base);
}

ClipOutput::ClipOutput(const std::filesystem::path& target) : target_(target) {
    const int made = avformat_alloc_output_context2(&context_, nullptr, nullptr, target.c_str());
    if (made < 0 || !context_) Fail(made < 0 ? made : AVERROR_MUXER_NOT_FOUND);
}

ClipOutput::~ClipOutput() {
    if (context_ && !(context_->oformat->flags & AVFMT_NOFILE)) avio_closep(&context_->pb);
    avformat_free_context(context_);
    if (!finished_) {
        std::error_code ignored;
        std::filesystem::remove(target_, ignored);
    }
}

AVStream* ClipOutput::CopyOf(const AVStream& source) {
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

AVStream* ClipOutput::StreamOf(const AVCodecContext& encoder) {
    AVStream* stream = avformat_new_stream(context_, nullptr);
    if (!stream) Fail(AVERROR(ENOMEM));
    Check(avcodec_parameters_from_context(stream->codecpar, &encoder));
    stream->time_base = encoder.time_base;
    return stream;
}

void ClipOutput::Begin(AVDictionary** options) {
    if (!(context_->oformat->flags & AVFMT_NOFILE)) Check(avio_open(&context_->pb, target_.c_str(), AVIO_FLAG_WRITE));
    Check(avformat_write_header(context_, options));
}

void ClipOutput::Write(AVPacket* packet) { Check(av_interleaved_write_frame(context_, packet)); }

void ClipOutput::Finish() {
    Check(av_write_trailer(context_));
    Check(avio_closep(&context_->pb));
    finished_ = true;
}

void ClipOutput::Check(int result) const {
    if (result < 0) Fail(result);
}

void ClipOutput::Fail(int result) const { throw PalimoraError(Cp1252FromPath(target_) + ": " + ClipErrorText(result)); }

}  // namespace palimora
