#include "styles/VisitorExtras.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace palimora {

namespace {

constexpr const char* kSchemeWords[] = {"light", "dark", "follow"};

std::optional<bool> ReadSwitch(const std::string& value) {
    if (value == "1") return true;
    if (value == "0") return false;
    return std::nullopt;
}

std::optional<int> ReadNumber(const std::string& value) {
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    return number;
}

}  // namespace

VisitorExtras VisitorExtras::ForNewProjects() {
    VisitorExtras extras;
    extras.originalDownload = true;
    extras.galleryArchive = true;
    extras.slideshow = true;
    extras.scheme = ColourScheme::FollowVisitor;
    extras.feed = true;
    return extras;
}

VisitorExtras VisitorExtras::Read(const std::string& line) {
    VisitorExtras extras;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = word.substr(0, equals), value = word.substr(equals + 1);
        const std::pair<const char*, bool*> switches[] = {{"download", &extras.originalDownload},
                                                          {"zip", &extras.galleryArchive},
                                                          {"slideshow", &extras.slideshow},
                                                          {"facts", &extras.photoFacts},
                                                          {"feed", &extras.feed}};
        for (const auto& [name, target] : switches) {
            if (key == name) *target = ReadSwitch(value).value_or(false);
        }
        if (key == "seconds") {
            const int seconds = ReadNumber(value).value_or(kSlideSecondsDefault);
            extras.slideSeconds = std::clamp(seconds, kSlideSecondsMinimum, kSlideSecondsMaximum);
        }
        if (key == "scheme") {
            for (int i = 0; i < 3; ++i) {
                if (value == kSchemeWords[i]) extras.scheme = static_cast<ColourScheme>(i);
            }
        }
    }
    return extras;
}

std::string VisitorExtras::Write() const {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    return std::string("download=") + flag(originalDownload) + " zip=" + flag(galleryArchive) +
           " slideshow=" + flag(slideshow) + " seconds=" + std::to_string(slideSeconds) +
           " scheme=" + kSchemeWords[static_cast<int>(scheme)] + " facts=" + flag(photoFacts) + " feed=" + flag(feed);
}

}  // namespace palimora
