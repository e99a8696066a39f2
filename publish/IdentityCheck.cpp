#include "publish/IdentityCheck.h"

#include <cctype>

namespace palimora {

bool SameFingerprint(const std::string& a, const std::string& b) {
    // Hexadecimal ("AB:CD:...") in any letter case and with or without the
    // colons; base64 (SSH's "SHA256:...") exactly, with or without its prefix.
    const auto normal = [](std::string text) {
        if (text.size() > 7 && (text.compare(0, 7, "SHA256:") == 0 || text.compare(0, 7, "sha256:") == 0)) {
            text.erase(0, 7);
        }
        std::string hex;
        for (const char c : text) {
            if (c == ':') continue;
            if (!std::isxdigit(static_cast<unsigned char>(c))) return text;
            hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return hex;
    };
    const std::string left = normal(a);
    return !left.empty() && left == normal(b);
}

}  // namespace palimora
