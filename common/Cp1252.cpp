#include "common/Cp1252.h"

#include "common/Error.h"
#include "common/FailureTexts.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace palimora {
namespace {

// Code points of bytes 80..9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> ByteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// Decodes one UTF-8 sequence at `pos`, advancing it; nullopt when malformed.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || pos + length > text.size()) return std::nullopt;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

bool IsScalarValue(char32_t cp) { return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

// A character Windows-1252 has no byte for, but a reference can stand for.
bool IsReferable(char32_t cp) { return cp >= 0x100 && IsScalarValue(cp) && !ByteOf(cp); }

enum class Unstorable { NotUtf8, Control };

// UTF-8 to stored text; each character that cannot be stored is given to
// `unstorable`, which may throw, or answer the byte that stands for it.
template <typename OnUnstorable>
std::string Encode(std::string_view utf8, OnUnstorable unstorable) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp || !IsScalarValue(*cp)) {
            pos = start + 1;
            out += unstorable(Unstorable::NotUtf8, 0);
        } else if (const auto byte = ByteOf(*cp)) {
            out += static_cast<char>(*byte);
        } else if (IsReferable(*cp)) {
            out += "&#" + std::to_string(static_cast<unsigned long>(*cp)) + ";";
        } else {
            out += unstorable(Unstorable::Control, *cp);
        }
    }
    return out;
}

}  // namespace

Utf8Text Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8Text(std::string(utf8.begin(), utf8.end()));
}

Utf8Text Utf8FromCp1252(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (std::size_t pos = 0; pos < cp1252.size();) {
        if (const auto reference = ReferenceAt(cp1252, pos)) {
            AppendUtf8(out, reference->codePoint);
            pos += reference->length;
        } else {
            AppendUtf8(out, CodePointOf(static_cast<unsigned char>(cp1252[pos++])));
        }
    }
    return Utf8Text(std::move(out));
}

std::string Cp1252FromUtf8(const Utf8Text& text) {
    return Encode(text.Bytes(), [&text](Unstorable why, char32_t cp) -> char {
        if (why == Unstorable::NotUtf8) {
            throw PalimoraError(FailureText(Failure::NotUtf8) + " \"" + Cp1252ForDisplay(text) + "\".");
        }
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
        throw PalimoraError(FailureText(Failure::NotStorable) + " " + code + ".");
    });
}

bool IsStorableText(const Utf8Text& text) {
    bool storable = true;
    Encode(text.Bytes(), [&storable](Unstorable, char32_t) {
        storable = false;
        return '?';
    });
    return storable;
}

std::string Cp1252ForDisplay(const Utf8Text& text) {
    return Encode(text.Bytes(), [](Unstorable, char32_t) { return '?'; });
}

std::string DisplayPath(const std::filesystem::path& path) { return Cp1252ForDisplay(Utf8OfPath(path)); }

bool FitsCp1252(const Utf8Text& text) {
    const std::string_view utf8 = text.Bytes();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp || !ByteOf(*cp)) return false;
    }
    return true;
}

std::optional<CharacterReference> ReferenceAt(std::string_view text, std::size_t pos) {
    if (text.substr(pos, 2) != "&#" || pos + 2 >= text.size() || text[pos + 2] == '0') return std::nullopt;
    char32_t cp = 0;
    std::size_t end = pos + 2;
    for (; end < text.size() && end < pos + 10 && text[end] >= '0' && text[end] <= '9'; ++end) {
        cp = cp * 10 + static_cast<char32_t>(text[end] - '0');
    }
    if (end == pos + 2 || end >= text.size() || text[end] != ';' || !IsReferable(cp)) return std::nullopt;
    return CharacterReference{cp, end + 1 - pos};
}

std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    const auto reference = ReferenceAt(text, pos);
    return reference ? reference->length : 1;
}

bool HoldsReferences(std::string_view text) {
    for (std::size_t pos = text.find("&#"); pos != std::string_view::npos; pos = text.find("&#", pos + 1)) {
        if (ReferenceAt(text, pos)) return true;
    }
    return false;
}

std::string_view CutToBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    for (std::size_t next; end < text.size() && (next = end + CharacterLength(text, end)) <= maxBytes;) end = next;
    return text.substr(0, end);
}

std::filesystem::path PathFromCp1252(std::string_view cp1252) {
    const Utf8Text utf8 = Utf8FromCp1252(cp1252);
    return std::filesystem::path(std::u8string(utf8.Bytes().begin(), utf8.Bytes().end()));
}

std::string Cp1252FromPath(const std::filesystem::path& path) { return Cp1252FromUtf8(Utf8OfPath(path)); }

char Cp1252BaseLetter(char cp1252) {
    // Windows-1252's accented letters from 0xC0 on, each as its base letter.
    static constexpr std::string_view kBases = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    const auto byte = static_cast<unsigned char>(cp1252);
    if (byte >= 0xC0) return kBases[byte - 0xC0];
    if (byte == 0x8A || byte == 0x9A) return byte == 0x8A ? 'S' : 's';
    if (byte == 0x8E || byte == 0x9E) return byte == 0x8E ? 'Z' : 'z';
    return cp1252;
}

}  // namespace palimora
