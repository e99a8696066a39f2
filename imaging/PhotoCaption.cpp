#include "imaging/PhotoCaption.h"

#include "imaging/ImageError.h"
#include "imaging/JpegBlocks.h"
#include "imaging/PictureReader.h"
#include "imaging/VideoClip.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <system_error>

#include <libexif/exif-data.h>

namespace palimora {

namespace {

constexpr std::string_view kPhotoshopStart("Photoshop 3.0\0", 14);

int Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

bool IsUpperCase(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// A language tag given as the value rather than as the language of one
// ("x-default", "en", "en-US", "zh-Hant"), as some photo managers write it.
bool IsLanguageTag(std::string_view text) {
    if (text == "x-default") return true;
    const std::size_t dash = text.find('-');
    const std::string_view language = text.substr(0, dash);
    const auto lower = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    };
    if (language.size() < 2 || language.size() > 3 || !lower(language)) return false;
    if (dash == std::string_view::npos) return true;
    const std::string_view region = text.substr(dash + 1);
    const bool country =
        region.size() == 2 && std::all_of(region.begin(), region.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    const bool script = region.size() == 4 && region[0] >= 'A' && region[0] <= 'Z' && lower(region.substr(1));
    return country || script;
}

// Texts cameras and programs write where a person writes a caption: a
// placeholder is no caption, and the next source, or the file name, gives it.
bool IsPlaceholder(const std::string& text) {
    static constexpr std::array<std::string_view, 6> kPlaceholders = {
        "OLYMPUS DIGITAL CAMERA", "SONY DSC", "DIGITAL CAMERA", "default", "Untitled", "KODAK Digital Still Camera"};
    if (text.empty() || IsLanguageTag(text)) return true;
    if (std::find(kPlaceholders.begin(), kPlaceholders.end(), text) != kPlaceholders.end()) return true;
    // "KONICA MINOLTA DIGITAL CAMERA", "PENTAX DIGITAL CAMERA": a maker's name and the words.
    return IsUpperCase(text) && text.ends_with("DIGITAL CAMERA");
}

// The character a reference's name stands for: XML's five, and numbers in
// decimal or hexadecimal; nothing for another name or a number that is no
// character to show.
std::optional<std::uint32_t> ReferencedCharacter(std::string_view name) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kNamed) {
        if (name == entity) return static_cast<std::uint32_t>(character);
    }
    if (!name.starts_with('#') || name.size() < 2) return std::nullopt;
    const bool hexadecimal = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hexadecimal ? 2 : 1);
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hexadecimal ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
    if (code < 0x20 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    return code;
}

// A caption as the person typed it: the character references that XML and
// the programs writing HTML leave in it ("d&#39;&#233;t&#233;") decoded.
std::string Decoded(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        const auto character = end != std::string_view::npos && end - i <= 10
                                   ? ReferencedCharacter(text.substr(i + 1, end - i - 1))
                                   : std::nullopt;
        if (!character) {
            plain += text[i];
            continue;
        }
        AppendUtf8(plain, *character);
        i = end;
    }
    return plain;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string utf8;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

// How many continuation bytes follow a UTF-8 lead byte; -1 for a byte that cannot lead.
int ContinuationBytes(int lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead < 0xE0) return 1;
    if ((lead & 0xF0) == 0xE0) return 2;
    if (lead >= 0xF0 && lead < 0xF5) return 3;
    return -1;
}

// True when the bytes are well-formed UTF-8. Latin-1 text with accents
// almost never is, so an IPTC text that is needs no 1:90 to be read as such
// (many programs leave that record out).
bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int follow = ContinuationBytes(Byte(bytes, i));
        if (follow < 0) return false;
        for (int k = 0; k < follow; ++k) {
            if (++i >= bytes.size() || (Byte(bytes, i) & 0xC0) != 0x80) return false;
        }
    }
    return true;
}

// An IPTC text in UTF-8: as it is when 1:90 says UTF-8 or it reads as such, else from Latin-1.
std::string IptcText(std::string_view value, bool utf8) {
    return Trimmed(Decoded(utf8 || IsUtf8(value) ? std::string(value) : Latin1ToUtf8(value)));
}

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

std::string ExifDescription(std::string_view exif) {
    std::unique_ptr<ExifData, ExifDataReleaser> data(exif_data_new());
    if (!data) return {};
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_IMAGE_DESCRIPTION);
    if (!entry || !entry->data || entry->format != EXIF_FORMAT_ASCII) return {};
    const std::string_view text(reinterpret_cast<const char*>(entry->data), entry->size);
    return Trimmed(Decoded(text.substr(0, text.find('\0'))));
}

// The first alternative of an XMP property (<dc:title><rdf:Alt><rdf:li ...>text</rdf:li>).
std::string XmpAlternative(std::string_view xmp, std::string_view property) {
    const auto open = xmp.find("<" + std::string(property));
    if (open == std::string_view::npos) return {};
    const auto item = xmp.find("<rdf:li", open);
    const auto close = xmp.find("</" + std::string(property), open);
    if (item == std::string_view::npos || item > close) return {};
    const auto start = xmp.find('>', item);
    const auto end = xmp.find("</rdf:li>", item);
    if (start == std::string_view::npos || end == std::string_view::npos || end < start) return {};
    // XML's own references, then those of programs that write HTML into it.
    return Trimmed(Decoded(Decoded(xmp.substr(start + 1, end - start - 1))));
}

struct IptcTexts {
    std::string objectName, caption;
};

// The IPTC record (resource 0x0404 of a Photoshop block): object name
// (2:05) and caption (2:120), in UTF-8 when 1:90 says so, else Latin-1.
IptcTexts IptcOf(std::string_view photoshop) {
    IptcTexts texts;
    std::string_view iptc;
    for (std::size_t at = 0; at + 12 <= photoshop.size() && photoshop.substr(at, 4) == "8BIM";) {
        const int id = Byte(photoshop, at + 4) << 8 | Byte(photoshop, at + 5);
        const std::size_t nameLength = Byte(photoshop, at + 6);
        std::size_t sizeAt = at + 6 + ((nameLength + 2) & ~std::size_t{1});
        if (sizeAt + 4 > photoshop.size()) break;
        const std::uint32_t size = static_cast<std::uint32_t>(Byte(photoshop, sizeAt)) << 24 |
                                   Byte(photoshop, sizeAt + 1) << 16 | Byte(photoshop, sizeAt + 2) << 8 |
                                   Byte(photoshop, sizeAt + 3);
        const std::size_t dataAt = sizeAt + 4;
        if (size > photoshop.size() - dataAt) break;
        if (id == 0x0404) iptc = photoshop.substr(dataAt, size);
        at = dataAt + size + (size & 1);
    }
    bool utf8 = false;
    std::string name, caption;
    for (std::size_t at = 0; at + 5 <= iptc.size() && Byte(iptc, at) == 0x1C;) {
        const int record = Byte(iptc, at + 1), dataset = Byte(iptc, at + 2);
        const std::size_t length = static_cast<std::size_t>(Byte(iptc, at + 3) << 8 | Byte(iptc, at + 4));
        if (length & 0x8000 || at + 5 + length > iptc.size()) break;  // no extended lengths for texts
        const std::string_view value = iptc.substr(at + 5, length);
        if (record == 1 && dataset == 90) utf8 = value == "\x1B%G";
        if (record == 2 && dataset == 5) name = value;
        if (record == 2 && dataset == 120) caption = value;
        at += 5 + length;
    }
    texts.objectName = IptcText(name, utf8);
    texts.caption = IptcText(caption, utf8);
    return texts;
}

}  // namespace

PhotoCaption CaptionOfJpeg(std::string_view jpeg) {
    std::string exifDescription, xmpTitle, xmpDescription;
    IptcTexts iptc;
    // A damaged block ends the reading; what the blocks before it said stands.
    VisitJpegBlocks(jpeg, [&](const JpegBlock& block) {
        if (block.marker == 0xE1 && block.payload.starts_with(kExifStart)) {
            exifDescription = ExifDescription(block.payload);
        } else if (block.marker == 0xE1 && block.payload.starts_with(kXmpStart)) {
            xmpTitle = XmpAlternative(block.payload, "dc:title");
            xmpDescription = XmpAlternative(block.payload, "dc:description");
        } else if (block.marker == 0xED && block.payload.starts_with(kPhotoshopStart)) {
            iptc = IptcOf(block.payload.substr(kPhotoshopStart.size()));
        }
    });
    const auto first = [](std::initializer_list<const std::string*> texts) {
        for (const std::string* text : texts) {
            if (!IsPlaceholder(*text)) return *text;
        }
        return std::string();
    };
    return {Utf8Text(first({&xmpTitle, &iptc.objectName})),
            Utf8Text(first({&xmpDescription, &iptc.caption, &exifDescription}))};
}

PhotoCaption CaptionOf(const std::filesystem::path& photo) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(photo, error)) return {};  // a pipe or a device would never end
    try {
        if (FormatOf(photo) == PictureFormat::Clip) return {Utf8Text(ReadClipFacts(photo).title), {}};
        return CaptionOfJpeg(JpegHead(photo));
    } catch (const ImageError&) {
        return {};  // unreadable: the file's name will do
    }
}

}  // namespace palimora
