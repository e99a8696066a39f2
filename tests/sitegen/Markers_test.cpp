#include "sitegen/Markers.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
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
    PageLines page({"<html>", "<!--TEMPLATEHAUT--!>", "s1", "s2", "s3", "s4", "s5", "<!--FINTEMPLATEHAUT--!>", "body",
                    "<!--TEMPLATEBAS--!>", "b1", "<!--FINTEMPLATEBAS--!>"});
    markers.InsertHeaderFooter(page, temp.Path() / "haut.htm", {});
    EXPECT_EQ(page.Lines(), (Lines{"<html>", "<!--TEMPLATEHAUT--!>", "h1", "h2", "h3", "", "<!--FINTEMPLATEHAUT--!>",
                                   "body", "<!--TEMPLATEBAS--!>", "", "<!--FINTEMPLATEBAS--!>"}));
    EXPECT_TRUE(dialogs.shown.empty());

    markers.InsertHeaderFooter(page, {}, temp.Path() / "missing.htm");
    markers.InsertHeaderFooter(page, {}, temp.Path() / "missing.htm");
    EXPECT_TRUE(dialogs.shown.empty());  // told with the missing markers, once
    markers.TellMissing();
    EXPECT_EQ(dialogs.shown, Lines{language.LangText(TextId::MissingFooter)});
}

// The writers look markers up while they put, insert and delete lines: the
// places learnt at the first search must follow every change.
TEST_F(MarkersTest, MarkersAreFoundWhereTheyAreAfterEveryChange) {
    PageLines page({"<html>", "<!--A--!>", "x", "<!--B--!>", "y", "<!--A--!>"});
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 0), 1);
    page.InsertLines(1, {"new", "<!--B--!>"});  // html new B A x B y A
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 0), 3);
    EXPECT_EQ(page.FindMarkerLine("<!--B--!>", 0), 2);
    EXPECT_EQ(page.FindMarkerLine("<!--B--!>", 3), 5);
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 4), 7);
    page.DeleteLines(2, 4);  // html new B y A
    EXPECT_EQ(page.FindMarkerLine("<!--B--!>", 0), 2);
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 0), 4);
    page.Put(2, "plain");      // a marker overwritten is gone
    page.Put(0, "<!--A--!>");  // and one written is found
    EXPECT_EQ(page.FindMarkerLine("<!--B--!>", 0), -1);
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 0), 0);
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 1), 4);
    page.Delete(0);
    page.Insert(99, "<!--C--!>");
    EXPECT_EQ(page.FindMarkerLine("<!--A--!>", 0), 3);
    EXPECT_EQ(page.FindMarkerLine("<!--C--!>", 0), 4);
    EXPECT_EQ(page.Lines(), (Lines{"new", "plain", "y", "<!--A--!>", "<!--C--!>"}));
}

// A header that names a folder or a device is refused by its name, at once:
// it is never read without end nor told in the library's words.
TEST_F(MarkersTest, AHeaderThatIsNoOrdinaryFileIsToldByItsName) {
    const PageLines original({"<html>", "<!--TEMPLATEHAUT--!>", "<!--FINTEMPLATEHAUT--!>"});
    for (const std::filesystem::path& header : {std::filesystem::path("/dev/zero"), temp.Path()}) {
        PageLines page = original;
        try {
            markers.InsertHeaderFooter(page, header, {});
            ADD_FAILURE() << header << " was read";
        } catch (const PalimoraError& error) {
            EXPECT_EQ(error.UserMessage(),
                      language.LangText(TextId::NotAnOrdinaryFile) + " " + DisplayPath(header) + ".");
        }
    }
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
