#include "sitegen/PageWriter.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/CommaList.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "project/SiteAddress.h"
#include "project/SiteLayout.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingValues.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

namespace palimora {
namespace {

namespace fs = std::filesystem;

// A project "Demo" of seven pictures, its settings committed, the working
// templates copied from the chosen models.
class PageWriterTest : public ::testing::Test {
protected:
    PageWriterTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(folder);
        fs::create_directories(project / "textes");
        texts.CreateEmpty();
        for (int n = 1; n <= 7; ++n) {
            const std::string name = "00000" + std::to_string(n) + (n == 6 ? ".gif" : ".jpg");
            testing::WriteBytes(project / "images" / name, "picture");
            names.push_back(name);
            texts.Write(n, "Photo " + std::to_string(n), ToCommaList({"Ligne un", "Ligne deux"}));
        }
        settings.Commit(folder, "Demo", language);
        // The bytes these tests expect are those of pages for any browser;
        // the extras for today's browsers have a test of their own.
        settings.Store(SettingLine::TodaysBrowsers, "0");
        UseTemplates("clair.htm");
    }

    void UseTemplates(const std::string& name) {
        for (const auto& [models, sample] :
             {std::pair{"sommaires", "blanksom.htm"}, std::pair{"galeries", "blankgal.htm"},
              std::pair{"images", "blankimg.htm"}}) {
            fs::copy_file(temp.Path() / "models" / models / name, temp.Path() / sample,
                          fs::copy_options::overwrite_existing);
        }
    }

    PageWriter Writer() {
        index = PictureTextIndex(texts);  // the texts as they now are
        return PageWriter({folder, "Demo", language, settings, index, names, {}, {}}, context, dialogs);
    }

    std::string Page(const std::string& name) const { return testing::ReadBytes(project / name); }

    // The gallery of pictures `first`..`last` (1-based) as the build sets it.
    void Gallery(int k, int first, int last) {
        context.buildMode = true;
        context.currentGallery = k;
        context.galleryCount[k - 1] = last - first + 1;
        context.firstPosition[k - 1] = first - 1;
        context.firstPicture[k - 1] = names[first - 1];
    }

    std::string Word(TextId text) const { return language.LangText(text); }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path project = temp.Path() / "Projets" / "Demo";
    Language language;
    PictureTextFile texts{project / "textes" / "images.dat"};
    PictureTextIndex index;
    std::vector<std::string> names;
    ProjectSettings settings;
    BuildContext context;
    testing::ScriptedDialogs dialogs;
};

bool Has(const std::string& page, const std::string& text) { return page.find(text) != std::string::npos; }

TEST_F(PageWriterTest, APicturePageLinksItsNeighboursAndShowsItsTexts) {
    settings.Store(SettingLine::PictureBorderWidth, "2");
    settings.Store(SettingLine::PictureBorderColour, "255");
    settings.Store(SettingLine::PictureSpaceHorizontal, "5");
    settings.Store(SettingLine::PictureSpaceVertical, "0");
    Gallery(3, 1, 7);
    context.currentPage = "g3-000002.htm";
    context.previousPage = "g3-000001.htm";
    context.nextPage = "g3-000003.htm";
    context.galleryPage = "Gal3.htm";
    context.currentPicture = "000002.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string page = Page("g3-000002.htm");
    EXPECT_TRUE(Has(page, "<title>Demo " + Word(TextId::ImageTab) + " 2</title>"));
    EXPECT_TRUE(Has(
        page,
        "<a href=\"g3-000003.htm\"><img border=\"2\" bordercolor=\"#FF0000\"  src=\"./web_images/000002.jpg\" alt=\"" +
            Word(TextId::PictureAlt) + "\" HSPACE=\"5\" VSPACE=\"0\" ></a>\r\n"));
    EXPECT_TRUE(Has(page, "\r\nPhoto 2\r\n"));
    EXPECT_TRUE(Has(page, "Ligne un <br>Ligne deux <br>"));
    EXPECT_TRUE(Has(page, "<a href=\"g3-000001.htm\">" + Word(TextId::Previous) + "</a>"));
    EXPECT_TRUE(Has(page, "<a href=\"Gal3.htm\">" + Word(TextId::ContentsButton) + "</a>"));
    EXPECT_FALSE(Has(page, "<!--"));
    EXPECT_FALSE(Has(page, "\r\n\r\n\r\n"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PageWriterTest, PagesForTodaysBrowsersNameTheirPicturesAndLanguage) {
    settings.Store(SettingLine::TodaysBrowsers, "1");
    texts.Write(2, "Le \"pont\"", "");
    Gallery(1, 1, 7);
    context.currentPage = "g1-000002.htm";
    context.nextPage = "g1-000003.htm";
    context.currentPicture = "000002.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string page = Page("g1-000002.htm");
    EXPECT_TRUE(Has(page, "<html lang=\"fr\">\r\n"));
    EXPECT_TRUE(Has(page, "<title>Le &quot;pont&quot; - Demo</title>\r\n<meta name=\"description\" content=\"Demo\">"));
    EXPECT_TRUE(Has(page, "src=\"./web_images/000002.jpg\" alt=\"Le &quot;pont&quot;\""));
    EXPECT_FALSE(Has(page, "og:"));  // the site's address is not known yet

    // Once published, the page names itself and its picture where it is shared.
    SaveWebAddress(project, "http://www.exemple.fr/demo/");
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string shared = Page("g1-000002.htm");
    EXPECT_TRUE(Has(shared, "<meta property=\"og:title\" content=\"Le &quot;pont&quot; - Demo\">"));
    EXPECT_TRUE(Has(shared, "<meta property=\"og:url\" content=\"http://www.exemple.fr/demo/g1-000002.htm\">"));
    EXPECT_TRUE(
        Has(shared, "<meta property=\"og:image\" content=\"http://www.exemple.fr/demo/web_images/000002.jpg\">"));

    // A picture without a title keeps the page's numbered name and the word for its alt text.
    texts.Write(3, "", "");
    context.currentPage = "g1-000003.htm";
    context.currentPicture = "000003.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(3));
    EXPECT_TRUE(Has(Page("g1-000003.htm"), "alt=\"" + Word(TextId::PictureAlt) + "\""));

    context.galleryPage = "Gal1.htm";
    ASSERT_TRUE(Writer().WriteGalleryPage(1));
    const std::string gallery = Page("Gal1.htm");
    EXPECT_TRUE(Has(gallery, "src=\"./tn_images/tn-000001.jpg\" alt=\"Photo 1\""));
    EXPECT_TRUE(Has(gallery, "<html lang=\"fr\">"));
}

// A site may speak another language than the program: its fixed words and
// default button texts follow the site's, the settings' list items do not.
TEST_F(PageWriterTest, TheSitesOwnLanguageGivesItsFixedWords) {
    settings.Store(SettingLine::SiteLanguage, "English");
    settings.Store(SettingLine::TodaysBrowsers, "1");
    settings.Store(SettingLine::ButtonsPosition, Word(TextId::PositionRight));
    texts.Write(2, "", "");
    Gallery(1, 1, 7);
    context.currentPage = "g1-000002.htm";
    context.previousPage = "g1-000001.htm";
    context.currentPicture = "000002.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string page = Page("g1-000002.htm");
    EXPECT_TRUE(Has(page, "<html lang=\"en\">"));
    EXPECT_TRUE(Has(page, "<title>Demo Picture 2</title>"));
    EXPECT_TRUE(Has(page, ">Previous</a>"));
    EXPECT_TRUE(Has(page, "<div style=\"text-align:right\">"))
        << "the position is still read in the program's language";
    ASSERT_TRUE(Writer().WriteSummaryPage());
    EXPECT_TRUE(Has(Page("index.html"), "<title>Contents Demo</title>"));
}

TEST_F(PageWriterTest, TheLastPictureIsNoLinkAndStripsFollowTheFormat) {
    settings.Store(SettingLine::PictureStrips, "3");
    Gallery(1, 1, 7);
    context.currentPage = "g1-000007.htm";
    context.previousPage = "g1-000006.htm";
    context.nextPage = "";
    context.currentPicture = "000007.jpg";
    Writer().WritePicturePage(7);
    const std::string align = "<DIV ALIGN=CENTER>";
    EXPECT_TRUE(Has(Page("g1-000007.htm"), "<img border=\"0\" src=\"./morc_images/000007-1.jpg\" alt=\"" +
                                               Word(TextId::PictureAlt) + "\" ></div>" + align +
                                               "<img border=\"0\" src=\"./morc_images/000007-2.jpg\" alt=\"" +
                                               Word(TextId::PictureAlt) + "\" ></div>" + align +
                                               "<img border=\"0\" src=\"./morc_images/000007-3.jpg\""));
    EXPECT_FALSE(Has(Page("g1-000007.htm"), ">" + Word(TextId::Next) + "</a>"));  // no next button

    context.currentPage = "g1-000006.htm";
    context.nextPage = "g1-000007.htm";
    context.currentPicture = "000006.gif";
    Writer().WritePicturePage(6);
    EXPECT_TRUE(Has(Page("g1-000006.htm"),
                    "<a href=\"g1-000007.htm\"><img border=\"0\" src=\"./web_images/000006.gif\" alt=\"" +
                        Word(TextId::PictureAlt) + "\" HSPACE=\"0\" VSPACE=\"10\" ></a>"));
}

TEST_F(PageWriterTest, WithoutGalleriesThereIsNoGalleryButton) {
    settings.Store(SettingLine::MakeGalleries, "0");
    Gallery(1, 1, 7);
    context.currentPage = "g1-000003.htm";
    context.previousPage = "g1-000002.htm";
    context.nextPage = "g1-000004.htm";
    context.galleryPage = "Gal1.htm";
    context.currentPicture = "000003.jpg";
    Writer().WritePicturePage(3);
    EXPECT_FALSE(Has(Page("g1-000003.htm"), "Gal1.htm"));
}

// "\xE7" is the Windows-1252 c cedilla the pages are written in.
TEST_F(PageWriterTest, TitlesAndNamesReadAsTypedWhileCommentsKeepTheirHtml) {
    settings.Store(SettingLine::SummaryTitle, "Mes \"photos\" <1>");
    settings.Store(SettingLine::GalleryName1, "Ponts & quais");
    settings.Store(SettingLine::GalleryName2, "<b>Mer</b>");
    texts.Write(2,
                "Le pont <vieux> & \xE7"
                "a",
                ToCommaList({"Voir <i>ici</i>", "<!--COMMENTAIRE--!>"}));
    Gallery(1, 1, 7);
    context.currentPage = "g1-000002.htm";
    context.currentPicture = "000002.jpg";
    PageWriter writer = Writer();
    ASSERT_TRUE(writer.WritePicturePage(2));
    const std::string picture = Page("g1-000002.htm");
    EXPECT_TRUE(Has(picture, "<title>Mes &quot;photos&quot; &lt;1&gt; " + Word(TextId::ImageTab) + " 2</title>"));
    EXPECT_TRUE(Has(picture,
                    "\r\nLe pont &lt;vieux&gt; &amp; \xE7"
                    "a\r\n"));
    EXPECT_TRUE(Has(picture, "Voir <i>ici</i> <br><!--COMMENTAIRE--!> <br>"));  // kept, and not stripped

    ASSERT_TRUE(writer.WriteGalleryPage(1));
    const std::string gallery = Page("Gal1.htm");
    EXPECT_TRUE(Has(gallery,
                    "<a href=\"g1-000002.htm\">Le pont &lt;vieux&gt; &amp; \xE7"
                    "a</a>"));
    EXPECT_TRUE(Has(gallery, "\r\nPonts &amp; quais\r\n"));  // the gallery's title block
    EXPECT_TRUE(Has(gallery, "<a href=\"Gal2.htm\">&lt;b&gt;Mer&lt;/b&gt;</a>"));

    context.galleryCount[1] = 7;
    ASSERT_TRUE(writer.WriteSummaryPage());
    const std::string summary = Page("index.html");
    EXPECT_TRUE(Has(summary, "<a href=\"Gal1.htm\">Ponts &amp; quais</a>"));
    EXPECT_TRUE(Has(summary, "\r\nMes &quot;photos&quot; &lt;1&gt;\r\n"));
    EXPECT_FALSE(Has(summary + gallery + picture, "<b>Mer"));
    EXPECT_TRUE(dialogs.shown.empty());
}

// A name typed as a marker line would move every later marker search of a
// sample that is rebuilt in place; escaped, it is plain text.
TEST_F(PageWriterTest, ANameTypedAsAMarkerLeavesTheSampleRebuildingInPlace) {
    settings.Store(SettingLine::SummaryTitle, "<!--TITRE1--!>");
    settings.Store(SettingLine::GalleryName1, "<!--SOMMAIRE2--!>");
    ASSERT_TRUE(Writer().WriteSample(PageKind::Summary));
    const std::string once = testing::ReadBytes(temp.Path() / "blanksom.htm");
    ASSERT_TRUE(Writer().WriteSample(PageKind::Summary));
    EXPECT_EQ(testing::ReadBytes(temp.Path() / "blanksom.htm"), once);
    EXPECT_TRUE(Has(once, "&lt;!--SOMMAIRE2--!&gt;"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PageWriterTest, TheSummaryLinksOnlyToGalleryPagesThatAreWritten) {
    for (int k = 1; k <= 3; ++k) settings.Store(GalleryLine(SettingLine::GalleryName1, k), "G" + std::to_string(k));
    Gallery(1, 1, 3);
    Gallery(3, 4, 7);
    context.galleryCount[1] = 0;  // an empty or reversed range: no page
    Writer().WriteSummaryPage();
    std::string page = Page("index.html");
    EXPECT_TRUE(Has(page, "<a href=\"Gal1.htm\">G1</a>"));
    EXPECT_TRUE(Has(page, "<a href=\"Gal3.htm\">G3</a>"));
    EXPECT_FALSE(Has(page, "Gal2.htm"));
    EXPECT_FALSE(Has(page, "G2"));
    // Two entries left, three per row: the first row is the last, never padded.
    EXPECT_FALSE(Has(page, "</TR><TR"));

    settings.Store(SettingLine::MakeGalleries, "0");  // no gallery page at all
    Writer().WriteSummaryPage();
    EXPECT_FALSE(Has(Page("index.html"), "Gal"));
}

TEST_F(PageWriterTest, PictureButtonsShowTheirPicturesAndAnEmptyPathShowsTheText) {
    settings.Store(SettingLine::ButtonMode, settings::WriteMode(settings::ButtonMode::Pictures));
    settings.Store(SettingLine::ButtonsAtTop, "1");
    const fs::path back = temp.Path() / "boutons" / "retour.gif";
    testing::WriteBytes(back, "GIF89a");
    settings.Store(SettingLine::BackButton, back.string());
    settings.Store(SettingLine::ContentsButton, "http://example.org/sommaire.gif");
    Gallery(2, 1, 7);
    context.currentPage = "g2-000002.htm";
    context.previousPage = "g2-000001.htm";
    context.nextPage = "g2-000003.htm";
    context.galleryPage = "Gal2.htm";
    context.currentPicture = "000002.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string page = Page("g2-000002.htm");
    const std::string backButton = "<a href=\"g2-000001.htm\"><img src=\"./param/retour.gif\"></a>";
    const std::string contents = "<a href=\"Gal2.htm\"><img src=\"http://example.org/sommaire.gif\"></a>";
    const std::string next = "<a href=\"g2-000003.htm\">" + Word(TextId::Next) + "</a>";
    for (const std::string& button : {backButton, contents, next}) {
        // once above the picture, once below
        const auto first = page.find(button);
        ASSERT_NE(first, std::string::npos) << button;
        EXPECT_NE(page.find(button, first + 1), std::string::npos) << button;
    }
    EXPECT_TRUE(fs::exists(project / "param" / "retour.gif"));
    EXPECT_FALSE(Has(page, "./param/" + Word(TextId::Next)));
    EXPECT_FALSE(fs::exists(project / "param" / Word(TextId::Next)));

    settings.Store(SettingLine::BackButton, "");
    ASSERT_TRUE(Writer().WritePicturePage(2));
    EXPECT_TRUE(Has(Page("g2-000002.htm"), "<a href=\"g2-000001.htm\">" + Word(TextId::Previous) + "</a>"));
    EXPECT_FALSE(Has(Page("g2-000002.htm"), "<img src=\"./param/"));
}

TEST_F(PageWriterTest, GalleryRowsBreakAndPadAsTheAlignmentSays) {
    settings.Store(SettingLine::GalleryTablePicturesPerRow, "3");
    settings.Store(SettingLine::GalleryThumbnailTitlesShown, "1");
    Gallery(1, 1, 7);
    const std::string pad = "<TD colspan=1></TD>";
    Writer().WriteGalleryPage(1);
    std::string page = Page("Gal1.htm");
    EXPECT_TRUE(Has(page, "\r\n</TR><TR colspan=6>\r\n"));               // entry 4: a full row follows
    EXPECT_TRUE(Has(page, "</TR><TR colspan=6>" + pad + pad + "\r\n"));  // entry 7, centred: round(1 + 1)

    settings.Store(SettingLine::GalleryTablePosition, Word(TextId::PositionLeft));
    Writer().WriteGalleryPage(1);
    EXPECT_FALSE(Has(Page("Gal1.htm"), pad));
    settings.Store(SettingLine::GalleryTablePosition, Word(TextId::PositionRight));
    Writer().WriteGalleryPage(1);
    EXPECT_TRUE(Has(Page("Gal1.htm"), "</TR><TR colspan=6>" + pad + pad + pad + pad + "\r\n"));
}

TEST_F(PageWriterTest, GalleryPagesLinkEveryOtherGalleryAndTheSummary) {
    settings.Store(SettingLine::GalleryName1, "Mer");
    settings.Store(SettingLine::MakeThumbnails, "1");
    context.galleryCount = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // as a build counts them: only "Mer" and this one
    Gallery(2, 5, 7);
    Writer().WriteGalleryPage(2);
    const std::string page = Page("Gal2.htm");
    EXPECT_TRUE(Has(page,
                    "<a href=\"g2-000005.htm\"><img border=\"1\" bordercolor=\"#D8D2C4\"  "
                    "src=\"./tn_images/tn-000005.jpg\" alt=\"\" ></a>"));
    EXPECT_TRUE(Has(page, "src=\"./web_images/000006.gif\""));  // no thumbnail for a GIF
    EXPECT_TRUE(Has(page, "<a href=\"g2-000007.htm\">Photo 7</a>"));
    EXPECT_TRUE(Has(page, "<a href=\"index.html\">" + Word(TextId::SummaryWord) + "</a>"));
    EXPECT_TRUE(Has(page, "<a href=\"Gal1.htm\">Mer</a>"));
    EXPECT_FALSE(Has(page, "Gal4.htm"));  // no page, no dead link
    EXPECT_FALSE(Has(page, "href=\"Gal2.htm\""));
    EXPECT_FALSE(Has(page, "000004.jpg"));
    EXPECT_FALSE(Has(page, "WIDTH="));

    settings.Store(SettingLine::MakePicturePages, "0");
    Writer().WriteGalleryPage(2);
    EXPECT_TRUE(Has(Page("Gal2.htm"), "<a href=\"./web_images/000005.jpg\">"));
    EXPECT_TRUE(Has(Page("Gal2.htm"), "<a href=\"g2-000005.htm\">Photo 5</a>"));  // titles still lead to the pages
}

TEST_F(PageWriterTest, TheSummaryCountsNamedEntriesAndPadsTheLastRow) {
    const std::string pad = "<TD colspan=1></TD>";
    for (int k = 1; k <= 3; ++k) {
        settings.Store(GalleryLine(SettingLine::GalleryName1, k), "G" + std::to_string(k));
        Gallery(k, 1, 7);
    }
    settings.Store(SettingLine::HomeLinkShown, "1");
    settings.Store(SettingLine::SummaryTableEntriesPerRow, "2");
    Writer().WriteSummaryPage();
    std::string page = Page("index.html");
    EXPECT_FALSE(Has(page, pad));  // remaining 2 = per row
    EXPECT_TRUE(Has(page, "<a href=\"Gal3.htm\">G3</a>"));
    EXPECT_TRUE(Has(page, "\r\n" + Word(TextId::Home) + "\r\n"));  // the home entry, with no address: no link
    EXPECT_TRUE(Has(page, "src=\"./tns_images/tns-000001.jpg\""));
    EXPECT_FALSE(Has(page, "Gal4.htm"));

    for (int k = 4; k <= 5; ++k) settings.Store(GalleryLine(SettingLine::GalleryName1, k), "G" + std::to_string(k));
    settings.Store(SettingLine::HomeLinkShown, "0");
    settings.Store(SettingLine::SummaryTableEntriesPerRow, "3");
    settings.Store(SettingLine::SummaryGalleryTitlesShown, "0");
    Writer().WriteSummaryPage();
    EXPECT_FALSE(Has(Page("index.html"), pad));  // centred: round(0.5) is 0
    settings.Store(SettingLine::SummaryTablePosition, Word(TextId::PositionRight));
    Writer().WriteSummaryPage();
    EXPECT_TRUE(Has(Page("index.html"), "</TR><TR colspan=3>" + pad + "\r\n"));

    settings.Store(SettingLine::SummaryGalleryPicturesShown, "0");
    Writer().WriteSummaryPage();
    EXPECT_FALSE(Has(Page("index.html"), "colspan=1"));
}

TEST_F(PageWriterTest, SamplesLinkToSamplesAndShowSampleTexts) {
    context.buildMode = false;
    context.currentPicture = "000001.jpg";
    PageWriter writer = Writer();
    PageLines page;
    page.Load(temp.Path() / "blankimg.htm");
    writer.WriteComment(page);
    std::string text;
    for (const auto& line : page.Lines()) text += line + "\n";
    EXPECT_TRUE(Has(text, Word(TextId::SampleComment1) + " <br>\n" + Word(TextId::SampleComment2) + " <br>\n" +
                              Word(TextId::SampleComment3) + " <br>"));

    page.Load(temp.Path() / "blankgal.htm");
    writer.WriteGalleryTable(page);
    text.clear();
    for (const auto& line : page.Lines()) text += line + "\n";
    EXPECT_TRUE(Has(text, "WIDTH=\"160\" HEIGHT=\"120\""));
    EXPECT_TRUE(Has(text, "<a href=\"blankimg.htm\">" + Word(TextId::PictureWord) + " 50</a>"));
    EXPECT_TRUE(Has(text, "<a href=\"blanksom.htm\">"));
}

TEST_F(PageWriterTest, EveryShippedTemplateCarriesEveryMarker) {
    for (const char* look : {"clair.htm", "moderne.htm", "carnet.htm", "ecrin.htm"}) {
        UseTemplates(look);
        settings.Store(SettingLine::GalleryName1, "Une");
        Gallery(1, 1, 7);
        context.currentPicture = "000001.jpg";
        context.currentPage = "g1-000001.htm";
        PageWriter writer = Writer();
        EXPECT_TRUE(writer.WriteSummaryPage());
        EXPECT_TRUE(writer.WriteGalleryPage(1));
        EXPECT_TRUE(writer.WritePicturePage(1));
        settings.Store(SettingLine::GalleryThumbnailTitlesShown, "0");
        settings.Store(SettingLine::ButtonsAtTop, "1");
        EXPECT_TRUE(writer.WriteGalleryPage(1));
        EXPECT_TRUE(writer.WritePicturePage(1));
        EXPECT_TRUE(dialogs.shown.empty()) << look << ": " << (dialogs.shown.empty() ? "" : dialogs.shown.front());
        settings.Store(SettingLine::GalleryThumbnailTitlesShown, "1");
        settings.Store(SettingLine::ButtonsAtTop, "0");
    }
}

std::size_t Occurrences(const std::string& page, const std::string& text) {
    std::size_t count = 0;
    for (auto at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) ++count;
    return count;
}

TEST_F(PageWriterTest, AGalleryLargerThanItsTemplateShowsItsFirstFifty) {
    for (int n = 8; n <= 80; ++n) {
        names.push_back(SixDigits(n) + ".jpg");
        texts.Write(n, "Photo " + std::to_string(n), "");
    }
    Gallery(1, 1, 80);
    EXPECT_TRUE(Writer().WriteGalleryPage(1));
    EXPECT_TRUE(dialogs.shown.empty());
    const std::string page = Page(site_layout::GalleryPage(1));
    EXPECT_EQ(Occurrences(page, "<img border="), 50u);
    for (int n : {1, 7, 8, 50}) {
        EXPECT_TRUE(Has(page, "<a href=\"g1-" + SixDigits(n) + ".htm\"><img ")) << n;
        EXPECT_TRUE(Has(page, ">Photo " + std::to_string(n) + "</a>")) << n;
    }
    EXPECT_FALSE(Has(page, "g1-000051.htm"));
    EXPECT_FALSE(Has(page, "Photo 51<"));
}

TEST_F(PageWriterTest, AMissingWorkingTemplateWritesNothing) {
    fs::remove(temp.Path() / "blankimg.htm");
    EXPECT_FALSE(Writer().WritePicturePage(1));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PageWriterTest, ATemplateLackingMarkersIsToldAndStillGivesAPage) {
    testing::WriteBytes(temp.Path() / "blanksom.htm", "<html>\r\n<body>\r\n</body>\r\n</html>\r\n");
    Gallery(1, 1, 7);
    PageWriter writer = Writer();
    EXPECT_TRUE(writer.WriteSummaryPage());
    EXPECT_TRUE(writer.WriteSummaryPage());
    writer.TellMissingMarkers();
    ASSERT_EQ(dialogs.shown.size(), 1u);  // one message for them all, each name once
    EXPECT_EQ(dialogs.shown.front().rfind(Word(TextId::MissingMarker) + " TITRE, ", 0), 0u) << dialogs.shown.front();
    EXPECT_EQ(dialogs.shown.front().find("TITRE,", dialogs.shown.front().find("TITRE,") + 1), std::string::npos);
    EXPECT_TRUE(fs::exists(project / "index.html"));
}

// Every shipped template, as a preview sample: no marker is missing, every
// link leads to one of the three samples or out of the site, and a second
// rebuild in place gives the same page.
TEST_F(PageWriterTest, EveryTemplateMakesSamplesThatLinkOnlyToSamplesAndRebuildInPlace) {
    const std::string samples[] = {"blanksom.htm", "blankgal.htm", "blankimg.htm"};
    for (const std::string model : {"clair.htm", "moderne.htm", "carnet.htm", "ecrin.htm"}) {
        UseTemplates(model);
        for (PageKind kind : {PageKind::Summary, PageKind::Gallery, PageKind::Picture}) {
            const fs::path sample = temp.Path() / samples[static_cast<int>(kind)];
            PageWriter writer = Writer();
            ASSERT_TRUE(writer.WriteSample(kind)) << model;
            writer.TellMissingMarkers();
            const std::string once = testing::ReadBytes(sample);
            ASSERT_TRUE(Writer().WriteSample(kind));
            EXPECT_EQ(testing::ReadBytes(sample), once) << model << " " << sample;
            EXPECT_TRUE(Has(once, "<!--TABLEAU-->") || Has(once, "<!-- TABLEAU -->") || Has(once, "TABLEAU"))
                << "markers kept";
            for (std::size_t at = once.find("href=\""); at != std::string::npos; at = once.find("href=\"", at + 1)) {
                const std::string target = once.substr(at + 6, once.find('"', at + 6) - at - 6);
                const bool toSample = target == samples[0] || target == samples[1] || target == samples[2];
                const bool outside = target.rfind("http", 0) == 0 || target.rfind("mailto:", 0) == 0 ||
                                     target.empty() || target.front() == '#';
                EXPECT_TRUE(toSample || outside) << model << " " << sample << ": " << target;
            }
        }
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
}

// The samples show the user's own site: each gallery its own cover, the
// first gallery's pictures with their titles, its first picture's comment.
TEST_F(PageWriterTest, SamplesShowTheUsersCoversTitlesAndComment) {
    settings.Store(SettingLine::GalleryThumbnailTitlesShown, "1");
    settings.Store(SettingLine::GalleryName2, "Hills");
    SamplePictures samples;
    samples.gallery = {{"preview/p1.jpg", 1}, {"preview/p2.jpg", 2}};
    samples.covers = {{"preview/p1.jpg", 1}, {"preview/p5.jpg", 5}};
    index = PictureTextIndex(texts);
    PageWriter writer({folder, "Demo", language, settings, index, names, {}, samples}, context, dialogs);
    ASSERT_TRUE(writer.WriteSample(PageKind::Gallery));
    ASSERT_TRUE(writer.WriteSample(PageKind::Summary));
    ASSERT_TRUE(writer.WriteSample(PageKind::Picture));

    const std::string gallery = testing::ReadBytes(temp.Path() / "blankgal.htm");
    EXPECT_NE(gallery.find(">Photo 2<"), std::string::npos);
    EXPECT_EQ(gallery.find("preview/p1.jpg", gallery.find("preview/p2.jpg")), std::string::npos)  // two entries, not 50
        << gallery;
    const std::string summary = testing::ReadBytes(temp.Path() / "blanksom.htm");
    EXPECT_NE(summary.find("src=\"./preview/p5.jpg\""), std::string::npos);
    const std::string picture = testing::ReadBytes(temp.Path() / "blankimg.htm");
    EXPECT_NE(picture.find("Photo 1"), std::string::npos);
    EXPECT_NE(picture.find("Ligne deux"), std::string::npos);
    EXPECT_EQ(picture.find(Word(TextId::SampleComment1)), std::string::npos);
}

// A sample is written again in place, and the build reads it: the style
// sheet of pages for today's browsers is written once however often, and
// goes when the setting is turned off, leaving the designed bytes.
TEST_F(PageWriterTest, ASampleForTodaysBrowsersRebuildsInPlaceAndTurnsBackToTheDesignedBytes) {
    for (PageKind kind : {PageKind::Summary, PageKind::Gallery, PageKind::Picture}) {
        const fs::path sample = temp.Path() / std::array{"blanksom.htm", "blankgal.htm", "blankimg.htm"}[int(kind)];
        settings.Store(SettingLine::TodaysBrowsers, "0");
        ASSERT_TRUE(Writer().WriteSample(kind));
        const std::string designed = testing::ReadBytes(sample);
        settings.Store(SettingLine::TodaysBrowsers, "1");
        ASSERT_TRUE(Writer().WriteSample(kind));
        const std::string today = testing::ReadBytes(sample);
        ASSERT_TRUE(Writer().WriteSample(kind));
        EXPECT_EQ(testing::ReadBytes(sample), today) << sample;
        EXPECT_EQ(Occurrences(today, "<style id=\"page-settings\">"), 1u) << sample;
        EXPECT_LT(today.find("<style id=\"page-settings\">"), today.find("</head>")) << sample;
        settings.Store(SettingLine::TodaysBrowsers, "0");
        ASSERT_TRUE(Writer().WriteSample(kind));
        EXPECT_EQ(testing::ReadBytes(sample), designed) << sample;
    }
}

// What the designed pages say with attributes, pages for today's browsers
// say with style properties, and the picture buttons name where they lead.
TEST_F(PageWriterTest, APicturePageForTodaysBrowsersGivesItsAttributesAsStyle) {
    settings.Store(SettingLine::TodaysBrowsers, "1");
    settings.Store(SettingLine::PictureBorderWidth, "2");
    settings.Store(SettingLine::PictureBorderColour, "255");
    settings.Store(SettingLine::PictureSpaceHorizontal, "5");
    settings.Store(SettingLine::PictureSpaceVertical, "0");
    settings.Store(SettingLine::PictureTableCellPadding, "7");
    settings.Store(SettingLine::ButtonMode, settings::WriteMode(settings::ButtonMode::Pictures));
    const fs::path button = temp.Path() / "avant.gif";
    testing::WriteBytes(button, "GIF89a");
    settings.Store(SettingLine::BackButton, button.string());
    Gallery(3, 1, 7);
    context.currentPage = "g3-000002.htm";
    context.previousPage = "g3-000001.htm";
    context.currentPicture = "000002.jpg";
    ASSERT_TRUE(Writer().WritePicturePage(2));
    const std::string page = Page("g3-000002.htm");
    EXPECT_TRUE(Has(page,
                    "<img class=\"photo\" src=\"./web_images/000002.jpg\" alt=\"Photo 2\" "
                    "style=\"border:2px solid #FF0000;margin:0px 5px\">"));
    EXPECT_TRUE(Has(page, "<table class=\"frame\">"));
    EXPECT_TRUE(Has(page, "table.frame > * > tr > td { padding: 7px; }"));
    EXPECT_TRUE(
        Has(page, "<img src=\"./param/avant.gif\" alt=\"" + Utf8FromCp1252(Word(TextId::Previous)).Bytes() + "\""));
    for (const char* designed : {"<DIV", "<font", "<TD", "HSPACE", "bgcolor"}) EXPECT_FALSE(Has(page, designed));

    // A home link without a picture is no empty picture, with titles or without.
    settings.Store(SettingLine::HomeLinkShown, "1");
    settings.Store(SettingLine::HomeLink, "http://example.org/");
    for (const char* titles : {"1", "0"}) {
        settings.Store(SettingLine::SummaryGalleryTitlesShown, titles);
        ASSERT_TRUE(Writer().WriteSummaryPage());
        EXPECT_EQ(Occurrences(Page("index.html"), "<a href=\"http://example.org/\">" + Word(TextId::Home) + "</a>"),
                  1u);
        EXPECT_FALSE(Has(Page("index.html"), "src=\"\""));
    }
}

TEST_F(PageWriterTest, APictureSampleShowsTheSampleTitleAndSettingsChangeItOnTheNextRebuild) {
    settings.Store(SettingLine::PictureTitleColour, "255");
    ASSERT_TRUE(Writer().WriteSample(PageKind::Picture));
    const std::string page = testing::ReadBytes(temp.Path() / "blankimg.htm");
    EXPECT_TRUE(Has(page, Word(TextId::SampleTitle)));
    EXPECT_TRUE(Has(page, "#FF0000"));
    EXPECT_FALSE(fs::exists(project / "blankimg.htm"));  // nothing is written into the project

    settings.Store(SettingLine::PictureTitleColour, "65280");
    ASSERT_TRUE(Writer().WriteSample(PageKind::Picture));
    EXPECT_TRUE(Has(testing::ReadBytes(temp.Path() / "blankimg.htm"), "#00FF00"));
}

}  // namespace
}  // namespace palimora
