#include "imaging/HeifLibrary.h"

#include "imaging/ImageError.h"

#include <dlfcn.h>

#include <optional>

namespace palimora {

namespace {

// The soname of the libheif the program is built against.
constexpr const char* kLibraryName = "libheif.so.1";

std::optional<HeifLibrary> Open() {
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);  // kept open for the program's life
    if (!handle) return std::nullopt;
    HeifLibrary library;
    bool complete = true;
#define PALIMORA_HEIF_BIND(name)                                                   \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
    complete = complete && library.name != nullptr;
    PALIMORA_HEIF_FUNCTIONS(PALIMORA_HEIF_BIND)
#undef PALIMORA_HEIF_BIND
    if (!complete) return std::nullopt;
    return library;
}

}  // namespace

const HeifLibrary& Heif() {
    static const std::optional<HeifLibrary> library = Open();
    if (!library)
        throw ImageError(ImageError::Kind::Unreadable, std::string("HEIF: ") + kLibraryName + " cannot be opened");
    return *library;
}

}  // namespace palimora
