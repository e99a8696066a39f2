#include "imaging/GifCodec.h"

#include "imaging/ImageError.h"
#include "imaging/Resize.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <gif_lib.h>

namespace palimora {
namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};

[[noreturn]] void Fail(int code) {
    const char* text = GifErrorString(code);
    throw ImageError(ImageError::Kind::Unreadable, std::string("GIF: ") + (text ? text : "unreadable"));
}

[[noreturn]] void OutOfMemory() { throw ImageError(ImageError::Kind::TooLarge, "GIF: not enough memory"); }

// Walks a GIF's frames one at a time, holding no more than the current
// frame's description and one line of its pixels: every frame is either
// drawn line by line onto a canvas or skipped without being decompressed.
class FrameWalk {
public:
    explicit FrameWalk(const std::filesystem::path& file) {
        RequireOrdinaryPicture(file);
        int error = 0;
        gif_.reset(DGifOpenFileName(file.c_str(), &error));
        if (!gif_) Fail(error);
        CheckPictureSize(gif_->SWidth, gif_->SHeight, "GIF");
        if (gif_->SColorMap && gif_->SBackGroundColor < gif_->SColorMap->ColorCount) {
            background_ = gif_->SColorMap->Colors[gif_->SBackGroundColor];
        }
    }

    int Width() const { return gif_->SWidth; }
    int Height() const { return gif_->SHeight; }
    const GifColorType& Background() const { return background_; }
    // Where the file stopped being readable; 0 when it ended properly.
    int Error() const { return error_; }
    const GifImageDesc& Desc() const { return gif_->Image; }
    const GraphicsControlBlock& Control() const { return control_; }
    long long DescPixels() const { return static_cast<long long>(Desc().Width) * Desc().Height; }

    // Moves to the next frame's pixels. False at the end of the file or
    // where it is damaged.
    bool NextFrame() {
        control_ = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        // giflib keeps a description of every frame met; only the current one matters.
        GifFreeSavedImages(gif_.get());
        gif_->ImageCount = 0;
        for (;;) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(gif_.get(), &type) == GIF_ERROR) return Stop();
            if (type == TERMINATE_RECORD_TYPE) return false;
            if (type == IMAGE_DESC_RECORD_TYPE) {
                return DGifGetImageDesc(gif_.get()) == GIF_ERROR ? Stop() : true;
            }
            if (type == EXTENSION_RECORD_TYPE && !ReadExtension()) return Stop();
        }
    }

    // Reads past the frame's compressed data.
    bool Skip() {
        int codeSize = 0;
        GifByteType* block = nullptr;
        if (DGifGetCode(gif_.get(), &codeSize, &block) == GIF_ERROR) return Stop();
        while (block) {
            if (DGifGetCodeNext(gif_.get(), &block) == GIF_ERROR) return Stop();
        }
        return true;
    }

    // Decodes the frame onto the canvas, leaving its transparent pixels alone.
    bool Draw(Image& canvas) {
        const GifImageDesc& desc = Desc();
        if (desc.Width <= 0 || desc.Height <= 0) return Skip();
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif_->SColorMap;
        std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
        for (int row = 0; row < desc.Height; ++row) {
            if (DGifGetLine(gif_.get(), line.data(), desc.Width) == GIF_ERROR) return Stop();
            const int canvasY = desc.Top + (desc.Interlace ? InterlacedRow(row, desc.Height) : row);
            if (!map || canvasY < 0 || canvasY >= canvas.height) continue;
            for (int x = 0; x < desc.Width; ++x) {
                const int canvasX = desc.Left + x;
                const int index = line[static_cast<std::size_t>(x)];
                if (canvasX < 0 || canvasX >= canvas.width) continue;
                if (index == control_.TransparentColor || index >= map->ColorCount) continue;
                const GifColorType colour = map->Colors[index];
                std::uint8_t* pixel = canvas.Row(canvasY) + canvasX * 3;
                pixel[0] = colour.Red;
                pixel[1] = colour.Green;
                pixel[2] = colour.Blue;
            }
        }
        return true;
    }

private:
    bool Stop() {
        error_ = gif_->Error ? gif_->Error : D_GIF_ERR_READ_FAILED;
        return false;
    }

    bool ReadExtension() {
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif_.get(), &code, &block) == GIF_ERROR) return false;
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
            DGifExtensionToGCB(block[0], block + 1, &control_);
        }
        while (block) {
            if (DGifGetExtensionNext(gif_.get(), &block) == GIF_ERROR) return false;
        }
        return true;
    }

    // Interlaced frames store every 8th row from 0, every 8th from 4, every
    // 4th from 2, then every 2nd from 1.
    static int InterlacedRow(int row, int height) {
        static constexpr int kStart[] = {0, 4, 2, 1};
        static constexpr int kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            const int rows = height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
            if (row < rows) return kStart[pass] + row * kStep[pass];
            row -= rows;
        }
        return height;  // not reached for row < height
    }

    std::unique_ptr<GifFileType, GifCloser> gif_;
    GifColorType background_{255, 255, 255};
    GraphicsControlBlock control_{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    int error_ = 0;
};

void ClearRectangle(const GifImageDesc& desc, const GifColorType& background, Image& canvas) {
    for (int y = std::max(0, desc.Top); y < std::min(canvas.height, desc.Top + desc.Height); ++y) {
        for (int x = std::max(0, desc.Left); x < std::min(canvas.width, desc.Left + desc.Width); ++x) {
            std::uint8_t* pixel = canvas.Row(y) + x * 3;
            pixel[0] = background.Red;
            pixel[1] = background.Green;
            pixel[2] = background.Blue;
        }
    }
}

Image BlankCanvas(const FrameWalk& walk) {
    Image canvas(walk.Width(), walk.Height());
    canvas.Fill(walk.Background().Red, walk.Background().Green, walk.Background().Blue);
    return canvas;
}

// What decoding every frame would cost, found without decoding any: the
// whole frames and the pixels drawn (each frame at least a screen).
struct Survey {
    int width = 0;
    int height = 0;
    int frames = 0;
    long long pixels = 0;
};

Survey SurveyGif(const std::filesystem::path& file) {
    FrameWalk walk(file);
    Survey survey{walk.Width(), walk.Height(), 0, 0};
    const long long screen = static_cast<long long>(walk.Width()) * walk.Height();
    while (walk.NextFrame() && walk.Skip()) {
        ++survey.frames;
        survey.pixels += std::max(screen, walk.DescPixels());
    }
    if (survey.frames == 0) Fail(walk.Error() ? walk.Error() : D_GIF_ERR_NO_IMAG_DSCR);
    return survey;
}

GifPicture FirstFrame(const std::filesystem::path& file) {
    FrameWalk walk(file);
    GifPicture picture;
    picture.width = walk.Width();
    picture.height = walk.Height();
    if (!walk.NextFrame()) Fail(walk.Error() ? walk.Error() : D_GIF_ERR_NO_IMAG_DSCR);
    if (walk.DescPixels() > 0) CheckPictureSize(walk.Desc().Width, walk.Desc().Height, "GIF");
    picture.image = BlankCanvas(walk);
    if (!walk.Draw(picture.image)) Fail(walk.Error());
    picture.frames = 1;
    while (walk.NextFrame() && walk.Skip()) ++picture.frames;
    return picture;
}

// The size each frame takes in the strip.
struct FrameSize {
    int width = 0;
    int height = 0;
};

FrameSize StripFrameSize(const Survey& survey, int wantedWidth, int wantedHeight) {
    const double stripWidth = static_cast<double>(survey.width) * survey.frames;
    const double stripHeight = survey.height;
    double scale = 1.0;
    if (wantedWidth > 0 && wantedHeight > 0) {
        scale = std::min({scale, wantedWidth / stripWidth, wantedHeight / stripHeight});
    }
    scale = std::min(scale, std::sqrt(static_cast<double>(kMaxFilmstripPixels) / (stripWidth * stripHeight)));
    FrameSize size{std::max(1, static_cast<int>(std::ceil(survey.width * scale - 1e-9))),
                   std::max(1, static_cast<int>(std::ceil(survey.height * scale - 1e-9)))};
    // Frames a pixel wide: the height alone can keep the strip under the cap.
    const long long columns = static_cast<long long>(size.width) * survey.frames;
    if (columns * size.height > kMaxFilmstripPixels) {
        size.height = static_cast<int>(std::max(1LL, kMaxFilmstripPixels / columns));
    }
    return size;
}

GifPicture Filmstrip(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    const Survey survey = SurveyGif(file);
    // The strip is reduced frame by frame as it is read, never held at full size.
    CheckPictureSize(static_cast<long long>(survey.width) * survey.frames, survey.height, "GIF", kMaxPicturePixels);
    if (survey.pixels > kMaxPicturePixels) {
        throw ImageError(ImageError::Kind::TooLarge, "GIF: " + std::to_string(survey.frames) + " frames of " +
                                                         std::to_string(survey.pixels) + " pixels in all");
    }
    const FrameSize size = StripFrameSize(survey, wantedWidth, wantedHeight);
    const bool natural = size.width == survey.width && size.height == survey.height;

    GifPicture picture;
    picture.width = survey.width;
    picture.height = survey.height;
    picture.frames = survey.frames;
    picture.image = Image(size.width * survey.frames, size.height);
    FrameWalk walk(file);
    Image canvas = BlankCanvas(walk);
    Image before;
    for (int i = 0; i < survey.frames && walk.NextFrame(); ++i) {
        const GraphicsControlBlock control = walk.Control();
        if (control.DisposalMode == DISPOSE_PREVIOUS) before = canvas;
        if (!walk.Draw(canvas)) break;  // the file changed since it was counted
        picture.image.Paste(natural ? canvas : Resize(canvas, size.width, size.height), i * size.width, 0);
        if (control.DisposalMode == DISPOSE_BACKGROUND) ClearRectangle(walk.Desc(), walk.Background(), canvas);
        if (control.DisposalMode == DISPOSE_PREVIOUS) std::swap(canvas, before);
    }
    return picture;
}

}  // namespace

PictureSize ReadGifSize(const std::filesystem::path& file) {
    const FrameWalk walk(file);
    return {walk.Width(), walk.Height()};
}

GifPicture DecodeGif(const std::filesystem::path& file) {
    try {
        return FirstFrame(file);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    }
}

GifPicture DecodeGifFilmstrip(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    try {
        return Filmstrip(file, wantedWidth, wantedHeight);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    }
}

}  // namespace palimora
