#include "common/FileNames.h"

#include <algorithm>
#include <cctype>

namespace palimora {
namespace {

template <typename Change>
std::string Transformed(std::string text, Change change) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [&](unsigned char c) { return static_cast<char>(change(c)); });
    return text;
}

}  // namespace

std::string ExtensionOf(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string BaseName(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.size() - ExtensionOf(fileName).size()));
}

std::string UpperExtensionOf(std::string_view fileName) {
    return Transformed(ExtensionOf(fileName), [](unsigned char c) { return std::toupper(c); });
}

std::string LowerExtensionOf(std::string_view fileName) {
    return Transformed(ExtensionOf(fileName), [](unsigned char c) { return std::tolower(c); });
}

}  // namespace palimora
