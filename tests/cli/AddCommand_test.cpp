#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "imaging/Orientation.h"
#include "project/ChosenPictures.h"
#include "project/PictureList.h"
#include "project/PictureTextFile.h"
#include "tests/support/PhotoFixtures.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include "project/CommaList.h"

#include <gtest/gtest.h>

#include <map>

#include <libexif/exif-data.h>

#include <sstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;

// What libexif finds in a file's EXIF block that tells where or whose.
struct ExifFindings {
    int gpsEntries = 0;
    bool owner = false;
    int orientation = 0;
    bool date = false;
};

ExifFindings ExifOf(const fs::path& file) {
    ExifFindings found;
    ExifData* data = exif_data_new_from_file(file.c_str());
    if (!data) return found;
    found.gpsEntries = static_cast<int>(data->ifd[EXIF_IFD_GPS]->count);
    found.owner = exif_data_get_entry(data, static_cast<ExifTag>(0xA430)) != nullptr;
    found.date = exif_data_get_entry(data, EXIF_TAG_DATE_TIME_ORIGINAL) != nullptr;
    if (ExifEntry* entry = exif_data_get_entry(data, EXIF_TAG_ORIENTATION)) {
        found.orientation = exif_get_short(entry->data, exif_data_get_byte_order(data));
    }
    exif_data_unref(data);
    return found;
}

class AddCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fixtures_ = new testing::TempFolder;
        testing::MakePhotoFixtures(fixtures_->Path());
    }
    static void TearDownTestSuite() { delete fixtures_; }
    static std::string Fixture(const std::string& name) { return (fixtures_->Path() / name).string(); }

    AddCommandTest() { testing::StageProgramFolder(temp.Path()); }
    int Add(const std::vector<std::string>& arguments) {
        messages.str("");
        return AddCommand(folder, arguments, messages);
    }
    fs::path Picture(int number) { return project / "images" / ("00000" + std::to_string(number) + ".jpg"); }

    static testing::TempFolder* fixtures_;
    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path project = temp.Path() / "Projets" / "Trip";
    std::ostringstream messages;
};

testing::TempFolder* AddCommandTest::fixtures_ = nullptr;

TEST_F(AddCommandTest, APhotoWithAPositionIsAddedAndBuiltWithoutItWhileTheUsersFileKeepsIt) {
    const std::string original = testing::ReadBytes(Fixture("gps.jpg"));
    ASSERT_GT(ExifOf(Fixture("gps.jpg")).gpsEntries, 0);
    ASSERT_EQ(Add({"Trip", Fixture("gps.jpg")}), 0) << messages.str();
    EXPECT_EQ(testing::ReadBytes(Fixture("gps.jpg")), original);
    const ExifFindings copy = ExifOf(Picture(1));
    EXPECT_EQ(copy.gpsEntries, 0);
    EXPECT_FALSE(copy.owner);
    EXPECT_EQ(copy.orientation, 6);
    EXPECT_TRUE(copy.date);
    EXPECT_EQ(PictureTextFile(project / "textes" / "images.dat").Read(1)->title, "gps");

    // A picture an older program put in the project unchanged is cleaned at build.
    fs::copy_file(Fixture("gps.jpg"), Picture(2));
    PictureTextFile(project / "textes" / "images.dat").Write(2, "old", "");
    std::ostringstream built;
    ASSERT_EQ(BuildCommand(folder, {"Trip"}, built), 0) << built.str();
    int pictures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(project)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = testing::ReadBytes(entry.path());
        EXPECT_EQ(bytes.find("Jeanne Martin"), std::string::npos);
        EXPECT_EQ(bytes.find("SN123456"), std::string::npos);
        if (entry.path().extension() != ".jpg") continue;
        ++pictures;
        EXPECT_EQ(ExifOf(entry.path()).gpsEntries, 0);
        const std::string folderName = entry.path().parent_path().filename().string();
        if (folderName == "images" || folderName == "tn_images") {
            const Image picture = DecodeJpeg(entry.path());
            EXPECT_GT(picture.height, picture.width) << "a portrait photo is shown upright";
        }
    }
    EXPECT_GE(pictures, 2);
}

TEST_F(AddCommandTest, PhotosOfOtherFormatsAreConvertedWithConvertAndSkippedWithout) {
    EXPECT_EQ(Add({"Trip", Fixture("photo.heic")}), 1);
    EXPECT_NE(messages.str().find("--convert"), std::string::npos) << messages.str();
    EXPECT_TRUE(PictureList(project).Files().empty());

    ASSERT_EQ(Add({"Trip", Fixture("photo.heic"), Fixture("alpha.png"), Fixture("photo.webp"), Fixture("photo16.tiff"),
                   "--convert"}),
              0)
        << messages.str();
    const std::vector<std::string> files = PictureList(project).Files();
    ASSERT_EQ(files, (std::vector<std::string>{"000001.jpg", "000002.jpg", "000003.jpg", "000004.jpg"}));
    // Numbered as the add button orders names: alpha, photo.heic, photo.webp, photo16.
    const Image png = DecodeJpeg(Picture(1));
    EXPECT_TRUE(Near(PixelAt(png, 10, 40), {255, 255, 255}, 6)) << "transparency lies on white";
    EXPECT_TRUE(Near(PixelAt(png, 100, 40), {0, 160, 0}, 12));
    for (int n = 2; n <= 4; ++n) {
        SCOPED_TRACE(files[n - 1]);
        const Image photo = DecodeJpeg(Picture(n));
        ASSERT_EQ(photo.width, 120);
        EXPECT_TRUE(Near(PixelAt(photo, 3, 3), {255, 0, 0}, 40));
        EXPECT_TRUE(Near(PixelAt(photo, 116, 76), {0, 0, 255}, 40));
    }
    for (const char* source : {"photo.heic", "alpha.png", "photo.webp", "photo16.tiff"}) {
        EXPECT_TRUE(fs::exists(Fixture(source))) << source;
        EXPECT_FALSE(fs::exists(project / "images" / source));
    }
    std::ostringstream built;
    ASSERT_EQ(BuildCommand(folder, {"Trip"}, built), 0) << built.str();
    EXPECT_TRUE(fs::exists(project / "index.html"));
}

// Clips join the list as pictures do, numbered, titled by their own title,
// without where they were shot; a clip the libraries cannot read is refused
// by name and the others are added all the same.
TEST_F(AddCommandTest, ClipsAreAddedWithoutTheirLocationAndUnreadableOnesRefused) {
    testing::TempFolder clips;
    testing::MakeClipFixtures(clips.Path());
    const auto clip = [&](const char* name) { return (clips.Path() / name).string(); };
    EXPECT_EQ(Add({"Trip", clip("half.mp4"), clip("located.mp4"), clip("rotated.mov"), clip("text.mp4")}), 1);
    EXPECT_NE(messages.str().find("half.mp4"), std::string::npos) << messages.str();
    EXPECT_NE(messages.str().find("text.mp4"), std::string::npos) << messages.str();
    ASSERT_EQ(PictureList(project).Files(), (std::vector<std::string>{"000001.mp4", "000002.mov"}));
    EXPECT_EQ(PictureList(project).Texts().Read(1)->title, "Au port");
    const std::string copy = testing::ReadBytes(project / "images" / "000001.mp4");
    EXPECT_EQ(copy.find("48.8584"), std::string::npos);
    EXPECT_EQ(copy.find("Au port"), std::string::npos);                                     // no metadata at all
    EXPECT_NE(testing::ReadBytes(clip("located.mp4")).find("Au port"), std::string::npos);  // the user's file as it was
}

TEST_F(AddCommandTest, PicturesFollowTheLastOneInNaturalOrderAndMissingFilesFailTheRun) {
    testing::TempFolder sources;
    for (const char* name : {"IMG10.jpg", "img2.jpg"}) EncodeJpeg(testing::Quadrants(40, 30), sources.Path() / name);
    ASSERT_EQ(Add({(temp.Path() / "elsewhere" / "Album").string(), (sources.Path() / "IMG10.jpg").string()}), 0)
        << messages.str();
    const fs::path album = temp.Path() / "elsewhere" / "Album";
    EXPECT_EQ(Add({album.string(), (sources.Path() / "IMG10.jpg").string(), (sources.Path() / "img2.jpg").string(),
                   (sources.Path() / "none.jpg").string()}),
              1);
    const PictureTextFile texts(album / "textes" / "images.dat");
    EXPECT_EQ(texts.Read(1)->title, "IMG10");
    EXPECT_EQ(texts.Read(2)->title, "img2");
    EXPECT_EQ(texts.Read(3)->title, "IMG10");
    EXPECT_TRUE(fs::exists(album / "images" / "000003.jpg"));
    EXPECT_FALSE(fs::exists(album / "images" / "000004.jpg"));
    EXPECT_TRUE(NaturalNameLess("a9.jpg", "A10.jpg"));
    EXPECT_FALSE(NaturalNameLess("a010", "a9"));
    // Accents aside, as a person reads them; the window orders by the same rule.
    EXPECT_TRUE(NaturalNameLess("\u00E9t\u00E9.jpg", "f.jpg"));
    EXPECT_TRUE(NaturalNameLess("ete2.jpg", "\u00C9t\u00E9 10.jpg") !=
                NaturalNameLess("\u00C9t\u00E9 10.jpg", "ete2.jpg"));
    EXPECT_TRUE(NaturalNameLess("\u00E9t\u00E9 2.jpg", "ete 10.jpg"));
    EXPECT_EQ(Add({"Trip"}), 2);
}

// A folder of the user's is never made a project: add refuses it by name and
// touches nothing; a new or empty folder is made one, and a project grows.
TEST_F(AddCommandTest, AFolderOfTheUsersIsRefusedAndLeftAsItWas) {
    const fs::path site = temp.Path() / "site";
    const std::map<std::string, std::string> own = {{"index.html", "<p>mine</p>"},
                                                    {"about.htm", "about me"},
                                                    {"letter.tmp", "draft"},
                                                    {"images/logo.jpg", "logo"},
                                                    {"tn_images/holiday.jpg", "holiday"}};
    for (const auto& [name, bytes] : own) {
        fs::create_directories((site / name).parent_path());
        testing::WriteBytes(site / name, bytes);
    }
    EXPECT_EQ(Add({site.string(), Fixture("gps.jpg")}), 2);
    EXPECT_NE(messages.str().find(site.string()), std::string::npos) << messages.str();
    std::map<std::string, std::string> after;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        if (entry.is_regular_file())
            after[fs::relative(entry.path(), site).generic_string()] = testing::ReadBytes(entry.path());
    }
    EXPECT_EQ(after, own);

    const fs::path empty = temp.Path() / "empty";
    fs::create_directories(empty);
    EXPECT_EQ(Add({empty.string(), Fixture("gps.jpg")}), 0) << messages.str();
    testing::WriteBytes(empty / "notes.tmp", "mine");
    EXPECT_EQ(Add({empty.string(), Fixture("gps.jpg")}), 0) << messages.str();
    EXPECT_EQ(PictureList(empty).Files().size(), 2u);
    EXPECT_EQ(testing::ReadBytes(empty / "notes.tmp"), "mine");  // only the program's own temporaries go
}

// Names as older cameras and the user write them: a picture whose name is
// Windows-1252, not UTF-8, is added with that title; a project named with a
// literal reference is the project of the character, in one folder.
TEST_F(AddCommandTest, NamesAreTakenAsTheyAreWritten) {
    const fs::path cafe = temp.Path() / "caf\xe9.jpg";
    fs::copy_file(Fixture("gps.jpg"), cafe);
    ASSERT_EQ(Add({"Trip", cafe.string()}), 0) << messages.str();
    EXPECT_EQ(PictureTextFile(project / "textes" / "images.dat").Read(1)->title, "caf\xe9");

    ASSERT_EQ(Add({"&#26481;x", Fixture("gps.jpg")}), 0) << messages.str();
    ASSERT_EQ(Add({"\xe6\x9d\xb1x", Fixture("gps.jpg")}), 0) << messages.str();
    EXPECT_EQ(PictureList(temp.Path() / "Projets" / "\xe6\x9d\xb1x").Files().size(), 2u);
    EXPECT_FALSE(fs::exists(temp.Path() / "Projets" / "&#26481;x"));
    std::ostringstream built;
    EXPECT_EQ(BuildCommand(folder, {"&#26481;x"}, built), 0) << built.str();
    EXPECT_TRUE(fs::exists(temp.Path() / "Projets" / "\xe6\x9d\xb1x" / "index.html"));
}

// Captions as cameras and photo managers leave them: a placeholder or a
// language tag is no caption, a long caption gives the title its first
// sentence and stays whole as the comment, a reference reads as typed.
TEST_F(AddCommandTest, PhotosGiveTheCaptionsAPersonWrote) {
    ASSERT_EQ(
        Add({"Trip", Fixture("caption-camera.jpg"), Fixture("caption-reference.jpg"), Fixture("caption-tag.jpg")}), 0)
        << messages.str();
    const PictureTextFile texts(project / "textes" / "images.dat");
    EXPECT_EQ(texts.Read(1)->title, "caption-camera");
    EXPECT_EQ(texts.Read(2)->title, "Plage d'\xe9t\xe9");
    EXPECT_EQ(texts.Read(3)->title, "Colorful cups");
    EXPECT_EQ(FromCommaList(texts.Read(3)->comment),
              std::vector<std::string>{"Colorful cups. Aarhus, Denmark. A morning at the harbour market, where the "
                                       "potters set out their stalls before the first ferry comes in."});
}

}  // namespace
}  // namespace palimora
