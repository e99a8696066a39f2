#include "common/Cp1252.h"
#include "common/Error.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(Cp1252, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(Cp1252, FrenchAndTypographicCharactersMapToTheirCodePage) {
    EXPECT_EQ(Cp1252FromUtf8(Utf8Text("Fran\xC3\xA7"
                                      "ais")),
              "Fran\xE7"
              "ais");
    EXPECT_EQ(Cp1252FromUtf8(Utf8Text("\xE2\x82\xAC \xC5\x93 \xE2\x80\x99")),
              "\x80 \x9C \x92");  // euro, oe, right quote
    EXPECT_EQ(Utf8FromCp1252("\xE9t\xE9").Bytes(), "\xC3\xA9t\xC3\xA9");
}

TEST(Cp1252, CharactersBeyondItAreKeptAsReferencesAndComeBackWhole) {
    const std::string utf8 =
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA \xCE\xB1 \xE6\x97\xA5 \xD8\xB3 \xF0\x9F\x93\xB7";  // Łódź α 日 س 📷
    const std::string stored = Cp1252FromUtf8(Utf8Text(utf8));
    EXPECT_EQ(stored,
              "&#321;\xF3"
              "d&#378; &#945; &#26085; &#1587; &#128247;");
    EXPECT_EQ(Utf8FromCp1252(stored).Bytes(), utf8);
    EXPECT_TRUE(HoldsReferences(stored));
    EXPECT_FALSE(FitsCp1252(Utf8Text(utf8)));
    EXPECT_TRUE(FitsCp1252(Utf8Text("No\xC3\xABl")));

    // Only the form the program writes stands for a character: what a user
    // typed that merely looks like one, or names a character Windows-1252
    // holds, stays as typed.
    for (const std::string typed : {"&#65;", "&#0321;", "&#8364;", "&#55296;", "&#1114112;", "&#321", "&#;", "AT&T"}) {
        EXPECT_EQ(Cp1252FromUtf8(Utf8Text(typed)), typed);
        EXPECT_EQ(Utf8FromCp1252(typed).Bytes(), typed);
        EXPECT_FALSE(HoldsReferences(typed)) << typed;
    }

    // Byte limits never cut a character in two.
    EXPECT_EQ(CutToBytes("ab&#26085;c", 9), "ab");
    EXPECT_EQ(CutToBytes("ab&#26085;c", 10), "ab&#26085;");
    EXPECT_EQ(CutToBytes("&#0321;", 3), "&#0");
}

TEST(Cp1252, WhatIsNotUtf8OrAControlWithoutAByteIsRefused) {
    EXPECT_THROW(Cp1252FromUtf8(Utf8Text("caf\xC3")), PalimoraError);   // cut sequence
    EXPECT_THROW(Cp1252FromUtf8(Utf8Text("\xC3\x28")), PalimoraError);  // bad continuation
    EXPECT_FALSE(IsStorableText(Utf8Text("\xED\xA0\x80")));             // a surrogate
    EXPECT_TRUE(IsStorableText(Utf8Text("\xE6\x97\xA5")));
    try {
        Cp1252FromUtf8(Utf8Text("a\xC2\x85"));  // NEL, a C1 control
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_NE(error.UserMessage().find("U+0085"), std::string::npos);
    }
    EXPECT_EQ(Cp1252ForDisplay(Utf8Text("a\xC3(\xE6\x97\xA5")), "a?(&#26085;");
}

TEST(Cp1252, PathsAreUtf8OnDisk) {
    EXPECT_EQ(PathFromCp1252("Vacances \xE0 S\xE8te"), std::filesystem::path(u8"Vacances à Sète"));
    EXPECT_EQ(Cp1252FromPath(std::filesystem::path(u8"Noël")), "No\xEBl");
    EXPECT_EQ(PathFromCp1252("&#26481;&#20140;"), std::filesystem::path(u8"東京"));
}

}  // namespace
}  // namespace palimora
