#pragma once

#include <libheif/heif.h>

namespace palimora {

// The functions of libheif the HEIF decoder calls.
#define PALIMORA_HEIF_FUNCTIONS(X)                  \
    X(heif_context_alloc)                           \
    X(heif_context_free)                            \
    X(heif_context_read_from_file)                  \
    X(heif_context_get_primary_image_handle)        \
    X(heif_image_handle_release)                    \
    X(heif_image_handle_get_width)                  \
    X(heif_image_handle_has_alpha_channel)          \
    X(heif_image_handle_get_height)                 \
    X(heif_image_handle_get_color_profile_type)     \
    X(heif_image_handle_get_raw_color_profile_size) \
    X(heif_image_handle_get_raw_color_profile)      \
    X(heif_decode_image)                            \
    X(heif_image_release)                           \
    X(heif_image_get_plane_readonly)                \
    X(heif_image_get_width)                         \
    X(heif_image_get_height)

// libheif, opened the first time a HEIF picture is decoded: loading it and
// the codecs it pulls in cost more than the rest of a start of the program,
// which most runs never need.
struct HeifLibrary {
#define PALIMORA_HEIF_POINTER(name) decltype(&::name) name = nullptr;
    PALIMORA_HEIF_FUNCTIONS(PALIMORA_HEIF_POINTER)
#undef PALIMORA_HEIF_POINTER
};

// The library, opened on the first call. Throws ImageError (unreadable)
// when it is not installed or lacks a function.
const HeifLibrary& Heif();

}  // namespace palimora
