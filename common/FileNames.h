#pragma once

#include <string>
#include <string_view>

namespace palimora {

// The extension of a file name, its dot included; empty when it has none.
std::string ExtensionOf(std::string_view fileName);
// The same in upper case, as extensions are compared (".JPG", ".GIFF").
std::string UpperExtensionOf(std::string_view fileName);
std::string LowerExtensionOf(std::string_view fileName);
// The file name without its extension.
std::string BaseName(std::string_view fileName);

}  // namespace palimora
