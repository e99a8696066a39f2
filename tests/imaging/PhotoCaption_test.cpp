#include "imaging/PhotoCaption.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

// A JPEG's start with one block of `marker` holding `payload`, then the picture data.
std::string WithBlock(int marker, const std::string& payload) {
    const std::size_t length = payload.size() + 2;
    return std::string("\xFF\xD8\xFF", 3) + static_cast<char>(marker) + static_cast<char>(length >> 8) +
           static_cast<char>(length & 0xFF) + payload + std::string("\xFF\xDA\x00\x02", 4);
}

std::string Exif(const std::string& description) {
    std::string tiff("II*\0\x08\0\0\0\x01\0\x0E\x01\x02\0", 14);
    const std::string text = description + '\0';
    tiff += static_cast<char>(text.size());
    tiff += std::string("\0\0\0\x1A\0\0\0\0\0\0\0", 11);
    return std::string("Exif\0\0", 6) + tiff + text;
}

std::string Iptc(bool utf8, const std::string& name, const std::string& caption) {
    const auto dataset = [](int record, int number, const std::string& value) {
        return std::string("\x1C", 1) + static_cast<char>(record) + static_cast<char>(number) +
               static_cast<char>(value.size() >> 8) + static_cast<char>(value.size() & 0xFF) + value;
    };
    std::string iptc =
        (utf8 ? dataset(1, 90, "\x1B%G") : std::string()) + dataset(2, 5, name) + dataset(2, 120, caption);
    if (iptc.size() % 2) iptc += '\0';
    const std::size_t size = iptc.size();
    return std::string(
               "Photoshop 3.0\0"
               "8BIM\x04\x04\0\0",
               22) +
           static_cast<char>(size >> 24) + static_cast<char>(size >> 16) + static_cast<char>(size >> 8) +
           static_cast<char>(size) + iptc;
}

TEST(PhotoCaption, EachKindOfMetadataGivesTheTextsAPersonWrote) {
    const std::string xmp = std::string("http://ns.adobe.com/xap/1.0/\0", 29) +
                            "<x:xmpmeta><dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Le pont &amp; la "
                            "rivi\xC3\xA8re</rdf:li></rdf:Alt></dc:title><dc:description><rdf:Alt><rdf:li "
                            "xml:lang=\"x-default\"> Au soir </rdf:li></rdf:Alt></dc:description></x:xmpmeta>";
    PhotoCaption caption = CaptionOfJpeg(WithBlock(0xE1, xmp));
    EXPECT_EQ(caption.title.Bytes(), "Le pont & la rivi\xC3\xA8re");
    EXPECT_EQ(caption.description.Bytes(), "Au soir");

    caption = CaptionOfJpeg(WithBlock(0xED, Iptc(false, "Plage", "\xE9t\xE9")));  // Latin-1 without 1:90
    EXPECT_EQ(caption.title.Bytes(), "Plage");
    EXPECT_EQ(caption.description.Bytes(), "\xC3\xA9t\xC3\xA9");
    caption = CaptionOfJpeg(WithBlock(0xED, Iptc(true, "\xC3\x89t\xC3\xA9", "")));
    EXPECT_EQ(caption.title.Bytes(), "\xC3\x89t\xC3\xA9");
    caption = CaptionOfJpeg(WithBlock(0xED, Iptc(false, "", "\xC3\x89t\xC3\xA9")));  // UTF-8 without 1:90
    EXPECT_EQ(caption.description.Bytes(), "\xC3\x89t\xC3\xA9");

    EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif("Coucher de soleil"))).description.Bytes(), "Coucher de soleil");
    EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif("OLYMPUS DIGITAL CAMERA "))).description.Bytes(), "");
    EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif("        "))).description.Bytes(), "");
}

TEST(PhotoCaption, PlaceholdersAndLanguageTagsAreNoCaptionAndReferencesReadAsTyped) {
    for (const char* placeholder : {"x-default", "en-US", "KONICA MINOLTA DIGITAL CAMERA", "PENTAX DIGITAL CAMERA"})
        EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif(placeholder))).description.Bytes(), "") << placeholder;
    for (const char* caption : {"Saint-Malo", "Digital camera museum", "en route"})
        EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif(caption))).description.Bytes(), caption);
    EXPECT_EQ(CaptionOfJpeg(WithBlock(0xE1, Exif("d&#39;&#xE9;t&#233; &amp; &#1; &unknown;"))).description.Bytes(),
              "d'\xC3\xA9t\xC3\xA9 & &#1; &unknown;");
}

TEST(PhotoCaption, DamagedBlocksGiveNothingAndReadNothingBeyondTheirEnd) {
    const std::string whole = WithBlock(0xED, Iptc(false, "Plage", "Mer"));
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const PhotoCaption caption = CaptionOfJpeg(std::string_view(whole).substr(0, cut));
        EXPECT_TRUE(caption.title.Bytes().empty() || caption.title.Bytes() == "Plage") << cut;
    }
    EXPECT_EQ(CaptionOfJpeg("not a picture").title.Bytes(), "");
}

}  // namespace
}  // namespace palimora
