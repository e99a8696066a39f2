#include "imaging/JpegCodec.h"

#include "common/TextLines.h"
#include "imaging/ColourProfile.h"
#include "imaging/ImageError.h"
#include "imaging/Orientation.h"
#include "imaging/Resize.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace palimora {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; it jumps back to the decoding function with the message kept.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void OnFatalError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    // A file that ends early is filled with grey by the decoder; a picture
    // shown half grey is a damaged picture, so it counts as an error.
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForReading(const std::filesystem::path& file) {
    RequireOrdinaryPicture(file);
    File handle(std::fopen(file.c_str(), "rb"));
    if (!handle) throw ImageError(ImageError::Kind::Unreadable, "cannot open " + file.string());
    return handle;
}

ErrorManager* InstallErrors(jpeg_decompress_struct& info, ErrorManager& errors) {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.emit_message = OnMessage;
    errors.message[0] = '\0';
    errors.truncated = false;
    return &errors;
}

// The smallest of libjpeg's scalings n/8 whose output still covers the wanted size.
unsigned ScaleNumerator(int width, int height, int wantedWidth, int wantedHeight) {
    if (wantedWidth <= 0 && wantedHeight <= 0) return 8;
    for (unsigned n = 1; n < 8; ++n) {
        const long long w = (static_cast<long long>(width) * n + 7) / 8;
        const long long h = (static_cast<long long>(height) * n + 7) / 8;
        if (w >= wantedWidth && h >= wantedHeight) return n;
    }
    return 8;
}

// CMYK to RGB. Files with Adobe's marker store the inks inverted (255 for
// none), the others as they are.
void InksToRgb(const JSAMPLE* inks, bool inverted, int width, std::uint8_t* rgb) {
    for (int x = 0; x < width; ++x, inks += 4, rgb += 3) {
        const unsigned black = inverted ? inks[3] : 255u - inks[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = inverted ? inks[c] : 255u - inks[c];
            rgb[c] = static_cast<std::uint8_t>((ink * black + 127) / 255);
        }
    }
}

// What the header says about how to show the pixels.
struct ShowingHints {
    int orientation = kUpright;
    std::vector<std::uint8_t> profile;
};

void KeepShowingMarkers(jpeg_decompress_struct& info) {
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);  // EXIF
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);  // ICC profile chunks
}

int OrientationOfHeader(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1 && marker->data_length >= 6 &&
            std::memcmp(marker->data, "Exif\0\0", 6) == 0) {
            return ExifOrientation(marker->data, marker->data_length);
        }
    }
    return kUpright;
}

// Reads the hints after jpeg_read_header; called inside the setjmp frame,
// so the profile libjpeg allocates is copied and freed at once.
void ReadShowingHints(jpeg_decompress_struct& info, ShowingHints& hints) {
    hints.orientation = OrientationOfHeader(info);
    JOCTET* profile = nullptr;
    unsigned int length = 0;
    if (jpeg_read_icc_profile(&info, &profile, &length) && profile) {
        hints.profile.assign(profile, profile + length);
        std::free(profile);
    }
}

// Decodes inside one frame of setjmp: nothing with a destructor lives here.
// Returns false with errors.message set when libjpeg gave up.
bool DecodeInto(std::FILE* file, ErrorManager& errors, int wantedWidth, int wantedHeight, Image& out,
                ShowingHints& hints, std::string& failure) {
    jpeg_decompress_struct info;
    InstallErrors(info, errors);
    if (setjmp(errors.jump)) {
        // libjpeg asks for room beyond its share of the budget (a progressive
        // picture holds all its coefficients, whatever the output size).
        const int code = errors.base.msg_code;
        if (code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY || code == JERR_TFILE_CREATE)
            failure = "too large";
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    KeepShowingMarkers(info);
    jpeg_read_header(&info, TRUE);
    ReadShowingHints(info, hints);
    const bool swapped = SwapsSides(hints.orientation);  // the wanted size is as seen
    if (static_cast<long long>(info.image_width) * info.image_height > kMaxPicturePixels) {
        failure = "too large";
        out.width = static_cast<int>(info.image_width);
        out.height = static_cast<int>(info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Four-channel pictures come out as CMYK, turned into RGB row by row.
    const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = inks ? JCS_CMYK : JCS_RGB;
    info.scale_num = ScaleNumerator(static_cast<int>(info.image_width), static_cast<int>(info.image_height),
                                    swapped ? wantedHeight : wantedWidth, swapped ? wantedWidth : wantedHeight);
    info.scale_denom = 8;
    info.dct_method = JDCT_ISLOW;
    jpeg_calc_output_dimensions(&info);
    // The pixels and libjpeg's buffers share one picture's budget; what cannot fit is refused before decoding.
    const std::size_t outputBytes = static_cast<std::size_t>(info.output_width) * info.output_height * 3;
    if (outputBytes > kPictureMemoryBudget) {
        failure = "too large";
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.mem->max_memory_to_use = static_cast<long>(kPictureMemoryBudget - outputBytes);
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    JSAMPARRAY inkRow =
        inks ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1)
             : nullptr;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW row = inks ? inkRow[0] : out.Row(y);
        jpeg_read_scanlines(&info, &row, 1);
        if (inks) InksToRgb(inkRow[0], info.saw_Adobe_marker != 0, out.width, out.Row(y));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

PictureSize ReadJpegSize(const std::filesystem::path& file) {
    File handle = OpenForReading(file);
    ErrorManager errors;
    jpeg_decompress_struct info;
    InstallErrors(info, errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        throw ImageError(ImageError::Kind::Unreadable, std::string("JPEG: ") + errors.message);
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, handle.get());
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    PictureSize size{static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
    if (SwapsSides(OrientationOfHeader(info))) std::swap(size.width, size.height);
    jpeg_destroy_decompress(&info);
    return size;
}

StoredJpeg DecodeStoredJpeg(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    File handle = OpenForReading(file);
    ErrorManager errors;
    Image image;
    std::string failure;
    ShowingHints hints;
    if (!DecodeInto(handle.get(), errors, wantedWidth, wantedHeight, image, hints, failure)) {
        if (failure == "too large") {
            throw ImageError(ImageError::Kind::TooLarge, "JPEG: beyond one picture's memory" +
                                                             (image.width ? ": " + std::to_string(image.width) + " x " +
                                                                                std::to_string(image.height)
                                                                          : std::string()));
        }
        throw ImageError(ImageError::Kind::Unreadable, std::string("JPEG: ") + errors.message);
    }
    if (errors.truncated) throw ImageError(ImageError::Kind::Unreadable, "JPEG: the file ends before the picture");
    return {std::move(image), hints.orientation, std::move(hints.profile)};
}

Image DecodeJpeg(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    StoredJpeg stored = DecodeStoredJpeg(file, wantedWidth, wantedHeight);
    ConvertToSrgb(stored.pixels, stored.profile);
    return Oriented(std::move(stored.pixels), stored.orientation);
}

namespace {

Image ShownFrom(Image stored, const StoredJpeg& jpeg) {
    ConvertToSrgb(stored, jpeg.profile);
    return Oriented(std::move(stored), jpeg.orientation);
}

// `seen` as the file stores it.
PictureSize StoredSize(PictureSize seen, int orientation) {
    return SwapsSides(orientation) ? PictureSize{seen.height, seen.width} : seen;
}

}  // namespace

Image StoredJpeg::Shown(PictureSize seen) const& {
    const PictureSize size = StoredSize(seen, orientation);
    return ShownFrom(Resize(pixels, size.width, size.height), *this);
}

Image StoredJpeg::Shown(PictureSize seen) && {
    const PictureSize size = StoredSize(seen, orientation);
    if (size.width == pixels.width && size.height == pixels.height) return ShownFrom(std::move(pixels), *this);
    return ShownFrom(Resize(pixels, size.width, size.height), *this);
}

namespace {

// Compresses inside one frame of setjmp, like DecodeInto, into memory that
// libjpeg allocates (*buffer, *size).
bool CompressInto(unsigned char** buffer, unsigned long* size, ErrorManager& errors, const Image& image, int top,
                  int rows, int quality) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(rows);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.Row(top + static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::string EncodeJpegToMemory(const Image& image, int quality) {
    return EncodeJpegRowsToMemory(image, 0, image.height, quality);
}

std::string EncodeJpegRowsToMemory(const Image& image, int top, int bottom, int quality) {
    ErrorManager errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = CompressInto(&buffer, &size, errors, image, top, bottom - top, quality);
    std::string bytes(encoded && buffer ? reinterpret_cast<const char*>(buffer) : "", encoded ? size : 0);
    std::free(buffer);
    if (!encoded) throw PalimoraError(std::string("JPEG: ") + errors.message);
    return bytes;
}

void EncodeJpeg(const Image& image, const std::filesystem::path& file, int quality) {
    WriteFileAtomically(file, EncodeJpegToMemory(image, quality));
}

}  // namespace palimora
