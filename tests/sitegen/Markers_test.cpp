#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "sitegen/Markers.h"
#include "sitegen/PageLines.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

using Lines = std::vector<std::string>;

class MarkersTest : public ::testing::Test {
protected:
    MarkersTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(ProgramFolder(temp.Path()));
    }
    testing::TempFolder temp;
    Language language;
    testing::ScriptedDialogs dialogs;
    Markers markers{dialogs, language};
};

TEST_F(MarkersTest, MarkersMatchWholeLinesOnly) {
    const PageLines page({"<html>", "x", "<!--TITRE--!> ", "<!--TITRE1--!>", "<!--TITRE--!>"});
    EXPECT_EQ(markers.Find(page, "TITRE", 0), 4);  // the trailing blank spoils line 2
    EXPECT_EQ(markers.Find(page, "TITRE1", 0), 3);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(markers.Find(page, "TITRE", 5), 0);
    EXPECT_EQ(markers.Find(page, "TITRE", 5), 0);
    EXPECT_EQ(markers.Find(page, "FINTITRE", 0), 0);
    EXPECT_TRUE(dialogs.shown.empty());  // told together, later
    markers.TellMissing();
    EXPECT_EQ(dialogs.shown, Lines{language.LangText(TextId::MissingMarker) + " TITRE, FINTITRE."});
    markers.TellMissing();
    EXPECT_EQ(dialogs.shown.size(), 1u);  // each only once
}

TEST_F(MarkersTest, AMarkerOnTheFirstLineReadsAsNotFound) {
    const PageLines first({"<!--BODY--!>", "x"});
    EXPECT_EQ(markers.Find(first, "BODY", 0), 0);  // writers then write at offsets from 0
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MarkersTest, StrippingRemovesMarkersAndCollapsesEmptyRuns) {
    PageLines page({"<html>", "<!--TITRE--!>", "", "", "a", "   ", "", " <!-- indented comment -->",
                    "<!-- comment in the first column -->", "", "end", "", ""});
    StripMarkers(page);
    EXPECT_EQ(page.Lines(), (Lines{"<html>", "", "a", "   ", "", " <!-- indented comment -->", "", "end", ""}));
}

TEST_F(MarkersTest, HeaderAndFooterReplaceTheirSections) {
    testing::WriteBytes(temp.Path() / "haut.htm", "h1\r\nh2\nh3\r\n");
    PageLines page({"<html>", "<!--TEMPLATEHAUT--!>", "s1", "s2", "s3", "s4", "s5", "<!--FINTEMPLATEHAUT--!>",
                    "body", "<!--TEMPLATEBAS--!>", "b1", "<!--FINTEMPLATEBAS--!>"});
    markers.InsertHeaderFooter(page, temp.Path() / "haut.htm", {});
    EXPECT_EQ(page.Lines(), (Lines{"<html>", "<!--TEMPLATEHAUT--!>", "h1", "h2", "h3", "", "<!--FINTEMPLATEHAUT--!>",
                                   "body", "<!--TEMPLATEBAS--!>", "", "<!--FINTEMPLATEBAS--!>"}));
    EXPECT_TRUE(dialogs.shown.empty());

    markers.InsertHeaderFooter(page, {}, temp.Path() / "missing.htm");
    EXPECT_EQ(dialogs.shown, Lines{language.LangText(TextId::MissingFooter)});
}

TEST_F(MarkersTest, PagesAreSavedWithCrLfWhateverTheTemplateHad) {
    testing::WriteBytes(temp.Path() / "lf.htm", "<html>\n\xE9t\xE9\n</html>\n");
    PageLines page;
    page.Load(temp.Path() / "lf.htm");
    page.Put(99, "ignored");
    EXPECT_EQ(page.Get(99), "");
    page.Save(temp.Path() / "out.htm");
    EXPECT_EQ(testing::ReadBytes(temp.Path() / "out.htm"), "<html>\r\n\xE9t\xE9\r\n</html>\r\n");
}

}  // namespace
}  // namespace palimora
