#include "common/FolderFiles.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(FolderFiles, DeletingTakesFilesOnlyIncludingReadOnlyOnes) {
    TempFolder folder;
    WriteBytes(folder.Path() / "a.jpg", "a");
    WriteBytes(folder.Path() / ".hidden", "h");
    WriteBytes(folder.Path() / "sub" / "kept.txt", "k");
    fs::permissions(folder.Path() / "a.jpg", fs::perms::owner_read);
    DeleteFolderFiles(folder.Path());
    EXPECT_FALSE(fs::exists(folder.Path() / "a.jpg"));
    EXPECT_FALSE(fs::exists(folder.Path() / ".hidden"));
    EXPECT_TRUE(fs::exists(folder.Path() / "sub" / "kept.txt"));
}

TEST(FolderFiles, AMissingFolderIsNoError) {
    TempFolder folder;
    EXPECT_NO_THROW(DeleteFolderFiles(folder.Path() / "nowhere"));
    EXPECT_NO_THROW(CopyFolderFiles(folder.Path() / "nowhere", folder.Path() / "target"));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "target"));
}

TEST(FolderFiles, AFolderThatCannotBeMadeIsToldInWordsWithItsName) {
    TempFolder folder;
    WriteBytes(folder.Path() / "src" / "a.jpg", "a");
    WriteBytes(folder.Path() / "blocked", "a file where the folder would go");
    const fs::path target = folder.Path() / "blocked" / "target";
    try {
        CopyFolderFiles(folder.Path() / "src", target);
        FAIL() << "copied into a folder that cannot exist";
    } catch (const PalimoraError& error) {
        EXPECT_EQ(error.UserMessage(), FailureText(Failure::CannotWrite) + " " + DisplayPath(target) + ".");
    }
}

TEST(FolderFiles, MasksMatchWithoutLetterCase) {
    EXPECT_TRUE(MatchesMask("index.HTM", "*.htm"));
    EXPECT_TRUE(MatchesMask("g1-000001.htm", "g?-*.htm"));
    EXPECT_FALSE(MatchesMask("index.html", "*.htm"));
    EXPECT_TRUE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("abcabd", "*abd"));
    EXPECT_FALSE(MatchesMask("", "?"));

    TempFolder folder;
    WriteBytes(folder.Path() / "Gal1.HTM", "");
    WriteBytes(folder.Path() / "index.html", "");
    DeleteFolderFilesMasked(folder.Path(), "*.htm");
    EXPECT_FALSE(fs::exists(folder.Path() / "Gal1.HTM"));
    EXPECT_TRUE(fs::exists(folder.Path() / "index.html"));
}

TEST(FolderFiles, CopyOverwritesAndCreatesTheTarget) {
    TempFolder folder;
    WriteBytes(folder.Path() / "src" / "000001.jpg", "new picture");
    WriteBytes(folder.Path() / "src" / "inner" / "skip.jpg", "not copied");
    WriteBytes(folder.Path() / "deep" / "target" / "000001.jpg", "old");
    CopyFolderFiles(folder.Path() / "src", folder.Path() / "deep" / "target");
    EXPECT_EQ(ReadBytes(folder.Path() / "deep" / "target" / "000001.jpg"), "new picture");
    EXPECT_FALSE(fs::exists(folder.Path() / "deep" / "target" / "inner"));

    CopyFolderFiles(folder.Path() / "src", folder.Path() / "fresh" / "a" / "b");
    EXPECT_EQ(ReadBytes(folder.Path() / "fresh" / "a" / "b" / "000001.jpg"), "new picture");
}

TEST(FolderFiles, ACopyThatCannotWriteNamesTheFile) {
    TempFolder folder;
    WriteBytes(folder.Path() / "src" / "000001.jpg", "x");
    fs::create_directories(folder.Path() / "target" / "000001.jpg");  // a folder stands in the way
    try {
        CopyFolderFiles(folder.Path() / "src", folder.Path() / "target");
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_NE(error.UserMessage().find("000001.jpg"), std::string::npos);
    }
}

}  // namespace
}  // namespace palimora
