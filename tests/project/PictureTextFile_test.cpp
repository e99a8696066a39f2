#include "project/PictureTextFile.h"
#include "tests/support/FailingReads.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class PictureTextFileTest : public ::testing::Test {
protected:
    PictureTextFileTest() { texts.CreateEmpty(); }
    testing::TempFolder temp;
    PictureTextFile texts{temp.Path() / "images.dat"};
};

TEST_F(PictureTextFileTest, TheFirstRecordGoesToSlotOne) {
    texts.Write(1, "Beach", "");
    const std::string bytes = ReadBytes(texts.Path());
    ASSERT_EQ(bytes.size(), 912u);
    EXPECT_EQ(bytes.substr(0, 456), std::string(456, '\0'));
    EXPECT_EQ(bytes.substr(456, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes[460], 5);
    EXPECT_EQ(bytes.substr(461, 5), "Beach");
    EXPECT_EQ(texts.Read(1)->title, "Beach");
    EXPECT_FALSE(texts.Read(2));
}

TEST_F(PictureTextFileTest, RecordsAreFoundByNumberAndOverwrittenInPlace) {
    texts.Write(2, "two", "a,b");
    texts.Write(1, "one", "");
    texts.Write(2, "deux", "\"x y\"");
    EXPECT_EQ(texts.SlotCount(), 3u);  // slot 0 and two records
    EXPECT_EQ(*texts.FindSlot(2), 1u);
    EXPECT_EQ(texts.Read(2)->title, "deux");
    EXPECT_EQ(texts.Read(2)->comment, "\"x y\"");
    // All titles in one pass: as Read finds them, empty where none.
    EXPECT_EQ(texts.Titles(3), (std::vector<std::string>{"one", "deux", ""}));
}

TEST_F(PictureTextFileTest, TextsAreCutToTheirFields) {
    texts.Write(1, std::string(250, 't'), std::string(300, 'c'));
    EXPECT_EQ(texts.Read(1)->title, std::string(200, 't'));
    EXPECT_EQ(texts.Read(1)->comment, std::string(249, 'c'));
    EXPECT_EQ(fs::file_size(texts.Path()), 912u);
}

TEST_F(PictureTextFileTest, ClearedRecordsStayAsFreeSlots) {
    texts.Write(1, "one", "");
    texts.Write(2, "two", "");
    texts.Clear(1);
    EXPECT_FALSE(texts.Read(1));
    EXPECT_EQ(texts.Read(2)->title, "two");
    EXPECT_EQ(texts.SlotCount(), 3u);
    texts.Clear(7);  // no record: a free one is appended
    EXPECT_EQ(texts.SlotCount(), 4u);
    EXPECT_EQ(*texts.FindSlot(0), 1u);
}

TEST_F(PictureTextFileTest, CopyRenumberAndBackupKeepTextsWithPictures) {
    texts.Write(1, "one", "c1");
    texts.Copy(1, 5);
    EXPECT_EQ(texts.Read(5)->comment, "c1");
    EXPECT_EQ(texts.Read(1)->title, "one");
    EXPECT_TRUE(texts.Renumber(5, 9999));
    EXPECT_FALSE(texts.Read(5));
    EXPECT_EQ(texts.Read(9999)->title, "one");
    EXPECT_FALSE(texts.Renumber(42, 1));

    PictureTextFile backup(temp.Path() / "images2.dat");
    fs::copy_file(texts.Path(), backup.Path());
    texts.Write(1, "changed", "");
    texts.CopyFromBackup(backup, 1, 3);
    EXPECT_EQ(texts.Read(3)->title, "one");
    EXPECT_FALSE(texts.Read(1));
}

TEST_F(PictureTextFileTest, DamagedFilesAreReadSafely) {
    texts.Write(1, "one", "");
    texts.Write(2, "two", "");
    std::string bytes = ReadBytes(texts.Path());
    bytes[456 + 4] = static_cast<char>(255);    // a title length past its field
    bytes[456 + 205] = static_cast<char>(250);  // a comment length past its field
    bytes.resize(bytes.size() - 100);           // the last record cut
    WriteBytes(texts.Path(), bytes);
    EXPECT_EQ(texts.Read(1)->title.size(), 200u);
    EXPECT_EQ(texts.Read(1)->comment.size(), 249u);
    EXPECT_FALSE(texts.Read(2));
    texts.Write(3, "three", "");  // takes the cut slot
    EXPECT_EQ(texts.Read(3)->title, "three");
    EXPECT_EQ(fs::file_size(texts.Path()), 3u * 456);

    // An added record lands on a record boundary, even after a cut one.
    WriteBytes(texts.Path(), ReadBytes(texts.Path()) + std::string(100, 'x'));
    texts.Append(4, {"four", "a, b"});
    texts.Append(5, {"five", ""});
    EXPECT_EQ(fs::file_size(texts.Path()), 5u * 456);
    EXPECT_EQ(texts.Read(3)->title, "three");
    EXPECT_EQ(texts.Read(4)->comment, "a, b");
    EXPECT_EQ(texts.Numbers(), (std::set<int>{1, 3, 4, 5}));
    // Rewriting a record drops a cut one at the end too.
    WriteBytes(texts.Path(), ReadBytes(texts.Path()) + std::string(100, 'x'));
    texts.Write(1, "one again", "");
    EXPECT_EQ(fs::file_size(texts.Path()), 5u * 456);

    WriteBytes(texts.Path(), std::string(100, 'x'));  // shorter than slot 0
    EXPECT_FALSE(texts.Read(0));
    fs::remove(texts.Path());
    EXPECT_FALSE(texts.Read(1));
}

// A file whose disk fails while it is read is never written over with only
// the one record that was being written.
TEST_F(PictureTextFileTest, AFileThatCannotBeReadIsNotReplaced) {
    for (int number = 1; number <= 20; ++number) texts.Write(number, "title " + std::to_string(number), "");
    const std::string before = ReadBytes(texts.Path());
    {
        const testing::FailingReads reads(texts.Path(), 456 * 3);
        EXPECT_ANY_THROW(texts.Write(21, "new", ""));
    }
    EXPECT_EQ(ReadBytes(texts.Path()), before);
}

}  // namespace
}  // namespace palimora
