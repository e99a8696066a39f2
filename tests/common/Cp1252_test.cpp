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

TEST(Cp1252, TextItCannotHoldIsRefusedNotMangled) {
    EXPECT_THROW(Cp1252FromUtf8(Utf8Text("\xE6\x97\xA5")), PalimoraError);  // a CJK character
    EXPECT_THROW(Cp1252FromUtf8(Utf8Text("caf\xC3")), PalimoraError);       // cut sequence
    EXPECT_THROW(Cp1252FromUtf8(Utf8Text("\xC3\x28")), PalimoraError);      // bad continuation
    EXPECT_FALSE(FitsCp1252(Utf8Text("\xF0\x9F\x93\xB7")));                 // an emoji
    EXPECT_TRUE(FitsCp1252(Utf8Text("No\xC3\xABl")));
    try {
        Cp1252FromUtf8(Utf8Text("a\xE6\x97\xA5"));
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_NE(error.UserMessage().find("U+65E5"), std::string::npos);
    }
}

TEST(Cp1252, PathsAreUtf8OnDisk) {
    EXPECT_EQ(PathFromCp1252("Vacances \xE0 S\xE8te"), std::filesystem::path(u8"Vacances à Sète"));
    EXPECT_EQ(Cp1252FromPath(std::filesystem::path(u8"Noël")), "No\xEBl");
}

}  // namespace
}  // namespace palimora
