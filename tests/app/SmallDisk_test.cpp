// Adding, saving and building on a nearly full disk: run by small_disk.sh
// with the temporary folder on a small file system of its own. Each step is
// tried with less and less room left; after each, the failure is told, the
// saved project is as it was (or wholly as it became), and no partial file
// stays.

#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/TextLines.h"
#include "imaging/JpegCodec.h"
#include "project/PictureTextFile.h"
#include "styles/SettingsLayout.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// A photo that does not compress: some 100 KB as a JPEG.
Image Noise(unsigned seed) {
    Image image(320, 240);
    std::mt19937 random(seed);
    for (auto& byte : image.rgb) byte = static_cast<std::uint8_t>(random());
    return image;
}

Files FilesUnder(const fs::path& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = testing::ReadBytes(entry.path());
    }
    return files;
}

std::vector<std::string> LeftOvers(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (IsTemporaryName(name) || name == ".adding") found.push_back(entry.path().string());
    }
    return found;
}

class SmallDisk : public ::testing::Test {
protected:
    static constexpr std::uintmax_t kRoomSteps[] = {0,       2'000,   20'000,  60'000, 120'000,
                                                    200'000, 300'000, 450'000, 700'000};

    SmallDisk() {
        testing::StageProgramFolder(temp.Path());
        for (unsigned n = 1; n <= 4; ++n) {
            photos.push_back(temp.Path() / "photos" / ("photo" + std::to_string(n) + ".jpg"));
            fs::create_directories(photos.back().parent_path());
            EncodeJpeg(Noise(n), photos.back());
        }
        std::ostringstream messages;
        if (AddCommand(folder, {"Trip", photos[0].string(), photos[1].string()}, messages) != 0)
            ADD_FAILURE() << messages.str();
        saved = FilesUnder(project);
    }
    ~SmallDisk() override { fs::remove(filler); }

    // Fills the disk but for `room` bytes.
    void LeaveRoom(std::uintmax_t room) {
        fs::remove(filler);
        struct statvfs disk {};
        ASSERT_EQ(::statvfs(temp.Path().c_str(), &disk), 0);
        const std::uintmax_t free = static_cast<std::uintmax_t>(disk.f_bavail) * disk.f_frsize;
        ASSERT_LT(free, std::uintmax_t{256} << 20)
            << "run through small_disk.sh: the temporary folder is not on a small disk";
        if (free <= room) return;
        const int out = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(out, 0);
        ASSERT_EQ(::posix_fallocate(out, 0, static_cast<off_t>(free - room)), 0);
        ::close(out);
    }
    void RestoreProject() {
        fs::remove(filler);
        fs::remove_all(project);
        for (const auto& [name, bytes] : saved) {
            fs::create_directories((project / name).parent_path());
            testing::WriteBytes(project / name, bytes);
        }
    }
    // Every picture of the project is whole and has its record.
    void ExpectWholePictures(const std::vector<fs::path>& sources) {
        const PictureTextFile texts(project / "textes" / "images.dat");
        std::vector<fs::path> pictures;
        for (const auto& entry : fs::directory_iterator(project / "images")) {
            if (entry.is_regular_file()) pictures.push_back(entry.path());
        }
        std::sort(pictures.begin(), pictures.end());
        ASSERT_LE(pictures.size(), sources.size());
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            const std::string name = pictures[i].filename().string();
            EXPECT_TRUE(testing::ReadBytes(pictures[i]) == testing::ReadBytes(sources[i])) << name << " is not whole";
            const auto record = texts.Read(static_cast<int>(i) + 1);
            ASSERT_TRUE(record) << name << " has no record";
            EXPECT_EQ(record->title, sources[i].stem().string());
        }
        for (const char* settings : {"runweb.ini", "Trip.ini"}) {
            EXPECT_EQ(testing::ReadBytes(project / settings).size() > 0, true);
            EXPECT_EQ(ReadTextLines(project / settings).size(), static_cast<std::size_t>(settings::kLineCount))
                << settings;
        }
    }

    // Adds the two files with less and less room left: the add succeeds
    // exactly when both are added, each picture is whole with its record,
    // and nothing half-made is left.
    void AddUnderEveryRoom(const fs::path& first, const fs::path& second) {
        for (const std::uintmax_t room : kRoomSteps) {
            SCOPED_TRACE("room " + std::to_string(room));
            RestoreProject();
            LeaveRoom(room);
            std::ostringstream messages;
            const std::size_t before = PictureList(project).Files().size();
            const int status = AddCommand(folder, {"Trip", first.string(), second.string()}, messages);
            fs::remove(filler);
            const std::size_t added = PictureList(project).Files().size() - before;
            EXPECT_EQ(status == 0, added == 2) << messages.str();  // a failure is told only for what was not done
            if (status != 0) {
                EXPECT_FALSE(messages.str().empty());
            }
            ExpectWholePictures(photos);
            EXPECT_EQ(LeftOvers(project), std::vector<std::string>{});
        }
    }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path project = temp.Path() / "Projets" / "Trip";
    fs::path filler = temp.Path() / "filler";
    std::vector<fs::path> photos;
    Files saved;
};

TEST_F(SmallDisk, AnAddThatRunsOutOfRoomKeepsEveryPictureWholeWithItsRecord) {
    AddUnderEveryRoom(photos[2], photos[3]);
}

// Photos whose position must come out of the project's copy: when the disk
// has no room to take it out, the photo is not added and the add says so;
// whatever is added is whole and holds no position.
TEST_F(SmallDisk, APhotoWhosePositionCannotBeTakenOutIsNotAdded) {
    std::vector<fs::path> located;
    for (std::size_t n = 2; n < 4; ++n) {
        // The photo with an XMP block telling where it was taken, right after its start.
        const std::string clean = testing::ReadBytes(photos[n]);
        const std::string xmp = std::string("http://ns.adobe.com/xap/1.0/\0", 29) +
                                "<x:xmpmeta><rdf:Description exif:GPSLatitude=\"48,51.0N\"/></x:xmpmeta>";
        const std::size_t length = xmp.size() + 2;
        const std::string segment =
            std::string("\xFF\xE1") + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) + xmp;
        located.push_back(temp.Path() / "located" / photos[n].filename());
        fs::create_directories(located.back().parent_path());
        testing::WriteBytes(located.back(), clean.substr(0, 2) + segment + clean.substr(2));
    }
    AddUnderEveryRoom(located[0], located[1]);  // the copies are the photos without their block
}

TEST_F(SmallDisk, ASaveThatRunsOutOfRoomLeavesTheSavedProjectAsItWasAndUnsaved) {
    bool failedOnce = false, savedOnce = false;
    for (const std::uintmax_t room : kRoomSteps) {
        SCOPED_TRACE("room " + std::to_string(room));
        RestoreProject();
        Session session{folder};
        session.Start();
        OpenProjectFiles(session, "Trip");
        session.Pictures().Add({photos[2], photos[3]}, 2, {});
        session.Pictures().Texts().Write(1, "Plage", "Un beau jour");
        session.SetProjectModified(true);
        LeaveRoom(room);
        try {
            SaveProject(session, "Trip");
            fs::remove(filler);
            savedOnce = true;
            EXPECT_FALSE(session.ProjectModified());
            EXPECT_EQ(PictureTextFile(project / "textes" / "images.dat").Read(1)->title, "Plage");
            EXPECT_TRUE(testing::ReadBytes(project / "images" / "000004.jpg") == testing::ReadBytes(photos[3]));
        } catch (const PalimoraError& error) {
            fs::remove(filler);
            failedOnce = true;
            EXPECT_FALSE(error.UserMessage().empty());
            EXPECT_TRUE(session.ProjectModified());
            EXPECT_TRUE(FilesUnder(project) == saved) << "the saved project changed";
        }
        EXPECT_EQ(LeftOvers(project), std::vector<std::string>{});
    }
    EXPECT_TRUE(failedOnce && savedOnce);  // the steps span both ends
}

TEST_F(SmallDisk, ABuildThatRunsOutOfRoomSaysSoAndLeavesTheProjectAsItWas) {
    bool failedOnce = false;
    for (const std::uintmax_t room : kRoomSteps) {
        SCOPED_TRACE("room " + std::to_string(room));
        RestoreProject();
        LeaveRoom(room);
        std::ostringstream messages;
        const int status = BuildCommand(folder, {"Trip"}, messages);
        fs::remove(filler);
        if (status != 0) {
            failedOnce = true;
            EXPECT_NE(messages.str().find("palimora"), std::string::npos) << messages.str();
        }
        for (const auto& [name, bytes] : saved) {
            EXPECT_TRUE(testing::ReadBytes(project / name) == bytes) << name << " changed";
        }
        EXPECT_EQ(LeftOvers(project), std::vector<std::string>{});
    }
    EXPECT_TRUE(failedOnce);
}

}  // namespace
}  // namespace palimora
