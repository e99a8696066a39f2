#include "common/ProgramFolderChoice.h"
#include "common/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A small set of program data: what the program reads, what the user writes.
void WriteProgramData(const fs::path& data, std::string_view version) {
    WriteBytes(data / "runweb.in_", "defaults\r\n");
    WriteBytes(data / "french.asc", std::string("fr ") + std::string(version));
    WriteBytes(data / "models" / "sommaire" / "classic.htm", std::string("classic ") + std::string(version));
    WriteBytes(data / "models" / "sommaire" / "plain.htm", "plain");
    WriteBytes(data / "palimora.ini", "\r\n");
    WriteBytes(data / "Projets" / "Demo" / "images" / "000001.jpg", "jpeg");
}

void MakeReadOnly(const fs::path& folder) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
}

bool OwnerCanWrite(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

class ProgramFolderChoiceTest : public ::testing::Test {
protected:
    TempFolder temp;
    const fs::path bin = temp.Path() / "usr" / "bin";
    const fs::path installed = temp.Path() / "usr" / "share" / "palimora";
    const fs::path dataHome = temp.Path() / "home" / ".local" / "share";
    const fs::path user = dataHome / "palimora";

    void SetUp() override { fs::create_directories(bin); }
    void TearDown() override {  // so that the temporary folder can go
        std::error_code ignored;
        for (fs::recursive_directory_iterator it(temp.Path(), ignored), end; !ignored && it != end;
             it.increment(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
};

TEST_F(ProgramFolderChoiceTest, AWritableFolderHoldingTheDataStaysTheProgramFolder) {
    WriteProgramData(bin, "1");
    WriteProgramData(installed, "1");
    EXPECT_EQ(ChooseProgramFolder(bin, true, installed, dataHome), bin);
    EXPECT_FALSE(fs::exists(dataHome));
}

TEST_F(ProgramFolderChoiceTest, AnInstalledCopyGetsAPerUserFolderFilledFromTheInstalledData) {
    WriteProgramData(installed, "1");
    MakeReadOnly(installed);
    // bin/ holds no data: even a writable one (root's /usr/bin) is not a program folder.
    ASSERT_EQ(ChooseProgramFolder(bin, true, installed, dataHome), user);

    EXPECT_EQ(ReadBytes(user / "french.asc"), "fr 1");
    EXPECT_EQ(ReadBytes(user / "models" / "sommaire" / "classic.htm"), "classic 1");
    EXPECT_EQ(ReadBytes(user / "palimora.ini"), "\r\n");
    EXPECT_TRUE(fs::exists(user / "Projets" / "Demo" / "images" / "000001.jpg"));
    // What the program and the user write must be writable though the data was not.
    EXPECT_TRUE(OwnerCanWrite(user / "palimora.ini"));
    EXPECT_TRUE(OwnerCanWrite(user / "Projets" / "Demo" / "images" / "000001.jpg"));
    EXPECT_TRUE(OwnerCanWrite(user / "models" / "sommaire" / "classic.htm"));
    EXPECT_TRUE(IsWritableFolder(user / "Projets" / "Demo"));
}

TEST_F(ProgramFolderChoiceTest, AReadOnlyPortableCopyIsFilledFromItsOwnFolder) {
    WriteProgramData(bin, "portable");
    WriteProgramData(installed, "installed");
    ASSERT_EQ(ChooseProgramFolder(bin, false, installed, dataHome), user);
    EXPECT_EQ(ReadBytes(user / "french.asc"), "fr portable");
}

TEST_F(ProgramFolderChoiceTest, WithoutDataAnywhereTheExecutablesFolderIsKept) {
    EXPECT_EQ(ChooseProgramFolder(bin, false, installed, dataHome), bin);
    EXPECT_FALSE(fs::exists(dataHome));
}

TEST_F(ProgramFolderChoiceTest, AFolderFromAnOlderVersionGetsTheNewDataButKeepsTheUsersChanges) {
    WriteProgramData(installed, "1");
    ASSERT_EQ(ChooseProgramFolder(bin, false, installed, dataHome), user);

    // The user changes a template, adds one, picks a language and deletes the demo.
    WriteBytes(user / "models" / "sommaire" / "plain.htm", "plain, my way");
    WriteBytes(user / "models" / "sommaire" / "mine.htm", "mine");
    WriteBytes(user / "palimora.ini", "English\r\n");
    fs::remove_all(user / "Projets" / "Demo");
    fs::remove(user / "french.asc");

    // The upgrade changes every shipped file and brings a new template.
    fs::remove_all(installed);
    WriteProgramData(installed, "2");
    WriteBytes(installed / "models" / "sommaire" / "plain.htm", "plain 2");
    WriteBytes(installed / "models" / "galerie" / "new.htm", "new");
    WriteBytes(installed / "palimora.ini",
               "Fran\xE7"
               "ais\r\n");
    MakeReadOnly(installed);
    ASSERT_EQ(ChooseProgramFolder(bin, false, installed, dataHome), user);

    EXPECT_EQ(ReadBytes(user / "models" / "sommaire" / "classic.htm"), "classic 2");
    EXPECT_EQ(ReadBytes(user / "models" / "galerie" / "new.htm"), "new");
    EXPECT_EQ(ReadBytes(user / "french.asc"), "fr 2") << "a data file the program needs comes back";
    EXPECT_EQ(ReadBytes(user / "models" / "sommaire" / "plain.htm"), "plain, my way");
    EXPECT_EQ(ReadBytes(user / "models" / "sommaire" / "mine.htm"), "mine");
    EXPECT_EQ(ReadBytes(user / "palimora.ini"), "English\r\n");
    EXPECT_FALSE(fs::exists(user / "Projets" / "Demo"));
    EXPECT_TRUE(fs::is_directory(user / "Projets"));

    // Once the user's change is undone, later versions replace the file again.
    WriteBytes(user / "models" / "sommaire" / "plain.htm", "plain 2");
    ChooseProgramFolder(bin, false, installed, dataHome);
    fs::permissions(installed / "models" / "sommaire", fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(installed / "models" / "sommaire" / "plain.htm", fs::perms::owner_write, fs::perm_options::add);
    WriteBytes(installed / "models" / "sommaire" / "plain.htm", "plain 3");
    ChooseProgramFolder(bin, false, installed, dataHome);
    EXPECT_EQ(ReadBytes(user / "models" / "sommaire" / "plain.htm"), "plain 3");
}

TEST_F(ProgramFolderChoiceTest, AFolderThatCannotBeMadeIsAnError) {
    WriteProgramData(installed, "1");
    WriteBytes(dataHome, "a file where the data home should be");
    EXPECT_THROW(ChooseProgramFolder(bin, false, installed, dataHome), PalimoraError);
}

TEST(ProgramFolderChoice, TheDataHomeFollowsXdgDataHomeWhenItIsAnAbsolutePath) {
    EXPECT_EQ(UserDataHome("/data/me", "/home/me"), fs::path("/data/me"));
    EXPECT_EQ(UserDataHome(nullptr, "/home/me"), fs::path("/home/me/.local/share"));
    EXPECT_EQ(UserDataHome("", "/home/me"), fs::path("/home/me/.local/share"));
    EXPECT_EQ(UserDataHome("relative/data", "/home/me"), fs::path("/home/me/.local/share"));
}

TEST(ProgramFolderChoice, WritableFolders) {
    TempFolder temp;
    EXPECT_TRUE(IsWritableFolder(temp.Path()));
    EXPECT_FALSE(IsWritableFolder(temp.Path() / "missing"));
    WriteBytes(temp.Path() / "file", "x");
    EXPECT_FALSE(IsWritableFolder(temp.Path() / "file"));
    if (::geteuid() != 0) {  // root writes in any folder
        fs::create_directories(temp.Path() / "locked");
        fs::permissions(temp.Path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(IsWritableFolder(temp.Path() / "locked"));
    }
}

}  // namespace
}  // namespace palimora
