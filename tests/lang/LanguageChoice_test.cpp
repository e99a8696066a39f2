#include "lang/LanguageChoice.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/ProgramPreferences.h"
#include "common/TextLines.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "tests/support/LanguageFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

namespace palimora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class LanguageChoiceTest : public ::testing::Test {
protected:
    LanguageChoiceTest() : folder(temp.Path()) {
        WriteBytes(folder.LanguageFile("french"), French({{1, "fr"}}));
        WriteBytes(folder.LanguageFile("english"), English({{1, "en"}}));
    }
    // A language file naming itself, with `texts`.
    static std::string Named(const std::string& name, const std::string& tag, std::map<int, std::string> texts) {
        texts[static_cast<int>(TextId::LanguageName)] = name;
        texts[static_cast<int>(TextId::LanguageTag)] = tag;
        return testing::WholeLanguageFile(texts);
    }
    static std::string French(const std::map<int, std::string>& texts) {
        return Named(std::string(kFrenchChoice), "fr", texts);
    }
    static std::string English(const std::map<int, std::string>& texts) { return Named("English", "en", texts); }

    testing::TempFolder temp;
    ProgramFolder folder;
};

TEST_F(LanguageChoiceTest, AnEmptyFirstLineMeansFirstStartInFrench) {
    WriteBytes(folder.LanguageIni(), "\r\nsecond line\r\n");
    EXPECT_TRUE(IsFirstStart(folder));
    Language language;
    language.LoadChosen(folder);
    EXPECT_EQ(language.Code(), "french");
    EXPECT_EQ(language.LangText(TextId::PublishHint), "fr");
}

TEST_F(LanguageChoiceTest, OnlyTheExactNamesAreRecognised) {
    WriteBytes(folder.LanguageIni(), "English\r\n");
    EXPECT_FALSE(IsFirstStart(folder));
    EXPECT_EQ(StartLanguageCode(folder), "english");

    WriteBytes(folder.LanguageIni(),
               "Fran\xE7"
               "ais\r\n");
    EXPECT_EQ(StartLanguageCode(folder), "french");

    for (const char* other : {"english\r\n", "English \r\n", "Deutsch\r\n",
                              "Fran\xC3\xA7"
                              "ais\r\n"}) {
        WriteBytes(folder.LanguageIni(), other);
        EXPECT_TRUE(IsFirstStart(folder)) << other;  // asked again rather than left without texts
        EXPECT_EQ(StartLanguageCode(folder), "french");
    }
}

TEST_F(LanguageChoiceTest, AMissingIniIsAFirstStart) {
    EXPECT_TRUE(IsFirstStart(folder));
    EXPECT_EQ(StartLanguageCode(folder), "french");
}

TEST_F(LanguageChoiceTest, ChoosingRewritesLineZeroOnlyAndLoadsAtOnce) {
    WriteBytes(folder.LanguageIni(), "\r\nkeep 1\r\n\r\nkeep 3\r\n");
    Language language;
    language.LoadChosen(folder);
    language.Choose(folder, kEnglishChoice);
    EXPECT_EQ(ReadBytes(folder.LanguageIni()), "English\r\nkeep 1\r\n\r\nkeep 3\r\n");
    EXPECT_EQ(language.Code(), "english");
    EXPECT_EQ(language.LangText(TextId::PublishHint), "en");

    language.Choose(folder, kFrenchChoice);
    EXPECT_EQ(ReadBytes(folder.LanguageIni()),
              "Fran\xE7"
              "ais\r\nkeep 1\r\n\r\nkeep 3\r\n");
    EXPECT_EQ(language.LangText(TextId::PublishHint), "fr");
}

TEST_F(LanguageChoiceTest, PreferencesShareTheIniWithTheLanguage) {
    EXPECT_EQ(ReadPreference(folder, Preference::TextsFromPhotos), "");
    SavePreference(folder, Preference::TextsFromPhotos, "0");
    EXPECT_EQ(ReadBytes(folder.LanguageIni()), "\r\n\r\n0\r\n");
    EXPECT_TRUE(IsFirstStart(folder));  // a preference is no language choice
    Language language;
    language.Choose(folder, kEnglishChoice);
    SavePreference(folder, Preference::WindowSize, "1024x700");
    EXPECT_EQ(ReadBytes(folder.LanguageIni()), "English\r\n1024x700\r\n0\r\n");
    EXPECT_EQ(ReadPreference(folder, Preference::TextsFromPhotos), "0");
}

TEST_F(LanguageChoiceTest, ChoosingCreatesAMissingIni) {
    Language language;
    language.Choose(folder, kEnglishChoice);
    EXPECT_EQ(ReadBytes(folder.LanguageIni()), "English\r\n");
    EXPECT_FALSE(IsFirstStart(folder));
}

// Messages the lower layers compose (a file that cannot be read, say) speak
// the language loaded last.
TEST_F(LanguageChoiceTest, LowerLayersFailInTheLoadedLanguage) {
    const int notAFile = static_cast<int>(TextId::NotAnOrdinaryFile);
    WriteBytes(folder.LanguageFile("french"), French({{notAFile, "Pas un fichier :"}}));
    WriteBytes(folder.LanguageFile("english"), English({{notAFile, "Not a file:"}}));
    Language language;
    language.Choose(folder, kEnglishChoice);
    try {
        ReadTextLines(temp.Path());
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_EQ(error.UserMessage(), "Not a file: " + DisplayPath(temp.Path()) + ".");
    }
    language.Choose(folder, kFrenchChoice);
    EXPECT_EQ(FailureText(Failure::NotAFile), "Pas un fichier :");
    SetFailureTexts({});
}

// A language is its file alone: dropped into the program folder it is
// offered by the name it gives itself, chosen, and spoken; a file that is
// not whole is not offered.
TEST_F(LanguageChoiceTest, ALanguageFileDroppedInIsOfferedChosenAndSpoken) {
    WriteBytes(folder.LanguageFile("german"), Named("Deutsch", "de",
                                                    {{1,
                                                      "Im Web ver\xF6"
                                                      "ffentlichen"}}));
    WriteBytes(folder.LanguageFile("broken"), "0,Palimora\r\n32,Kaputt\r\n");
    std::vector<std::string> names;
    for (const AvailableLanguage& language : AvailableLanguages(folder)) names.push_back(language.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Deutsch", "English", std::string(kFrenchChoice)}));

    Language language;
    language.Choose(folder, "Deutsch");
    EXPECT_FALSE(IsFirstStart(folder));
    EXPECT_EQ(StartLanguageCode(folder), "german");
    EXPECT_EQ(language.LangText(TextId::PublishHint),
              "Im Web ver\xF6"
              "ffentlichen");

    setenv("LC_ALL", "de_AT.UTF-8", 1);
    EXPECT_EQ(LocaleLanguageCode(folder), "german");
    setenv("LC_ALL", "pt_BR.UTF-8", 1);
    EXPECT_EQ(LocaleLanguageCode(folder), "english");
    unsetenv("LC_ALL");
}

}  // namespace
}  // namespace palimora
