#include "imaging/WebClip.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "imaging/ClipCopy.h"
#include "imaging/ClipStreams.h"
#include "imaging/Fitting.h"
#include "imaging/ImageError.h"
#include "imaging/VideoClip.h"

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <memory>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
namespace {

constexpr int kAudioRate = 48000;
constexpr int kAudioBitRate = 128000;

template <typename T, void (*Free)(T**)>
struct Freed {
    void operator()(T* p) const { Free(&p); }
};
using FramePtr = std::unique_ptr<AVFrame, Freed<AVFrame, av_frame_free>>;
using PacketPtr = std::unique_ptr<AVPacket, Freed<AVPacket, av_packet_free>>;
using CodecPtr = std::unique_ptr<AVCodecContext, Freed<AVCodecContext, avcodec_free_context>>;
using ResamplerPtr = std::unique_ptr<SwrContext, Freed<SwrContext, swr_free>>;
struct FreeScaler {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};
struct FreeFifo {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

void Check(int result, const char* what) {
    if (result < 0) throw PalimoraError(std::string(what) + ": " + ClipErrorText(result));
}

// Turns a planar picture a quarter, half or three quarters clockwise into `to`.
void RotatePlane(const std::uint8_t* from, int fromStride, int width, int height, std::uint8_t* to, int toStride,
                 int rotation) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int tx = x, ty = y;
            if (rotation == 90) tx = height - 1 - y, ty = x;
            if (rotation == 180) tx = width - 1 - x, ty = height - 1 - y;
            if (rotation == 270) tx = y, ty = width - 1 - x;
            to[ty * toStride + tx] = from[y * fromStride + x];
        }
    }
}

// Sends frames to an encoder and its packets to the output.
void Encode(AVCodecContext* encoder, const AVFrame* frame, AVStream* stream, ClipOutput& output, AVPacket* packet) {
    Check(avcodec_send_frame(encoder, frame), "encoder");
    while (avcodec_receive_packet(encoder, packet) >= 0) {
        av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        output.Write(packet);
    }
}

ClipSize EncodedSize(const ClipFacts& facts, int longestSide) {
    int width = facts.width, height = facts.height;
    if (longestSide > 0 && std::max(width, height) > longestSide) {
        const Placement fitted = FitInBox(width, height, longestSide, longestSide);
        width = fitted.width, height = fitted.height;
    }
    return {std::max(2, width & ~1), std::max(2, height & ~1)};  // 4:2:0 wants even sides
}

class ClipEncoder {
public:
    ClipEncoder(const fs::path& source, const fs::path& target, int longestSide)
        : input_(source), decoder_(input_), output_(target) {
        rotation_ = input_.Rotation();
        const AVCodecContext& stored = *decoder_.Codec();
        const bool swapped = rotation_ == 90 || rotation_ == 270;
        ClipFacts shown;
        shown.width = swapped ? stored.height : stored.width;
        shown.height = swapped ? stored.width : stored.height;
        const ClipSize size = EncodedSize(shown, longestSide);
        width_ = size.width, height_ = size.height;
        OpenVideo(stored);
        if (input_.Audio()) OpenAudio(*input_.Audio());
        AVDictionary* options = nullptr;
        av_dict_set(&options, "movflags", "+faststart", 0);
        try {
            output_.Begin(&options);
        } catch (...) {
            av_dict_free(&options);
            throw;
        }
        av_dict_free(&options);
    }

    WebClipResult Run(const ClipProgress& progress, bool& finished) {
        const double seconds = std::max(0.001, input_.Seconds());
        PacketPtr packet(av_packet_alloc());
        FramePtr frame(av_frame_alloc());
        while (av_read_frame(input_.Context(), packet.get()) >= 0) {
            if (packet->stream_index == input_.VideoIndex()) {
                // Packets come in decoding order, their times out of order: the share only grows.
                const std::int64_t when = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
                if (when != AV_NOPTS_VALUE) done_ = std::max(done_, when * av_q2d(input_.Video().time_base) / seconds);
                if (progress && !progress(std::clamp(done_, 0.0, 1.0))) {
                    finished = false;
                    return {};
                }
                Check(avcodec_send_packet(decoder_.Codec(), packet.get()), "decoder");
                DrainVideo(frame.get());
            } else if (audioDecoder_ && packet->stream_index == input_.AudioIndex()) {
                if (avcodec_send_packet(audioDecoder_.get(), packet.get()) >= 0) DrainAudio(frame.get());
            }
            av_packet_unref(packet.get());
        }
        avcodec_send_packet(decoder_.Codec(), nullptr);
        DrainVideo(frame.get());
        Encode(video_.get(), nullptr, videoStream_, output_, packet_.get());
        if (audioDecoder_) {
            avcodec_send_packet(audioDecoder_.get(), nullptr);
            DrainAudio(frame.get());
            SendAudio(true);
            Encode(audio_.get(), nullptr, audioStream_, output_, packet_.get());
        }
        output_.Finish();
        finished = true;
        return {true, width_, height_};
    }

private:
    void OpenVideo(const AVCodecContext& stored) {
        const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
        if (!h264) h264 = avcodec_find_encoder(AV_CODEC_ID_H264);
        if (!h264) throw PalimoraError("no H.264 encoder");
        video_.reset(avcodec_alloc_context3(h264));
        video_->width = width_;
        video_->height = height_;
        video_->pix_fmt = AV_PIX_FMT_YUV420P;
        AVRational rate = input_.Video().avg_frame_rate;
        if (rate.num <= 0 || rate.den <= 0) rate = {30, 1};
        video_->framerate = rate;
        video_->time_base = input_.Video().time_base;
        video_->sample_aspect_ratio = {1, 1};
        video_->thread_count = 0;  // as many as the cores it may use
        if (output_.Context()->oformat->flags & AVFMT_GLOBALHEADER) video_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        av_opt_set(video_->priv_data, "preset", "medium", 0);
        av_opt_set(video_->priv_data, "crf", "23", 0);
        av_opt_set(video_->priv_data, "profile", "high", 0);
        Check(avcodec_open2(video_.get(), h264, nullptr), "H.264 encoder");
        videoStream_ = output_.StreamOf(*video_);
        const bool swapped = rotation_ == 90 || rotation_ == 270;
        scaledWidth_ = swapped ? height_ : width_;
        scaledHeight_ = swapped ? width_ : height_;
        scaler_.reset(sws_getContext(stored.width, stored.height, stored.pix_fmt, scaledWidth_, scaledHeight_,
                                     AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
        if (!scaler_) throw PalimoraError("no scaling of the clip's frames");
        scaled_.reset(av_frame_alloc());
        upright_.reset(av_frame_alloc());
        for (auto* picture : {scaled_.get(), upright_.get()}) picture->format = AV_PIX_FMT_YUV420P;
        scaled_->width = scaledWidth_, scaled_->height = scaledHeight_;
        upright_->width = width_, upright_->height = height_;
        Check(av_frame_get_buffer(scaled_.get(), 0), "frame");
        Check(av_frame_get_buffer(upright_.get(), 0), "frame");
        packet_.reset(av_packet_alloc());
    }

    void OpenAudio(const AVStream& stream) {
        const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
        if (!decoder) return;  // a sound the libraries cannot decode: the clip goes silent
        audioDecoder_.reset(avcodec_alloc_context3(decoder));
        if (avcodec_parameters_to_context(audioDecoder_.get(), stream.codecpar) < 0 ||
            avcodec_open2(audioDecoder_.get(), decoder, nullptr) < 0) {
            audioDecoder_.reset();
            return;
        }
        const AVCodec* aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
        audio_.reset(avcodec_alloc_context3(aac));
        audio_->sample_fmt = AV_SAMPLE_FMT_FLTP;
        audio_->sample_rate = kAudioRate;
        av_channel_layout_default(&audio_->ch_layout, 2);
        audio_->bit_rate = kAudioBitRate;
        audio_->time_base = {1, kAudioRate};
        if (output_.Context()->oformat->flags & AVFMT_GLOBALHEADER) audio_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        Check(avcodec_open2(audio_.get(), aac, nullptr), "AAC encoder");
        audioStream_ = output_.StreamOf(*audio_);
        SwrContext* resampler = nullptr;
        Check(swr_alloc_set_opts2(&resampler, &audio_->ch_layout, audio_->sample_fmt, kAudioRate,
                                  &audioDecoder_->ch_layout, audioDecoder_->sample_fmt, audioDecoder_->sample_rate, 0,
                                  nullptr),
              "resampler");
        resampler_.reset(resampler);
        Check(swr_init(resampler_.get()), "resampler");
        fifo_.reset(av_audio_fifo_alloc(audio_->sample_fmt, 2, audio_->frame_size * 4));
        if (!fifo_) throw ImageError(ImageError::Kind::TooLarge, "out of memory");
    }

    void DrainVideo(AVFrame* frame) {
        while (avcodec_receive_frame(decoder_.Codec(), frame) >= 0) {
            Check(av_frame_make_writable(scaled_.get()), "frame");
            sws_scale(scaler_.get(), frame->data, frame->linesize, 0, frame->height, scaled_->data, scaled_->linesize);
            AVFrame* out = scaled_.get();
            if (rotation_ != 0) {
                Check(av_frame_make_writable(upright_.get()), "frame");
                for (int plane = 0; plane < 3; ++plane) {
                    const int shift = plane == 0 ? 0 : 1;
                    RotatePlane(scaled_->data[plane], scaled_->linesize[plane], scaledWidth_ >> shift,
                                scaledHeight_ >> shift, upright_->data[plane], upright_->linesize[plane], rotation_);
                }
                out = upright_.get();
            }
            out->pts = frame->best_effort_timestamp;
            Encode(video_.get(), out, videoStream_, output_, packet_.get());
            av_frame_unref(frame);
        }
    }

    void DrainAudio(AVFrame* frame) {
        while (avcodec_receive_frame(audioDecoder_.get(), frame) >= 0) {
            const int room = swr_get_out_samples(resampler_.get(), frame->nb_samples);
            FramePtr converted(av_frame_alloc());
            converted->format = audio_->sample_fmt;
            converted->sample_rate = kAudioRate;
            Check(av_channel_layout_copy(&converted->ch_layout, &audio_->ch_layout), "audio");
            converted->nb_samples = std::max(room, 1);
            Check(av_frame_get_buffer(converted.get(), 0), "audio");
            const int made = swr_convert(resampler_.get(), converted->data, room,
                                         const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
            if (made > 0) av_audio_fifo_write(fifo_.get(), reinterpret_cast<void**>(converted->data), made);
            av_frame_unref(frame);
            SendAudio(false);
        }
    }

    // Cuts the sound waiting into the encoder's frames; at the end, the last short one too.
    void SendAudio(bool last) {
        const int size = audio_->frame_size > 0 ? audio_->frame_size : 1024;
        while (av_audio_fifo_size(fifo_.get()) >= size || (last && av_audio_fifo_size(fifo_.get()) > 0)) {
            FramePtr frame(av_frame_alloc());
            frame->nb_samples = std::min(size, av_audio_fifo_size(fifo_.get()));
            frame->format = audio_->sample_fmt;
            frame->sample_rate = kAudioRate;
            Check(av_channel_layout_copy(&frame->ch_layout, &audio_->ch_layout), "audio");
            Check(av_frame_get_buffer(frame.get(), 0), "audio");
            av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(frame->data), frame->nb_samples);
            frame->pts = audioSamples_;
            audioSamples_ += frame->nb_samples;
            Encode(audio_.get(), frame.get(), audioStream_, output_, packet_.get());
        }
    }

    ClipInput input_;
    VideoDecoder decoder_;
    ClipOutput output_;
    int rotation_ = 0;
    int width_ = 0, height_ = 0;              // what is encoded: upright
    int scaledWidth_ = 0, scaledHeight_ = 0;  // the stored frames scaled, before the turn
    CodecPtr video_, audio_, audioDecoder_;
    AVStream* videoStream_ = nullptr;
    AVStream* audioStream_ = nullptr;
    std::unique_ptr<SwsContext, FreeScaler> scaler_;
    ResamplerPtr resampler_;
    std::unique_ptr<AVAudioFifo, FreeFifo> fifo_;
    FramePtr scaled_, upright_;
    PacketPtr packet_;
    std::int64_t audioSamples_ = 0;
    double done_ = 0;  // the share of the clip read
};

bool PlaysAsItIs(const ClipFacts& facts, int longestSide) {
    const bool sizeFits = longestSide <= 0 || std::max(facts.width, facts.height) <= longestSide;
    return sizeFits && facts.videoCodec == "h264" && (facts.audioCodec.empty() || facts.audioCodec == "aac");
}

}  // namespace

ClipSize WebClipSize(const ClipFacts& facts, int longestSide) {
    return PlaysAsItIs(facts, longestSide) ? ClipSize{facts.width, facts.height} : EncodedSize(facts, longestSide);
}

WebClipResult MakeWebClip(const fs::path& source, const fs::path& target, int longestSide, const ClipProgress& progress,
                          bool& finished) {
    const ClipFacts facts = ReadClipFacts(source);
    const fs::path part = target.parent_path() / (target.stem().string() + ".part.mp4");
    WebClipResult result{false, facts.width, facts.height};
    finished = true;
    if (PlaysAsItIs(facts, longestSide)) {
        RemuxForWeb(source, part);
    } else {
        ClipEncoder encoder(source, part, longestSide);
        result = encoder.Run(progress, finished);
        if (!finished) return {};
    }
    std::error_code error;
    fs::rename(part, target, error);
    if (error) {
        fs::remove(part, error);
        throw PalimoraError(Cp1252FromPath(target) + ": " + error.message());
    }
    return result;
}

}  // namespace palimora
