#include "cli/BuildCommand.h"
#include "cli/CommandSupport.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/PictureTextFile.h"
#include "styles/ProjectSettings.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;

class BuildCommandTest : public ::testing::Test {
protected:
    BuildCommandTest() {
        testing::StageProgramFolder(temp.Path());
        Language language;
        language.LoadChosen(folder);
        PictureTextFile texts(project / "textes" / "images.dat");
        fs::create_directories(project / "textes");
        fs::create_directories(project / "images");
        texts.CreateEmpty();
        for (int n = 1; n <= 3; ++n) {
            EncodeJpeg(testing::Quadrants(400, 300), project / "images" / ("00000" + std::to_string(n) + ".jpg"));
            texts.Write(n, "Photo " + std::to_string(n), "");
        }
        ProjectSettings().Commit(folder, "Demo", language);
    }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path project = temp.Path() / "Projets" / "Demo";
};

TEST_F(BuildCommandTest, AProjectIsFoundByNameOrByPathAndAMissingOneIsTold) {
    std::ostringstream byName;
    ASSERT_EQ(BuildCommand(folder, {"Demo"}, byName), 0) << byName.str();
    EXPECT_TRUE(fs::exists(project / "index.html"));
    EXPECT_NE(byName.str().find((project / "index.html").string()), std::string::npos);

    fs::create_directories(temp.Path() / "elsewhere");
    fs::copy(project, temp.Path() / "elsewhere" / "Copie", fs::copy_options::recursive);
    std::ostringstream byPath;
    EXPECT_EQ(BuildCommand(folder, {(temp.Path() / "elsewhere" / "Copie").string()}, byPath), 0) << byPath.str();
    EXPECT_TRUE(fs::exists(temp.Path() / "elsewhere" / "Copie" / "Gal1.htm") ||
                fs::exists(temp.Path() / "elsewhere" / "Copie" / "index.html"));

    std::ostringstream missing;
    EXPECT_EQ(BuildCommand(folder, {"Missing"}, missing), 2);
    std::ostringstream ignored;
    const std::string noProject =
        Utf8FromCp1252(TerminalLanguage(folder, ignored).LangText(TextId::NoProjectAt)).Bytes();
    EXPECT_NE(missing.str().find(noProject + " Missing"), std::string::npos) << missing.str();
}

TEST_F(BuildCommandTest, TheStartPageToldIsTheOneSeeTheResultWouldOpen) {
    ProjectSettings settings;
    settings.LoadWorking(folder, "Demo");
    settings.Store(SettingLine::MakeSummary, "0");  // written through to runweb.ini, which a build reads
    std::ostringstream output;
    ASSERT_EQ(BuildCommand(folder, {"Demo"}, output), 0) << output.str();
    EXPECT_NE(output.str().find((project / "Gal1.htm").string()), std::string::npos) << output.str();
    EXPECT_EQ(output.str().find("index.html"), std::string::npos) << output.str();
}

TEST_F(BuildCommandTest, AProjectThatWasNeverSavedFailsWithAMessage) {
    fs::remove(project / "runweb.ini");
    std::ostringstream messages;
    EXPECT_EQ(BuildCommand(folder, {"Demo"}, messages), 1);
    EXPECT_FALSE(messages.str().empty());
    EXPECT_FALSE(fs::exists(project / "index.html"));
}

}  // namespace
}  // namespace palimora
