#include "lang/LanguageTexts.h"
#include "common/Error.h"
#include "tests/support/LanguageFiles.h"
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

TEST(LangText, ShippedFilesHoldEveryTextInEveryLanguage) {
    int languages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PALIMORA_SOURCE_ASSETS)) {
        if (entry.path().extension() != ".asc") continue;
        ++languages;
        SCOPED_TRACE(entry.path().filename().string());
        const auto texts = LanguageTexts::Load(entry.path());
        EXPECT_EQ(texts.LineCount(), static_cast<std::size_t>(kLanguageFileLines));
        for (const TextId text : kAllTextIds) {
            EXPECT_FALSE(texts.LangText(text).empty()) << "text " << static_cast<int>(text);
        }
    }
    EXPECT_EQ(languages, 4);
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

// A file that is not every text on its own line would leave captions blank
// or, a line lost in an editor, every later text saying its neighbour's
// words: it is refused like a missing one, naming the first text astray.
TEST(LangText, AFileThatIsNotEveryTextOnItsLineIsRefused) {
    testing::TempFolder folder;
    const auto file = folder.Path() / "french.asc";
    const std::string whole = testing::WholeLanguageFile({{0, "Palimora"}});
    const std::string lineOf5 = "5,text 5\r\n";
    const std::string withoutLine5 = std::string(whole).erase(whole.find(lineOf5), lineOf5.size());
    const std::pair<std::string, std::string> broken[] = {
        {"", ""},
        {"\x89PNG\r\n\x1A\n", ""},
        {"0,Palimora\r\n", " (texte / text 1)"},
        {withoutLine5, " (texte / text 5)"},
        {whole + std::to_string(kLanguageFileLines) + ",one too many\r\n",
         " (texte / text " + std::to_string(kLanguageFileLines) + ")"},
    };
    for (const auto& [contents, where] : broken) {
        testing::WriteBytes(file, contents);
        try {
            LanguageTexts::Load(file);
            ADD_FAILURE() << "accepted: " << contents.substr(0, 20);
        } catch (const PalimoraError& error) {
            EXPECT_TRUE(error.UserMessage().ends_with("french.asc" + where)) << error.UserMessage();
        }
    }
    testing::WriteBytes(file, whole + "\r\n");  // a blank line at the end is no text
    EXPECT_EQ(LanguageTexts::Load(file).LangText(TextId::ProgramTitle), "Palimora");
}

TEST(LangText, AFileSavedAsUtf8WithAByteOrderMarkKeepsItsNumberingAndAccents) {
    testing::TempFolder folder;
    const auto file = folder.Path() / "french.asc";
    testing::WriteBytes(file, "\xEF\xBB\xBF" + testing::WholeLanguageFile({{0, "Palimora"},
                                                                           {1, "Publier sur le web"},
                                                                           {2, "Enregistrer l'\xC3\xA9t\xC3\xA9"}}));
    const LanguageTexts texts = LanguageTexts::Load(file);
    EXPECT_EQ(texts.LangText(TextId::ProgramTitle), "Palimora");
    EXPECT_EQ(texts.LangText(TextId::PublishHint), "Publier sur le web");
    EXPECT_EQ(texts.LangText(TextId::SaveHint), "Enregistrer l'\xE9t\xE9");
}

}  // namespace
}  // namespace palimora
