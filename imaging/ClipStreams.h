#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <filesystem>
#include <string>

namespace palimora {

// The libraries' words for an error code.
std::string ClipErrorText(int code);

// A clip opened for reading: its container, its best video stream and its
// first audio stream. Throws ImageError (Unreadable) when the file cannot be
// opened or holds no video stream with a decoder.
class ClipInput {
public:
    explicit ClipInput(const std::filesystem::path& file);
    ~ClipInput();
    ClipInput(const ClipInput&) = delete;
    ClipInput& operator=(const ClipInput&) = delete;

    AVFormatContext* Context() const { return context_; }
    const AVStream& Video() const { return *context_->streams[video_]; }
    int VideoIndex() const { return video_; }
    const AVStream* Audio() const { return audio_ < 0 ? nullptr : context_->streams[audio_]; }
    int AudioIndex() const { return audio_; }
    const AVCodec& VideoCodec() const { return *videoCodec_; }
    // Clockwise degrees the player turns the stored frames (the display matrix): 0, 90, 180 or 270.
    int Rotation() const;
    double Seconds() const;

private:
    AVFormatContext* context_ = nullptr;
    int video_ = -1;
    int audio_ = -1;
    const AVCodec* videoCodec_ = nullptr;
};

// Decodes the video stream of an input one frame at a time.
class VideoDecoder {
public:
    explicit VideoDecoder(ClipInput& input);
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // The next frame, valid until the next call; null at the end of the
    // stream. A damaged packet is skipped, as a player does.
    const AVFrame* NextFrame();
    // The frame's time from the stream's start, in seconds.
    double FrameSeconds(const AVFrame& frame) const;
    AVCodecContext* Codec() const { return codec_; }

private:
    bool ReceiveFrame();

    ClipInput& input_;
    AVCodecContext* codec_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    bool flushing_ = false;
};

// An output container being written to `target` (its extension names the
// container); the file is removed unless Finish is reached. Failures throw
// PalimoraError naming the target.
class ClipOutput {
public:
    explicit ClipOutput(const std::filesystem::path& target);
    ~ClipOutput();
    ClipOutput(const ClipOutput&) = delete;
    ClipOutput& operator=(const ClipOutput&) = delete;

    AVFormatContext* Context() const { return context_; }
    // A stream whose packets are those of `source`, as they are (its rotation kept).
    AVStream* CopyOf(const AVStream& source);
    // A stream for packets of `encoder`.
    AVStream* StreamOf(const AVCodecContext& encoder);
    void Begin(AVDictionary** options = nullptr);
    void Write(AVPacket* packet);
    void Finish();
    void Check(int result) const;
    [[noreturn]] void Fail(int result) const;

private:
    std::filesystem::path target_;
    AVFormatContext* context_ = nullptr;
    bool finished_ = false;
};

}  // namespace palimora
