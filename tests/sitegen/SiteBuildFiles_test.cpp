// The files a build reads and writes besides the pages' own lines: the old
// output it clears, the pictures it copies into param, the header and footer
// files, the templates it installs and the stamped, size-limited pictures.

#include "sitegen/Markers.h"
#include "styles/SettingsLayout.h"
#include "tests/sitegen/SiteBuildFixture.h"
#include "tests/support/ImmutableFile.h"

#include <algorithm>
#include <sstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

constexpr auto npos = std::string::npos;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A shipped template with its title block moved into its table, as the first
// row, with the slot lines the writer fills around it.
void MoveTitleIntoTable(const fs::path& shipped, const fs::path& moved) {
    std::vector<std::string> lines = Lines(testing::ReadBytes(shipped));
    const auto at = [&lines](const char* marker) {
        return std::find(lines.begin(), lines.end(), MarkerLine(marker)) - lines.begin();
    };
    const auto title = at("TITREIMAGE"), end = at("FINTITREIMAGE");
    ASSERT_LT(title, end);
    std::vector<std::string> block(lines.begin() + title, lines.begin() + end + 1);
    lines.erase(lines.begin() + title, lines.begin() + end + 1);
    block.insert(block.begin(), 2, std::string());  // row and cell openings
    block.insert(block.end(), 2, std::string());    // cell closing, next row
    const auto table = at("TABLEAU");
    ASSERT_LT(table + 3, static_cast<long>(lines.size()));
    if (lines[table + 3] == "<TR>") lines.erase(lines.begin() + table + 3);  // the block's row break opens the next row
    lines.insert(lines.begin() + table + 3, block.begin(), block.end());
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    testing::WriteBytes(moved, text);
}

// Where `pieces` stand in `page`, each searched after the one before; npos
// for the first one missing and all after it.
std::vector<std::size_t> InOrder(const std::string& page, const std::vector<std::string>& pieces) {
    std::vector<std::size_t> found;
    std::size_t from = 0;
    for (const std::string& piece : pieces) {
        from = from == npos ? npos : page.find(piece, from);
        found.push_back(from);
    }
    return found;
}

TEST_F(SiteBuildTest, ParamKeepsAFileHoweverTheSettingSpellsItsFolder) {
    testing::WriteBytes(project / "param" / "fond.jpg", "background");
    testing::WriteBytes(project / "param" / "motif.gif", "pattern");
    testing::WriteBytes(project / "param" / "old.gif", "stale");
    testing::WriteBytes(temp.Path() / "elsewhere" / "old.gif", "fresh");
    settings.Store(SettingLine::SummaryBackgroundPicture, (project / "param" / "." / "fond.jpg").string());
    settings.Store(SettingLine::GalleryBackgroundPicture, project.string() + "/param/../param//motif.gif");
    // The same name in another folder: param's file goes, and the setting's file is copied in.
    settings.Store(SettingLine::PicturePageBackgroundPicture, (temp.Path() / "elsewhere" / "old.gif").string());
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_EQ(testing::ReadBytes(project / "param" / "fond.jpg"), "background");
    EXPECT_EQ(testing::ReadBytes(project / "param" / "motif.gif"), "pattern");
    EXPECT_EQ(testing::ReadBytes(project / "param" / "old.gif"), "fresh");
    EXPECT_NE(testing::ReadBytes(project / "index.html").find("background=\"./param/fond.jpg\""), npos);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
}

TEST_F(SiteBuildTest, APictureParamCannotReceiveIsToldOnceAndTheBuildGoesOn) {
    const fs::path missing = temp.Path() / "parti.jpg";
    const fs::path alsoMissing = temp.Path() / "absent" / "table.gif";
    settings.Store(SettingLine::SummaryBackgroundPicture, missing.string());
    settings.Store(SettingLine::GalleryTableBackgroundPicture, alsoMissing.string());
    settings.Store(SettingLine::PicturePageBackgroundPicture, missing.string());  // on each of the five pages
    ASSERT_EQ(Build(), BuildOutcome::Built);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0],
              Word(TextId::ParamCopyFailed) + " " + missing.string() + ", " + alsoMissing.string() + ".");
    EXPECT_NE(testing::ReadBytes(project / "g1-000005.htm").find("background=\"./param/parti.jpg\""), npos);
    EXPECT_TRUE(Exists("tn_images/tn-000005.jpg"));

    dialogs.shown.clear();
    testing::WriteBytes(missing, "found again");
    testing::WriteBytes(alsoMissing, "found again");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();  // each build tells its own failures
}

// The immutable mark stops root too, so the test holds when run as root.
TEST_F(SiteBuildTest, AnOldFileThatCannotBeDeletedIsLeftAndTheClearingGoesOn) {
    testing::WriteBytes(project / "aaa-old.htm", "stuck");
    testing::WriteBytes(project / "zzz-old.htm", "stale");
    testing::WriteBytes(project / "tn_images" / "aaa-old.jpg", "stuck");
    testing::WriteBytes(project / "tn_images" / "zzz-old.jpg", "stale");
    const testing::ImmutableFile stuckPage(project / "aaa-old.htm");
    const testing::ImmutableFile stuckPicture(project / "tn_images" / "aaa-old.jpg");
    if (!stuckPage.Marked() || !stuckPicture.Marked())
        GTEST_SKIP() << "this file system or process cannot mark files immutable";
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
    EXPECT_TRUE(Exists("aaa-old.htm"));
    EXPECT_FALSE(Exists("zzz-old.htm"));
    EXPECT_TRUE(Exists("tn_images/aaa-old.jpg"));
    EXPECT_FALSE(Exists("tn_images/zzz-old.jpg"));
    EXPECT_TRUE(Exists("tn_images/tn-000005.jpg"));
}

TEST_F(SiteBuildTest, HeaderAndFooterFilesGoIntoEveryBuiltPageAndAMissingOneIsTold) {
    const fs::path header = temp.Path() / "haut.htm";
    const fs::path footer = temp.Path() / "bas.htm";
    testing::WriteBytes(header, "<p>Mon en-tete</p>\n<hr>\n");
    testing::WriteBytes(footer, "<p>Pied de page</p>\r\n");
    for (const auto& [top, bottom] : {std::pair{SettingLine::SummaryTopHtml, SettingLine::SummaryBottomHtml},
                                      std::pair{SettingLine::GalleryTopHtml, SettingLine::GalleryBottomHtml},
                                      std::pair{SettingLine::PictureTopHtml, SettingLine::PictureBottomHtml}}) {
        settings.Store(top, header.string());
        settings.Store(bottom, footer.string());
    }
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
    for (const char* name : {"index.html", "Gal1.htm", "g1-000003.htm"}) {
        const std::vector<std::size_t> found =
            InOrder(testing::ReadBytes(project / name),
                    {"<BODY", "<p>Mon en-tete</p>\r\n<hr>\r\n", "<TABLE", "<p>Pied de page</p>\r\n"});
        EXPECT_NE(found.back(), npos) << name;  // each piece found, in this order
    }

    fs::remove(header);
    dialogs.shown.clear();
    ASSERT_EQ(Build(), BuildOutcome::Built);
    // Told once for the whole build, not once a page.
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{Word(TextId::MissingHeader)});
    const std::string page = testing::ReadBytes(project / "g1-000003.htm");
    EXPECT_EQ(page.find("Mon en-tete"), npos);
    EXPECT_NE(page.find("<p>Pied de page</p>"), npos);
}

TEST_F(SiteBuildTest, ATitleBlockInsideTheTableTakesARowAsWideAsTheEntries) {
    MoveTitleIntoTable(temp.Path() / "models" / "galeries" / "clair.htm",
                       temp.Path() / "models" / "galeries" / "dedans.htm");
    MoveTitleIntoTable(temp.Path() / "models" / "sommaires" / "clair.htm",
                       temp.Path() / "models" / "sommaires" / "dedans.htm");
    settings.Store(SettingLine::GalleryTemplate, "dedans.htm");
    settings.Store(SettingLine::SummaryTemplate, "dedans.htm");
    settings.Store(SettingLine::GalleryTitleShown, "1");
    settings.Store(SettingLine::SummaryTitleShown, "1");
    settings.Store(SettingLine::GalleryName1, "Vacances");
    settings.Store(SettingLine::SummaryTitle, "Mes photos");
    settings.Store(SettingLine::GalleryTablePicturesPerRow, "3");
    settings.Store(SettingLine::GalleryThumbnailTitlesShown, "1");  // a picture cell and a title cell per entry
    settings.Store(SettingLine::SummaryTableEntriesPerRow, "2");
    settings.Store(SettingLine::SummaryGalleryPicturesShown, "1");
    settings.Store(SettingLine::SummaryGalleryTitlesShown, "0");  // one cell per entry
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();

    const auto row = [](const std::string& title, int span) {
        const std::string n = std::to_string(span);
        return std::vector<std::string>{"<TABLE", "<TR colspan=" + n + ">",     "<TD colspan=" + n + ">", title,
                                        "</TD>",  "</TR><TR colspan=" + n + ">"};
    };
    const auto missingPiece = [](const std::vector<std::size_t>& found) {
        return std::find(found.begin(), found.end(), npos) - found.begin();
    };
    const std::vector<std::size_t> inGallery = InOrder(testing::ReadBytes(project / "Gal1.htm"), row("Vacances", 6));
    EXPECT_NE(inGallery.back(), npos) << "missing from piece " << missingPiece(inGallery);
    const std::vector<std::size_t> inSummary =
        InOrder(testing::ReadBytes(project / "index.html"), row("Mes photos", 2));
    EXPECT_NE(inSummary.back(), npos) << "missing from piece " << missingPiece(inSummary);
    // The entries follow the title's row, inside the same table.
    const std::string galleryPage = testing::ReadBytes(project / "Gal1.htm");
    EXPECT_LT(inGallery.back(), galleryPage.find("tn_images/tn-000001.jpg"));
}

TEST_F(SiteBuildTest, TheStampLandsInEachCornerOfTheSizeLimitedPicture) {
    testing::WriteBmp(temp.Path() / "stamp.bmp", testing::Plain(20, 10, {255, 255, 0}));
    settings.Store(SettingLine::LargestPictureWidth, "200");
    settings.Store(SettingLine::LargestPictureHeight, "150");
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, (temp.Path() / "stamp.bmp").string());
    settings.Store(SettingLine::CopyrightDistance, "4");
    // The stamp's top-left corner in a 200 x 150 picture, 4 pixels from the edges, for each corner text.
    const std::pair<TextId, std::pair<int, int>> corners[] = {{TextId::CornerBottomRight, {176, 136}},
                                                              {TextId::CornerBottomLeft, {4, 136}},
                                                              {TextId::CornerTopRight, {176, 4}},
                                                              {TextId::CornerTopLeft, {4, 4}}};
    const Rgb yellow{255, 255, 0};
    for (const auto& [corner, at] : corners) {
        SCOPED_TRACE(Word(corner));
        for (int n = 1; n <= 5; ++n) {
            EncodeJpeg(testing::Quadrants(400, 300), project / "images" / ("00000" + std::to_string(n) + ".jpg"));
        }
        settings.Store(SettingLine::CopyrightCorner, Word(corner));
        ASSERT_EQ(Build(), BuildOutcome::Built);
        EXPECT_EQ(ReadJpegSize(project / "images" / "000004.jpg").width, 400);  // the photo as given
        const Image picture = DecodeJpeg(project / "web_images" / "000004.jpg");
        ASSERT_EQ(picture.width, 200);
        ASSERT_EQ(picture.height, 150);
        const auto [x, y] = at;
        EXPECT_TRUE(Near(PixelAt(picture, x + 2, y + 2), yellow, 40));  // the stamp at its own size,
        EXPECT_TRUE(Near(PixelAt(picture, x + 17, y + 7), yellow, 40));
        EXPECT_FALSE(Near(PixelAt(picture, x - 3, y + 5), yellow, 40));  // the margin kept clear
        EXPECT_FALSE(Near(PixelAt(picture, x + 23, y + 5), yellow, 40));
        EXPECT_FALSE(Near(PixelAt(picture, x + 10, y + 13), yellow, 40));
        EXPECT_FALSE(
            Near(PixelAt(picture, 200 - x - 20 + 10, 150 - y - 10 + 5), yellow, 40));  // nothing in the opposite corner
    }
}

// Style words are kept in the language the program spoke when they were
// chosen: a French project with a stamp, alignments, a style and the
// browser's font gives the same pages and pictures whatever language the
// program speaks when it builds.
TEST_F(SiteBuildTest, AProjectBuildsTheSameSiteInEveryLanguageOfTheProgram) {
    testing::WriteBmp(temp.Path() / "stamp.bmp", testing::Plain(20, 10, {255, 255, 0}));
    settings.Store(SettingLine::SiteLanguage, Word(TextId::LanguageName));
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, (temp.Path() / "stamp.bmp").string());
    settings.Store(SettingLine::CopyrightCorner, Word(TextId::CornerBottomLeft));
    settings.Store(SettingLine::CommentPosition, Word(TextId::PositionLeft));
    settings.Store(SettingLine::CommentStyle, Word(TextId::StyleBold));
    settings.Store(SettingLine::CommentFont, Word(TextId::BrowserFont));
    texts.Write(2, "Photo 2", "Au bord de l'eau");
    const auto site = [&] {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(project)) {
            const std::string name = fs::relative(entry.path(), project).generic_string();
            if (entry.is_regular_file() && name != "derived.dat" && !name.ends_with(".ini"))
                files[name] = testing::ReadBytes(entry.path());
        }
        return files;
    };
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const auto french = site();
    for (const char* code : {"english", "german", "spanish"}) {
        SCOPED_TRACE(code);
        fs::remove(project / "derived.dat");               // every picture made again
        ASSERT_TRUE(language.LoadForPages(folder, code));  // the program speaking that language
        ASSERT_EQ(Build(), BuildOutcome::Built);
        const auto built = site();
        EXPECT_EQ(built.size(), french.size());
        for (const auto& [name, bytes] : built) EXPECT_TRUE(french.count(name) && french.at(name) == bytes) << name;
    }
}

}  // namespace
}  // namespace palimora
