#include "imaging/GifCodec.h"

#include "imaging/ImageError.h"

#include <algorithm>
#include <memory>
#include <string>

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

// Draws one frame onto the canvas, leaving its transparent pixels alone.
void DrawFrame(const SavedImage& frame, const ColorMapObject* globalMap, int transparent, Image& canvas) {
    const GifImageDesc& desc = frame.ImageDesc;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : globalMap;
    if (!map || !frame.RasterBits) return;
    for (int y = 0; y < desc.Height; ++y) {
        const int canvasY = desc.Top + y;
        if (canvasY < 0 || canvasY >= canvas.height) continue;
        for (int x = 0; x < desc.Width; ++x) {
            const int canvasX = desc.Left + x;
            if (canvasX < 0 || canvasX >= canvas.width) continue;
            const int index = frame.RasterBits[static_cast<std::size_t>(y) * desc.Width + x];
            if (index == transparent || index >= map->ColorCount) continue;
            const GifColorType colour = map->Colors[index];
            std::uint8_t* pixel = canvas.Row(canvasY) + canvasX * 3;
            pixel[0] = colour.Red;
            pixel[1] = colour.Green;
            pixel[2] = colour.Blue;
        }
    }
}

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

}  // namespace

GifPicture DecodeGif(const std::filesystem::path& file, bool firstFrameOnly) {
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(file.c_str(), &error));
    if (!gif) Fail(error);
    CheckPictureSize(gif->SWidth, gif->SHeight, "GIF");

    // A damaged file may still hold whole frames before the damage; they are
    // kept only when the first frame is whole.
    const bool slurped = DGifSlurp(gif.get()) == GIF_OK;
    const int frameCount = gif->ImageCount;
    if (frameCount == 0 || (!slurped && frameCount == 1)) Fail(slurped ? D_GIF_ERR_NO_IMAG_DSCR : gif->Error);

    GifPicture picture;
    picture.width = gif->SWidth;
    picture.height = gif->SHeight;
    GifColorType background{255, 255, 255};
    if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        background = gif->SColorMap->Colors[gif->SBackGroundColor];
    }
    Image canvas(picture.width, picture.height);
    canvas.Fill(background.Red, background.Green, background.Blue);
    // The last frame of a damaged file is cut; only whole frames are shown.
    const int usable = slurped ? frameCount : frameCount - 1;
    for (int i = 0; i < usable; ++i) {
        const SavedImage& frame = gif->SavedImages[i];
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif.get(), i, &control);
        const Image before = control.DisposalMode == DISPOSE_PREVIOUS ? canvas : Image();
        DrawFrame(frame, gif->SColorMap, control.TransparentColor, canvas);
        picture.frames.push_back(canvas);
        if (firstFrameOnly) break;
        if (control.DisposalMode == DISPOSE_BACKGROUND) ClearRectangle(frame.ImageDesc, background, canvas);
        if (control.DisposalMode == DISPOSE_PREVIOUS) canvas = before;
    }
    return picture;
}

}  // namespace palimora
