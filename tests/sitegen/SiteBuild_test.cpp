#include "tests/sitegen/SiteBuildFixture.h"

#include "imaging/PictureReader.h"
#include "sitegen/DerivedPictures.h"
#include "sitegen/DerivedRecord.h"

#include <map>

namespace palimora {
namespace {

namespace fs = std::filesystem;

TEST_F(SiteBuildTest, ABuildWritesEveryPageAndPictureAndReportsEachStep) {
    ASSERT_EQ(Build(), BuildOutcome::Built);
    for (const char* page : {"index.html", "Gal1.htm", "g1-000001.htm", "g1-000005.htm", "tn_images/tn-000003.jpg",
                             "tns_images/tns-000001.jpg"}) {
        EXPECT_TRUE(Exists(page)) << page;
    }
    EXPECT_FALSE(Exists("Gal2.htm"));
    EXPECT_EQ(progress.maximum, 2 * 5 + 11);
    EXPECT_EQ(progress.steps, 2 * 5 + 12);
    EXPECT_EQ(progress.statuses.front(), Word(TextId::RemovingOldSite));
    EXPECT_EQ(progress.statuses[1], Word(TextId::GalleryPageStatus) + " 1");
    EXPECT_EQ(progress.statuses[11], Word(TextId::PicturePageStatus) + " 1");
    EXPECT_EQ(progress.statuses[16], Word(TextId::PreparingPicture) + " 1");
    EXPECT_EQ(progress.statuses.back(), Word(TextId::SiteReady));
    for (const char* sample : {"blanksom.htm", "blankgal.htm", "blankimg.htm"})
        EXPECT_FALSE(fs::exists(temp.Path() / sample));
    EXPECT_FALSE(context.buildMode);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SiteBuildTest, WithoutGalleriesEveryPictureIsChainedInGalleryOne) {
    settings.Store(SettingLine::MakeGalleries, "0");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_FALSE(Exists("Gal1.htm"));
    const std::string third = testing::ReadBytes(project / "g1-000003.htm");
    EXPECT_NE(third.find("href=\"g1-000004.htm\""), std::string::npos);
    EXPECT_NE(third.find("href=\"g1-000002.htm\""), std::string::npos);
}

TEST_F(SiteBuildTest, APictureInTwoGalleriesGetsTwoPagesWithTheirOwnNeighbours) {
    settings.Store(SettingLine::GalleryName2, "Deux");
    settings.Store(SettingLine::GalleryFirstPicture2, "000002.jpg");
    settings.Store(SettingLine::GalleryLastPicture2, "000004.jpg");
    settings.Store(SettingLine::GalleryName3, "Trois");
    settings.Store(SettingLine::GalleryFirstPicture3, "000003.jpg");
    settings.Store(SettingLine::GalleryLastPicture3, "000005.jpg");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const std::string inTwo = testing::ReadBytes(project / "g2-000003.htm");
    const std::string inThree = testing::ReadBytes(project / "g3-000003.htm");
    EXPECT_NE(inTwo.find("href=\"g2-000002.htm\""), std::string::npos);
    EXPECT_EQ(inThree.find("g3-000002.htm"), std::string::npos);  // first of gallery 3: no previous page
    EXPECT_TRUE(Exists("Gal2.htm"));
    EXPECT_TRUE(Exists("tns_images/tns-000003.jpg"));
}

TEST_F(SiteBuildTest, ACancelLeavesNoEntryPageBehind) {
    ASSERT_EQ(Build(), BuildOutcome::Built);
    progress = {};
    progress.cancelAt = Word(TextId::PicturePageStatus) + " 2";
    EXPECT_EQ(Build(), BuildOutcome::Cancelled);
    for (const char* page : {"index.html", "Gal1.htm", "g1-000001.htm"}) EXPECT_FALSE(Exists(page)) << page;
    EXPECT_FALSE(fs::exists(temp.Path() / "blankimg.htm"));
}

// A site built again without its summary keeps no index.html of the build
// before (it would be published); the start page is then the first gallery.
TEST_F(SiteBuildTest, AnEntryPageNoLongerWrittenDoesNotOutliveItsBuild) {
    ASSERT_EQ(Build(), BuildOutcome::Built);
    ASSERT_TRUE(Exists("index.html"));
    EXPECT_EQ(SiteStartPage(project, settings, true), project / "index.html");

    settings.Store(SettingLine::MakeSummary, "0");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_FALSE(Exists("index.html"));
    EXPECT_EQ(SiteStartPage(project, settings, true), project / "Gal1.htm");

    settings.Store(SettingLine::MakeGalleries, "0");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_FALSE(Exists("Gal1.htm"));
    EXPECT_EQ(SiteStartPage(project, settings, true), project / "g1-000001.htm");
    fs::remove(project / "g1-000001.htm");
    EXPECT_EQ(SiteStartPage(project, settings, true), std::nullopt);
    EXPECT_EQ(SiteStartPage(project, settings, false), project / "g1-000001.htm");
}

TEST_F(SiteBuildTest, TheParamFolderKeepsOnlyFilesThatSettingsName) {
    testing::WriteBytes(project / "param" / "fond.jpg", "background");
    testing::WriteBytes(project / "param" / "old.gif", "stale");
    settings.Store(SettingLine::SummaryBackgroundPicture, (project / "param" / "fond.jpg").string());
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(Exists("param/fond.jpg"));
    EXPECT_FALSE(Exists("param/old.gif"));
}

TEST_F(SiteBuildTest, ADamagedPictureEndsTheRunAfterThePicturesBeforeIt) {
    testing::CutFile(project / "images" / "000003.jpg", 500);
    EXPECT_EQ(Build(), BuildOutcome::Failed);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Error 6: ", 0), 0u);
    EXPECT_TRUE(Exists("tn_images/tn-000002.jpg"));
    EXPECT_FALSE(Exists("tn_images/tn-000004.jpg"));  // one-thread order, whatever the workers did
}

TEST_F(SiteBuildTest, PicturesInNoGalleryAreCountedAndAnUnreadableOneIsSkippedNotFatal) {
    settings.Store(SettingLine::GalleryLastPicture1, "000003.jpg");  // pictures 4 and 5 in no gallery
    testing::WriteBytes(project / "images" / "000005.jpg", "root:x:0:0\n");
    EXPECT_EQ(Build(), BuildOutcome::Built);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0], Word(TextId::PicturesInNoGallery) + " 2");
    EXPECT_EQ(dialogs.shown[1].rfind(Word(TextId::UnreadablePictureSkipped), 0), 0u) << dialogs.shown[1];
    EXPECT_NE(dialogs.shown[1].find("000005.jpg"), std::string::npos);
    EXPECT_TRUE(Exists("tn_images/tn-000004.jpg"));

    // In a gallery, the same picture still stops the build.
    settings.Store(SettingLine::GalleryLastPicture1, "000005.jpg");
    dialogs.shown.clear();
    EXPECT_EQ(Build(), BuildOutcome::Failed);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Error 6: ", 0), 0u);
}

TEST_F(SiteBuildTest, AFileSystemFailureIsToldInWordsNotAsARawError) {
    std::filesystem::create_directories(project);
    testing::WriteBytes(project / "tn_images", "a file where the thumbnails go");
    EXPECT_EQ(Build(), BuildOutcome::Failed);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind(Word(TextId::FileUnusable), 0), 0u) << dialogs.shown[0];
    EXPECT_NE(dialogs.shown[0].find("tn_images"), std::string::npos);
}

TEST_F(SiteBuildTest, ADamagedStampIsToldByItsOwnName) {
    const fs::path stamp = temp.Path() / "signature.jpg";
    testing::WriteBytes(stamp, "not a picture at all");
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, stamp.string());
    EXPECT_EQ(Build(), BuildOutcome::Failed);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("signature.jpg"), std::string::npos) << dialogs.shown[0];
    EXPECT_EQ(dialogs.shown[0].find("000001.jpg"), std::string::npos) << dialogs.shown[0];
}

// Stamping ticked with no stamp picture chosen: nothing to stamp, and the
// user's photos are not blamed for a picture that was never named.
TEST_F(SiteBuildTest, StampingWithoutAStampPictureStampsNothing) {
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, "");
    EXPECT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
}

// The values of every `attribute="..."` of the pages of a project folder.
std::vector<std::pair<std::string, std::string>> References(const fs::path& project, const std::string& attribute) {
    std::vector<std::pair<std::string, std::string>> found;
    const std::string opening = attribute + "=\"";
    for (const auto& entry : fs::directory_iterator(project)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".htm") == std::string::npos) continue;
        const std::string page = testing::ReadBytes(entry.path());
        for (std::size_t at = page.find(opening); at != std::string::npos; at = page.find(opening, at + 1)) {
            const std::size_t begin = at + opening.size();
            found.emplace_back(name, page.substr(begin, page.find('"', begin) - begin));
        }
    }
    return found;
}

// The `<img ...>` tags of the pages of a project folder.
std::vector<std::pair<std::string, std::string>> PictureTags(const fs::path& project) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& entry : fs::directory_iterator(project)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".htm") == std::string::npos) continue;
        const std::string page = testing::ReadBytes(entry.path());
        for (std::size_t at = page.find("<img"); at != std::string::npos; at = page.find("<img", at + 1)) {
            found.emplace_back(name, page.substr(at, page.find('>', at) - at));
        }
    }
    return found;
}

std::string AttributeOf(const std::string& tag, const std::string& attribute) {
    const std::string opening = " " + attribute + "=\"";
    const std::size_t at = tag.find(opening);
    if (at == std::string::npos) return {};
    const std::size_t begin = at + opening.size();
    return tag.substr(begin, tag.find('"', begin) - begin);
}

TEST_F(SiteBuildTest, EveryTemplateGivesPagesWhoseLinksAndPicturesAllExist) {
    for (int n = 6; n <= 23; ++n) {
        const std::string name = (n < 10 ? "00000" : "0000") + std::to_string(n) + (n == 12 ? ".gif" : ".jpg");
        if (n == 12) {
            testing::WriteGif(project / "images" / name, 30, 20, {{10, 20, 30}, {40, 50, 60}});
        } else {
            EncodeJpeg(testing::Quadrants(120, 90), project / "images" / name);
        }
        texts.Write(n, "Photo " + std::to_string(n), "\"Un commentaire\"");
    }
    const std::pair<int, int> ranges[] = {{1, 8}, {9, 15}, {16, 23}};
    for (int k = 0; k < 3; ++k) {
        settings.Store(GalleryLine(SettingLine::GalleryName1, k + 1), "Galerie " + std::to_string(k + 1));
        const auto [first, last] = ranges[k];
        settings.Store(GalleryLine(SettingLine::GalleryFirstPicture1, k + 1),
                       (first < 10 ? "00000" : "0000") + std::to_string(first) + ".jpg");
        settings.Store(GalleryLine(SettingLine::GalleryLastPicture1, k + 1),
                       (last < 10 ? "00000" : "0000") + std::to_string(last) + ".jpg");
    }
    settings.Store(SettingLine::PictureStrips, "2");  // strips, so that morc_images is referenced too
    // Size-limited pictures, and the sizes of every picture written into the pages.
    settings.Store(SettingLine::LargestPictureWidth, "100");
    settings.Store(SettingLine::LargestPictureHeight, "100");
    settings.Store(SettingLine::TodaysBrowsers, "1");
    int round = 0;
    for (const char* look : {"clair.htm", "moderne.htm", "carnet.htm", "ecrin.htm"}) {
        SCOPED_TRACE(look);
        ++round;
        for (const SettingLine line :
             {SettingLine::PictureTemplate, SettingLine::SummaryTemplate, SettingLine::GalleryTemplate}) {
            settings.Store(line, look);
        }
        dialogs.shown.clear();
        ASSERT_EQ(Build(), BuildOutcome::Built);
        EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();  // no marker was missing
        EXPECT_TRUE(Exists("g3-000023.htm"));
        int links = 0, pictures = 0;
        for (const auto& [page, target] : References(project, "href")) {
            ++links;
            EXPECT_TRUE(Exists(target)) << page << " links to " << target;
        }
        for (const auto& [page, source] : References(project, "src")) {
            ++pictures;
            EXPECT_FALSE(source.empty()) << page;
            EXPECT_TRUE(Exists(source.substr(source.rfind("./", 0) == 0 ? 2 : 0))) << page << " shows " << source;
        }
        EXPECT_GT(links, 60);
        EXPECT_GT(pictures, 40);
        // The site's icon, from its first picture; made again only once that picture changes.
        const fs::path icon = project / "param" / "favicon.jpg";
        EXPECT_EQ(ReadShownSize(icon)->width, 64);
        const std::string iconBytes = testing::ReadBytes(icon) + "x";  // a byte after the end that decoders pass over
        testing::WriteBytes(icon, iconBytes);
        ASSERT_EQ(Build(), BuildOutcome::Built);
        EXPECT_EQ(testing::ReadBytes(icon), iconBytes) << "made again from a picture that did not change";
        EncodeJpeg(testing::Quadrants(80 + round, 120), project / "images" / "000001.jpg");  // another picture
        ASSERT_EQ(Build(), BuildOutcome::Built);
        EXPECT_NE(testing::ReadBytes(icon).back(), 'x');
        EXPECT_EQ(ReadShownSize(icon)->width, 64);
        EXPECT_NE(testing::ReadBytes(project / "index.html").find("<link rel=\"icon\" href=\"./param/favicon.jpg\""),
                  std::string::npos);
        for (const auto& [page, tag] : PictureTags(project)) {
            const auto size = ReadShownSize(project / AttributeOf(tag, "src"));
            ASSERT_TRUE(size) << page << ": " << tag;
            EXPECT_EQ(AttributeOf(tag, "width"), std::to_string(size->width)) << page << ": " << tag;
            EXPECT_EQ(AttributeOf(tag, "height"), std::to_string(size->height)) << page << ": " << tag;
        }
    }
}

// Past its fiftieth picture a gallery goes on over further pages, each
// picture's page leading back to the one with its thumbnail; the designed pages do the same.
TEST_F(SiteBuildTest, AGalleryPastFiftyPicturesContinuesOnFurtherPages) {
    for (int n = 6; n <= 103; ++n) {
        const std::string number = std::to_string(n);
        EncodeJpeg(testing::Quadrants(40, 30),
                   project / "images" / (std::string(6 - number.size(), '0') + number + ".jpg"));
    }
    settings.Store(SettingLine::GalleryLastPicture1, "000103.jpg");
    settings.Store(SettingLine::TodaysBrowsers, "1");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const std::string first = testing::ReadBytes(project / "Gal1.htm");
    const std::string third = testing::ReadBytes(project / "Gal1-3.htm");
    EXPECT_NE(first.find("tn-000050.jpg"), std::string::npos);
    EXPECT_EQ(first.find("tn-000051.jpg"), std::string::npos);
    // Thumbnails below the first screen load as the visitor scrolls to them.
    const auto tagOf = [&](const std::string& source) {
        const std::size_t at = first.rfind("<img", first.find(source));
        return first.substr(at, first.find('>', at) - at);
    };
    EXPECT_EQ(tagOf("tn-000001.jpg").find("loading=\"lazy\""), std::string::npos);
    EXPECT_NE(tagOf("tn-000050.jpg").find("loading=\"lazy\""), std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "Gal1-2.htm").find("tn-000100.jpg"), std::string::npos);
    EXPECT_NE(third.find("href=\"g1-000103.htm\""), std::string::npos);
    EXPECT_EQ(third.find("tn-000100.jpg"), std::string::npos);
    EXPECT_FALSE(Exists("Gal1-4.htm"));
    for (const char* part : {"Gal1-2.htm", "Gal1-3.htm"})
        EXPECT_NE(first.find(std::string("href=\"") + part + "\""), std::string::npos);
    EXPECT_NE(third.find("href=\"Gal1.htm\""), std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "g1-000051.htm").find("href=\"Gal1-2.htm\""), std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "g1-000050.htm").find("href=\"Gal1.htm\""), std::string::npos);

    // The designed pages go on over further pages too: no picture is left without its thumbnail.
    settings.Store(SettingLine::TodaysBrowsers, "0");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_NE(testing::ReadBytes(project / "Gal1-3.htm").find("tn-000103.jpg"), std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "g1-000051.htm").find("Gal1-2.htm"), std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "Gal1.htm").find("\"Gal1-2.htm\""), std::string::npos);
}

// For today's browsers, sharp screens get thumbnails twice as sharp and
// phones a picture of their own, each named in the pages beside the plain one.
TEST_F(SiteBuildTest, SharpScreensAndPhonesGetPicturesOfTheirOwn) {
    EncodeJpeg(testing::Quadrants(3000, 2000), project / "images" / "000001.jpg");
    EncodeJpeg(testing::Quadrants(60, 40), project / "images" / "000002.jpg");
    settings.Store(SettingLine::TodaysBrowsers, "1");
    settings.Store(SettingLine::LargestPictureWidth, "2000");
    settings.Store(SettingLine::LargestPictureHeight, "2000");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const PictureSize thumbnail = ReadJpegSize(project / "tn_images" / "tn-000001.jpg");
    EXPECT_EQ(ReadJpegSize(project / "tn_images" / "tn-000001-2x.jpg").width, 2 * thumbnail.width);
    EXPECT_TRUE(Exists("tns_images/tns-000001-2x.jpg"));
    EXPECT_FALSE(Exists("tn_images/tn-000002-2x.jpg"));  // 60 x 40: no sharper than its thumbnail
    EXPECT_FALSE(Exists("tel_images/000002.jpg"));
    EXPECT_EQ(ReadJpegSize(project / "tel_images" / "000001.jpg").width, kPhonePictureSize);
    EXPECT_NE(testing::ReadBytes(project / "Gal1.htm").find("srcset=\"./tn_images/tn-000001-2x.jpg 2x\""),
              std::string::npos);
    EXPECT_NE(testing::ReadBytes(project / "index.html").find("srcset=\"./tns_images/tns-000001-2x.jpg 2x\""),
              std::string::npos);
    EXPECT_EQ(ReadJpegSize(project / "tel_images" / "000001-640.jpg").width, kSmallPhonePictureSize);
    EXPECT_NE(testing::ReadBytes(project / "g1-000001.htm")
                  .find("srcset=\"./tel_images/000001-640.jpg 640w, ./tel_images/000001.jpg 1080w, "
                        "./web_images/000001.jpg 2000w\" sizes=\"(max-width: 2048px) calc(100vw - 48px), 2000px\""),
              std::string::npos);

    // A stamped picture has no copy for phones: it would go unstamped.
    const fs::path stamp = temp.Path() / "stamp.jpg";
    EncodeJpeg(testing::Quadrants(40, 20), stamp);
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, stamp.string());
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_FALSE(Exists("tel_images/000001.jpg"));
    EXPECT_EQ(testing::ReadBytes(project / "g1-000001.htm").find("tel_images"), std::string::npos);
}

// Every file under a folder, by its path inside it, with its bytes; not the
// build's record, which holds the files' times.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_regular_file() && name != kDerivedRecordFile) files[name] = testing::ReadBytes(entry.path());
    }
    return files;
}

TEST_F(SiteBuildTest, TwoWorkersWriteTheSameFilesMessagesAndStepsAsOne) {
    // Sizes far apart, the largest late in the list, so that two workers
    // start the pictures in another order than the list's.
    const std::pair<int, int> sizes[] = {{120, 90},  {90, 120}, {1600, 1200}, {200, 150},
                                         {640, 480}, {60, 40},  {1200, 1600}, {300, 200}};
    for (int n = 1; n <= 8; ++n) {
        EncodeJpeg(testing::Quadrants(sizes[n - 1].first, sizes[n - 1].second),
                   project / "images" / ("00000" + std::to_string(n) + ".jpg"));
        texts.Write(n, "Photo " + std::to_string(n), "");
    }
    settings.Store(SettingLine::LargestPictureWidth, "400");
    settings.Store(SettingLine::LargestPictureHeight, "300");
    settings.Store(SettingLine::PictureStrips, "2");
    const fs::path originals = temp.Path() / "originals";
    fs::copy(project, originals, fs::copy_options::recursive);

    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "a damaged picture in the middle" : "every picture readable");
        if (damaged) testing::CutFile(originals / "images" / "000005.jpg", 300);
        struct Run {
            BuildOutcome outcome;
            std::map<std::string, std::string> files;
            std::vector<std::string> messages, statuses;
        };
        const auto buildWith = [&](unsigned workers) {
            fs::remove_all(project);
            fs::copy(originals, project, fs::copy_options::recursive);
            dialogs.shown.clear();
            progress = {};
            const BuildOutcome outcome = Build(workers);
            return Run{outcome, FilesUnder(project), dialogs.shown, progress.statuses};
        };
        const Run one = buildWith(1);
        const Run two = buildWith(2);
        EXPECT_EQ(one.outcome, damaged ? BuildOutcome::Failed : BuildOutcome::Built);
        EXPECT_EQ(two.outcome, one.outcome);
        EXPECT_EQ(two.messages, one.messages);
        EXPECT_EQ(two.statuses, one.statuses);
        ASSERT_EQ(two.files.size(), one.files.size());
        for (const auto& [name, bytes] : one.files) {
            const auto other = two.files.find(name);
            ASSERT_NE(other, two.files.end()) << name;
            EXPECT_TRUE(other->second == bytes) << name << " differs";
        }
        EXPECT_EQ(one.files.count("tn_images/tn-000004.jpg"), 1u);
        EXPECT_EQ(one.files.count("tn_images/tn-000006.jpg"), damaged ? 0u : 1u);
    }
}

}  // namespace
}  // namespace palimora
