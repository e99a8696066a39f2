#include "tests/sitegen/SiteBuildFixture.h"

#include "sitegen/DerivedRecord.h"

#include <functional>
#include <map>

namespace palimora {
namespace {

namespace fs = std::filesystem;

struct FileState {
    std::string bytes;
    fs::file_time_type time;
};
using Files = std::map<std::string, FileState>;

// Every file under a folder but the build's record, by its path inside it.
Files FilesUnder(const fs::path& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_regular_file() && name != kDerivedRecordFile)
            files[name] = {testing::ReadBytes(entry.path()), fs::last_write_time(entry.path())};
    }
    return files;
}

class IncrementalBuildTest : public SiteBuildTest {
protected:
    IncrementalBuildTest() {
        for (int n = 1; n <= 5; ++n) EncodeJpeg(testing::Quadrants(300 + 60 * n, 300), Picture(n));
        settings.Store(SettingLine::TodaysBrowsers, "1");
        settings.Store(SettingLine::LargestPictureWidth, "480");
        settings.Store(SettingLine::LargestPictureHeight, "300");
    }
    fs::path Picture(int n) const { return project / "images" / ("00000" + std::to_string(n) + ".jpg"); }

    // The same project as it stands, built from scratch in a program folder of its own.
    Files BuiltFromScratch() {
        testing::TempFolder other;
        testing::StageProgramFolder(other.Path());
        const fs::path copy = other.Path() / "Projets" / "Demo";
        fs::create_directories(copy);
        for (const char* part : {"images", "textes"}) fs::copy(project / part, copy / part);
        for (const char* file : {"runweb.ini", "Demo.ini"}) fs::copy_file(project / file, copy / file);
        const ProgramFolder otherFolder(other.Path());
        ProjectSettings otherSettings;
        otherSettings.LoadWorking(otherFolder, "Demo");
        const PictureTextFile otherTexts(copy / "textes" / "images.dat");
        BuildContext otherContext;
        RecordingProgress otherProgress;
        testing::ScriptedDialogs otherDialogs;
        const SiteBuildSources sources{otherFolder, "Demo", language, otherSettings, otherTexts, otherDialogs};
        EXPECT_EQ(SiteBuild(sources, otherContext, otherProgress), BuildOutcome::Built);
        return FilesUnder(copy);
    }
};

// After each kind of change a build gives exactly the files a build from
// scratch gives, and a file whose bytes stay the same is not written again
// (its time is unchanged).
TEST_F(IncrementalBuildTest, ARebuildGivesTheFilesOfABuildFromScratchAndLeavesTheSameBytesInPlace) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"nothing", [] {}},
        {"a title", [&] { texts.Write(2, "Le port", "Au matin"); }},
        {"a setting", [&] { settings.Store(SettingLine::GalleryThumbnailWidth, "90"); }},
        {"a photo added",
         [&] {
             EncodeJpeg(testing::Quadrants(200, 500), Picture(6));
             texts.Write(6, "Photo 6", "");
         }},
        {"a photo moved",
         [&] {
             fs::rename(Picture(2), project / "images" / "moving.jpg");
             fs::rename(Picture(3), Picture(2));
             fs::rename(project / "images" / "moving.jpg", Picture(3));
             texts.RenumberAll({{2, 3}, {3, 2}});
         }},
        {"a photo deleted",
         [&] {
             fs::remove(Picture(3));
             texts.Clear(3);
             for (int n = 4; n <= 6; ++n) fs::rename(Picture(n), Picture(n - 1));
             texts.RenumberAll({{4, 3}, {5, 4}, {6, 5}});
         }},
        {"a photo edited in place to the same size and time",
         [&] {
             // As tools that keep a file's times write it: only its change time tells.
             const std::string before = testing::ReadBytes(Picture(4));
             const auto written = fs::last_write_time(Picture(4));
             EncodeJpeg(testing::Plain(540, 300, {200, 40, 40}), Picture(4));
             std::string edited = testing::ReadBytes(Picture(4));
             ASSERT_LT(edited.size(), before.size());
             edited.resize(before.size(), '\0');  // after the picture's end, where readers do not look
             testing::WriteBytes(Picture(4), edited);
             fs::last_write_time(Picture(4), written);
         }},
        {"a photo replaced",
         [&] {
             EncodeJpeg(testing::Plain(640, 200, {20, 90, 160}), Picture(4));
         }},
    };
    ASSERT_EQ(Build(), BuildOutcome::Built);
    for (const auto& [change, apply] : changes) {
        SCOPED_TRACE(change);
        apply();
        const Files before = FilesUnder(project);
        const Files scratch = BuiltFromScratch();
        ASSERT_EQ(Build(), BuildOutcome::Built);
        const Files after = FilesUnder(project);
        for (const auto& [name, state] : after)
            EXPECT_EQ(scratch.count(name), 1u) << name << " is not made from scratch";
        for (const auto& [name, state] : scratch) {
            const auto built = after.find(name);
            ASSERT_NE(built, after.end()) << name;
            EXPECT_TRUE(built->second.bytes == state.bytes) << name << " differs from a build from scratch";
            const auto earlier = before.find(name);
            if (earlier != before.end() && earlier->second.bytes == built->second.bytes) {
                EXPECT_EQ(earlier->second.time, built->second.time) << name << " was written again";
            }
        }
    }
}

// A stamped, size-limited site is made from the photos as the user gave
// them, once: building again and again changes no byte and no time, and
// leaves the photos alone.
TEST_F(IncrementalBuildTest, RepeatedStampedBuildsChangeNothingAndLeaveThePhotosAsGiven) {
    EncodeJpeg(testing::Quadrants(40, 20), temp.Path() / "stamp.jpg");
    settings.Store(SettingLine::StampCopyright, "1");
    settings.Store(SettingLine::CopyrightPicture, (temp.Path() / "stamp.jpg").string());
    std::map<int, std::string> given;
    for (int n = 1; n <= 5; ++n) given[n] = testing::ReadBytes(Picture(n));
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const Files first = FilesUnder(project);
    EXPECT_EQ(first.count("web_images/000005.jpg"), 1u);
    for (int build = 2; build <= 25; ++build) {
        ASSERT_EQ(Build(), BuildOutcome::Built);
        const Files again = FilesUnder(project);
        ASSERT_EQ(again.size(), first.size()) << "build " << build;
        for (const auto& [name, state] : first) {
            const auto now = again.find(name);
            ASSERT_NE(now, again.end()) << name;
            EXPECT_TRUE(now->second.bytes == state.bytes && now->second.time == state.time)
                << name << " changed at build " << build;
        }
    }
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(testing::ReadBytes(Picture(n)) == given[n]) << n;
    const Files scratch = BuiltFromScratch();
    for (const auto& [name, state] : first) {
        const auto made = scratch.find(name);
        EXPECT_TRUE(made != scratch.end() && made->second.bytes == state.bytes) << name;
    }
}

// The record only saves work: damaged, it costs a derivation; a derived file
// changed behind the build's back is derived again.
TEST_F(IncrementalBuildTest, ADamagedRecordOrAnAlteredThumbnailIsDerivedAgain) {
    ASSERT_EQ(Build(), BuildOutcome::Built);
    const fs::path thumbnail = project / "tn_images" / "tn-000002.jpg";
    const std::string made = testing::ReadBytes(thumbnail);
    testing::WriteBytes(thumbnail, "not a picture");
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(testing::ReadBytes(thumbnail) == made);

    testing::CutFile(project / kDerivedRecordFile, 60);
    fs::remove(thumbnail);
    ASSERT_EQ(Build(), BuildOutcome::Built);
    EXPECT_TRUE(testing::ReadBytes(thumbnail) == made);
    EXPECT_TRUE(DerivedRecord::Load(project).Find("000002.jpg"));
}

}  // namespace
}  // namespace palimora
