#include "common/Error.h"
#include "lang/LanguageTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(LangText, TextIsWhatFollowsTheFirstComma) {
    const LanguageTexts texts({"caption,Palimora", "msg,Oui, non, peut-\xEAtre", "empty,", "no comma here", ",lead"});
    EXPECT_EQ(texts.LangText(0), "Palimora");
    EXPECT_EQ(texts.LangText(1), "Oui, non, peut-\xEAtre");
    EXPECT_EQ(texts.LangText(2), "");
    EXPECT_EQ(texts.LangText(3), "");
    EXPECT_EQ(texts.LangText(4), "lead");
}

TEST(LangText, NumbersOutsideTheFileAreEmpty) {
    TextLines hundred(100, "id,text");
    const LanguageTexts texts(hundred);
    EXPECT_EQ(texts.LangText(99), "text");
    EXPECT_EQ(texts.LangText(100), "");
    EXPECT_EQ(texts.LangText(150), "");
    EXPECT_EQ(texts.LangText(-1), "");
}

TEST(LangText, OnlyTheFirst249CharactersOfALineCount) {
    const std::string body(300, 'x');
    const LanguageTexts texts({"id," + body, std::string(249, 'y') + ",after"});
    EXPECT_EQ(texts.LangText(0), std::string(249 - 3, 'x'));
    EXPECT_EQ(texts.LangText(1), "");  // the comma lies beyond the limit
}

TEST(LangText, ShippedFilesHoldEveryTextInBothLanguages) {
    for (const char* file : {"french.asc", "english.asc"}) {
        SCOPED_TRACE(file);
        const auto texts = LanguageTexts::Load(std::filesystem::path(PALIMORA_SOURCE_ASSETS) / file);
        EXPECT_GE(texts.LineCount(), 244u);
        for (int n : {0, 6, 7, 25, 26, 53, 54, 103, 174, 199, 236, 238, 239, 243}) {
            EXPECT_FALSE(texts.LangText(n).empty()) << "text " << n;
        }
    }
    const auto french = LanguageTexts::Load(std::filesystem::path(PALIMORA_SOURCE_ASSETS) / "french.asc");
    EXPECT_EQ(french.LangText(7), "Nouveau Projet");
    EXPECT_EQ(french.LangText(80), "Soulign\xE9");  // Windows-1252 on disk
}

TEST(LangText, AnUnreadableFileSaysSoInBothLanguages) {
    testing::TempFolder folder;
    try {
        LanguageTexts::Load(folder.Path() / "french.asc");
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_NE(error.UserMessage().find("language file"), std::string::npos);
        EXPECT_NE(error.UserMessage().find("Fichier de langue"), std::string::npos);
    }
}

}  // namespace
}  // namespace palimora
