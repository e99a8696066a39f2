#include "sitegen/Fragments.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "sitegen/PageMarkup.h"
#include "sitegen/TodaysPageHead.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;

class FragmentsTest : public ::testing::Test {
protected:
    FragmentsTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(ProgramFolder(temp.Path()));
    }
    testing::TempFolder temp;
    Language language;
};

TEST_F(FragmentsTest, AlignmentStyleAndFontAreSpeltExactly) {
    EXPECT_EQ(AlignOpen(language.LangText(TextId::PositionCentred), language), "<DIV ALIGN=CENTER>");
    EXPECT_EQ(AlignOpen(language.LangText(TextId::PositionLeft), language), "<DIV ALIGN=LEFT>");
    EXPECT_EQ(AlignOpen(language.LangText(TextId::PositionRight), language), "<DIV ALIGN=RIGHT>");
    EXPECT_EQ(AlignOpen("Right", language), "");  // another language's text: no tag
    EXPECT_EQ(StyleOpen(language.LangText(TextId::StyleBold), language) +
                  StyleClose(language.LangText(TextId::StyleBold), language),
              "<B></B>");
    EXPECT_EQ(StyleOpen(language.LangText(TextId::StyleUnderlined), language), "<U>");
    EXPECT_EQ(StyleOpen(language.LangText(TextId::StylePlain), language) +
                  StyleClose(language.LangText(TextId::StylePlain), language),
              "");
    EXPECT_EQ(FontOpen(language.LangText(TextId::BrowserFont), 2, 0x800000, language),
              "<font face=\"\" size=\"2\" color=\"#000080\">");
    EXPECT_EQ(FontOpen("Verdana", 3, 0xFFFFFF, language),
              "<font face=\"Verdana,Arial,Helvetica\" size=\"3\" color=\"#FFFFFF\">");
    EXPECT_EQ(HtmlColour(255), "#FF0000");
    EXPECT_EQ(HtmlColour(0x563412), "#123456");
}

// Today's markup says with style properties what the designed tags say, and
// a face or a file name cannot leave the value it is written into.
TEST_F(FragmentsTest, TodaysMarkupGivesTheSameLookInStyleThatCannotBeBrokenOutOf) {
    const TodaysMarkup today(language);
    EXPECT_EQ(today.AlignOpen("Right") + today.BlockClose(), "<div></div>");  // always a block to close
    EXPECT_EQ(today.TextOpen("Jane's \"Serif\"", 9, 0x800000, language.LangText(TextId::StyleBold)),
              "<span style=\"font-family:'Jane\\'s &quot;Serif&quot;',Arial,Helvetica;font-size:xxx-large;"
              "color:#000080;font-weight:bold\">");
    EXPECT_EQ(today.TextOpen(language.LangText(TextId::BrowserFont), 0, 0, "", true),
              "<div style=\"font-size:x-small;color:#000000\">");
    EXPECT_EQ(today.RowBreak(4, 2, 1), "</tr><tr>");  // no padding cells: the style sheet counts a row's cells
    PageAppearance look;
    look.backgroundPicture = "./param/a\"b</style>.jpg";
    look.tableBorder = 2;
    look.tableAlignment = language.LangText(TextId::PositionCentred);
    const std::string sheet = TodaysPageHead::SettingsStyleSheet(look, language, VisitorExtras());
    EXPECT_TRUE(TodaysPageHead::IsSettingsStyleSheet(sheet));
    EXPECT_NE(sheet.find("url(\"./param/a\\\"b\\3C /style>.jpg\")"), std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("</style>"), sheet.size() - 8) << "one end, its own";
    EXPECT_NE(sheet.find("margin-left: auto; margin-right: auto;"), std::string::npos);
}

TEST_F(FragmentsTest, LinksKeepTheirTextWithoutATarget) {
    EXPECT_EQ(LinkText("Retour", ""), "Retour");
    EXPECT_EQ(LinkText("", "Gal3.htm"), "<a href=\"Gal3.htm\"></a>");
    EXPECT_EQ(LinkText("Suite", "g1-000002.htm"), "<a href=\"g1-000002.htm\">Suite</a>");
}

TEST_F(FragmentsTest, TablesReferenceTheirBackgroundByKind) {
    const fs::path project = temp.Path() / "Projets" / "Demo";
    const AssetReferences build(project, "Demo", true);
    EXPECT_EQ(build.TableOpen(3, "", 0, 2, 4, 0xFFFFFF),
              "<TABLE BORDER=\"3\" BACKGROUND=\"\" BORDERCOLOR=\"#000000\"  BGCOLOR=\"#FFFFFF\"  CELLPADDING=\"4\" "
              "CELLSPACING=\"2\">");
    EXPECT_EQ(
        build.TableOpen(0, "www.example.org/b.gif", 0, 0, 0, 0),
        "<TABLE BORDER=\"0\" BACKGROUND=\"http://www.example.org/b.gif\" BORDERCOLOR=\"#000000\"  BGCOLOR=\"#000000\"  "
        "CELLPADDING=\"0\" CELLSPACING=\"0\">");

    testing::WriteBytes(temp.Path() / "patterns" / "b.gif", "GIF89a");
    const std::string local = (temp.Path() / "patterns" / "b.gif").string();
    EXPECT_EQ(build.TableOpen(1, local, 0xFF, 0, 0, 0),
              "<TABLE BORDER=\"1\" BACKGROUND=\"./param/b.gif\" bordercolor=\"#FF0000\"  BGCOLOR=\"#000000\"  "
              "CELLPADDING=\"0\" CELLSPACING=\"0\">");
    EXPECT_EQ(testing::ReadBytes(project / "param" / "b.gif"), "GIF89a");

    const AssetReferences sample(project, "Demo", false);
    EXPECT_EQ(sample.Reference(local), "./Projets/Demo/param/b.gif");
    EXPECT_EQ(sample.Reference("http://x.org/a.jpg"), "http://x.org/a.jpg");
    EXPECT_EQ(sample.Reference("HTTP-not-a-url.jpg"), "./Projets/Demo/param/HTTP-not-a-url.jpg");  // a local file
    EXPECT_EQ(sample.Reference("C:\\Mes images\\fond.jpg"), "./Projets/Demo/param/fond.jpg");      // old Windows path
    EXPECT_EQ(sample.Reference(""), "");
}

}  // namespace
}  // namespace palimora
