#include "imaging/ColourProfile.h"
#include "imaging/HeifLibrary.h"
#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace palimora {

namespace {

struct ContextFreer {
    void operator()(heif_context* context) const { Heif().heif_context_free(context); }
};
struct HandleReleaser {
    void operator()(heif_image_handle* handle) const { Heif().heif_image_handle_release(handle); }
};
struct ImageReleaser {
    void operator()(heif_image* image) const { Heif().heif_image_release(image); }
};

void Check(const heif_error& error) {
    if (error.code != heif_error_Ok) {
        throw ImageError(ImageError::Kind::Unreadable, std::string("HEIF: ") + (error.message ? error.message : ""));
    }
}

std::vector<std::uint8_t> ProfileOf(const heif_image_handle* handle) {
    const heif_color_profile_type type = Heif().heif_image_handle_get_color_profile_type(handle);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC) return {};
    std::vector<std::uint8_t> profile(Heif().heif_image_handle_get_raw_color_profile_size(handle));
    if (profile.empty() || Heif().heif_image_handle_get_raw_color_profile(handle, profile.data()).code != heif_error_Ok)
        return {};
    return profile;
}

}  // namespace

Image DecodeHeif(const std::filesystem::path& file) {
    std::unique_ptr<heif_context, ContextFreer> context(Heif().heif_context_alloc());
    Check(Heif().heif_context_read_from_file(context.get(), file.c_str(), nullptr));
    heif_image_handle* primary = nullptr;
    Check(Heif().heif_context_get_primary_image_handle(context.get(), &primary));
    std::unique_ptr<heif_image_handle, HandleReleaser> handle(primary);
    // The size after the file's turns and mirrors, which decoding applies.
    // An opaque picture is decoded as RGB and copied row by row: its decoded
    // and its copied pixels and the decoder's passing planes come to some 6.2
    // bytes a pixel (bench/run-memory), so the cap leaves 6.5. One with
    // transparency is decoded as RGBA and laid on white: a byte more, and a
    // lower cap.
    const bool alpha = Heif().heif_image_handle_has_alpha_channel(handle.get()) != 0;
    CheckPictureSize(Heif().heif_image_handle_get_width(handle.get()),
                     Heif().heif_image_handle_get_height(handle.get()), "HEIF",
                     static_cast<long long>(kPictureMemoryBudget * 2 / (alpha ? 15 : 13)));
    heif_image* decoded = nullptr;
    Check(Heif().heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                                   alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr));
    std::unique_ptr<heif_image, ImageReleaser> pixels(decoded);
    int stride = 0;
    const std::uint8_t* plane = Heif().heif_image_get_plane_readonly(pixels.get(), heif_channel_interleaved, &stride);
    if (!plane) throw ImageError(ImageError::Kind::Unreadable, "HEIF: no pixels");
    const int width = Heif().heif_image_get_width(pixels.get(), heif_channel_interleaved);
    const int height = Heif().heif_image_get_height(pixels.get(), heif_channel_interleaved);
    Image image;
    if (alpha) {
        image = FlattenedOnWhite(plane, width, height, static_cast<std::size_t>(stride));
    } else {
        image = Image(width, height);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.Row(y), plane + static_cast<std::size_t>(y) * stride,
                        static_cast<std::size_t>(width) * 3);
    }
    pixels.reset();
    ConvertToSrgb(image, ProfileOf(handle.get()));
    return image;
}

}  // namespace palimora
