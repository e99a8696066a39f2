#include "imaging/PhotoCaption.h"

#include "imaging/ImageError.h"
#include "imaging/JpegBlocks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
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

// Texts cameras write where a person writes a description.
bool IsPlaceholder(const std::string& text) {
    static constexpr std::array<std::string_view, 6> kPlaceholders = {
        "OLYMPUS DIGITAL CAMERA", "SONY DSC", "DIGITAL CAMERA", "default", "Untitled", "KODAK Digital Still Camera"};
    return text.empty() || std::find(kPlaceholders.begin(), kPlaceholders.end(), text) != kPlaceholders.end();
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
    return Trimmed(utf8 || IsUtf8(value) ? std::string(value) : Latin1ToUtf8(value));
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
    return Trimmed(text.substr(0, text.find('\0')));
}

std::string XmlUnescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            plain += text[i];
            continue;
        }
        const auto end = text.find(';', i);
        if (end == std::string_view::npos) return plain + std::string(text.substr(i));
        const std::string_view name = text.substr(i + 1, end - i - 1);
        if (name == "amp")
            plain += '&';
        else if (name == "lt")
            plain += '<';
        else if (name == "gt")
            plain += '>';
        else if (name == "quot")
            plain += '"';
        else if (name == "apos")
            plain += '\'';
        else
            plain += std::string(text.substr(i, end - i + 1));
        i = end;
    }
    return plain;
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
    return Trimmed(XmlUnescaped(xmp.substr(start + 1, end - start - 1)));
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
        return CaptionOfJpeg(JpegHead(photo));
    } catch (const ImageError&) {
        return {};  // unreadable: the file's name will do
    }
}

}  // namespace palimora
