#include "lang/LanguageTexts.h"
#include "common/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(LangText, TextIsWhatFollowsTheFirstComma) {
    const LanguageTexts texts({"caption,Palimora", "msg,Oui, non, peut-\xEAtre", "empty,", "no comma here", ",lead"});
    EXPECT_EQ(texts.LangText(TextId::ProgramTitle), "Palimora");
    EXPECT_EQ(texts.LangText(TextId::PublishHint), "Oui, non, peut-\xEAtre");
    EXPECT_EQ(texts.LangText(TextId::SaveHint), "");
    EXPECT_EQ(texts.LangText(TextId::GalleryDesignHint), "");
    EXPECT_EQ(texts.LangText(TextId::PictureDesignHint), "lead");
}

TEST(LangText, NumbersOutsideTheFileAreEmpty) {
    TextLines hundred(100, "id,text");
    const LanguageTexts texts(hundred);
    EXPECT_EQ(texts.LangText(TextId::Home), "text");
    EXPECT_EQ(texts.LangText(TextId::PictureWord), "");
    EXPECT_EQ(texts.LangText(TextId::MaxHeightLabel), "");
    EXPECT_EQ(texts.LangText(static_cast<TextId>(-1)), "");
}

TEST(LangText, OnlyTheFirst249CharactersOfALineCount) {
    const std::string body(300, 'x');
    const LanguageTexts texts({"id," + body, std::string(249, 'y') + ",after"});
    EXPECT_EQ(texts.LangText(TextId::ProgramTitle), std::string(249 - 3, 'x'));
    EXPECT_EQ(texts.LangText(TextId::PublishHint), "");  // the comma lies beyond the limit
}

TEST(LangText, ShippedFilesHoldEveryTextInBothLanguages) {
    for (const char* file : {"french.asc", "english.asc"}) {
        SCOPED_TRACE(file);
        const auto texts = LanguageTexts::Load(std::filesystem::path(PALIMORA_SOURCE_ASSETS) / file);
        EXPECT_EQ(texts.LineCount(), static_cast<std::size_t>(kLanguageFileLines));
        for (const TextId text : kAllTextIds) {
            EXPECT_FALSE(texts.LangText(text).empty()) << "text " << static_cast<int>(text);
        }
    }
    const auto french = LanguageTexts::Load(std::filesystem::path(PALIMORA_SOURCE_ASSETS) / "french.asc");
    EXPECT_EQ(french.LangText(TextId::WorkingName), "Nouveau Projet");
    EXPECT_EQ(french.LangText(TextId::StyleUnderlined), "Soulign\xE9");  // Windows-1252 on disk
}

TEST(TextId, EveryNameHasALineOfItsOwnInsideTheLanguageFiles) {
    for (std::size_t i = 0; i < kAllTextIds.size(); ++i) {
        const int line = static_cast<int>(kAllTextIds[i]);
        EXPECT_GE(line, 0);
        EXPECT_LT(line, kLanguageFileLines);
        // In line order and strictly so: no two names share a text.
        if (i > 0) {
            EXPECT_GT(line, static_cast<int>(kAllTextIds[i - 1])) << "text " << line;
        }
    }
}

TEST(TextId, GalleryTextsFollowEachOther) {
    EXPECT_EQ(GalleryText(1), TextId::Gallery1);
    EXPECT_EQ(GalleryText(10), TextId::Gallery10);
    const auto french = LanguageTexts::Load(std::filesystem::path(PALIMORA_SOURCE_ASSETS) / "french.asc");
    EXPECT_EQ(french.LangText(GalleryText(7)), "Galerie 7");
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

// An empty file, or one that does not start with text 0, would leave every
// caption and message blank: it is refused like a missing one.
TEST(LangText, AFileThatIsNoLanguageFileIsRefused) {
    testing::TempFolder folder;
    const auto file = folder.Path() / "french.asc";
    for (const char* contents : {"", "\x89PNG\r\n\x1A\n", "1,Publier\r\n"}) {
        testing::WriteBytes(file, contents);
        EXPECT_THROW(LanguageTexts::Load(file), PalimoraError) << contents;
    }
    testing::WriteBytes(file, "0,Palimora\r\n");
    EXPECT_EQ(LanguageTexts::Load(file).LangText(TextId::ProgramTitle), "Palimora");
}

TEST(LangText, AFileSavedAsUtf8WithAByteOrderMarkKeepsItsNumberingAndAccents) {
    testing::TempFolder folder;
    const auto file = folder.Path() / "french.asc";
    testing::WriteBytes(file,
                        "\xEF\xBB\xBF"
                        "0,Palimora\r\n1,Publier sur le web\r\n2,Enregistrer l'\xC3\xA9t\xC3\xA9\r\n");
    const LanguageTexts texts = LanguageTexts::Load(file);
    EXPECT_EQ(texts.LangText(TextId::ProgramTitle), "Palimora");
    EXPECT_EQ(texts.LangText(TextId::PublishHint), "Publier sur le web");
    EXPECT_EQ(texts.LangText(TextId::SaveHint), "Enregistrer l'\xE9t\xE9");
}

}  // namespace
}  // namespace palimora
