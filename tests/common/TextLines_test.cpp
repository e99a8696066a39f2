#include "common/TextLines.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace palimora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(TextLines, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (TextLines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (TextLines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), (TextLines{""}));
    EXPECT_EQ(SplitLines(""), TextLines{});
    EXPECT_EQ(SplitLines("x\n\r"), (TextLines{"x", ""}));  // LF then a lone CR: two ends
}

TEST(TextLines, BytesAreKeptAsTheyAre) {
    const std::string bytes = std::string("\xE7\x00\xFF", 3);
    EXPECT_EQ(SplitLines(bytes), TextLines{bytes});
}

TEST(TextLines, WritesCrLfAndReplacesTheFileWhole) {
    TempFolder folder;
    const auto file = folder.Path() / "settings.ini";
    WriteBytes(file, "old contents that are longer than the new ones\r\n");
    WriteTextLines(file, {"Fran\xE7"
                          "ais",
                          "", "x"});
    EXPECT_EQ(ReadBytes(file),
              "Fran\xE7"
              "ais\r\n\r\nx\r\n");
    EXPECT_EQ(ReadTextLines(file), (TextLines{"Fran\xE7"
                                              "ais",
                                              "", "x"}));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "settings.ini.palimora.tmp"));
}

TEST(TextLines, AFailedWriteLeavesTheOldFileAlone) {
    TempFolder folder;
    const auto file = folder.Path() / "keep.ini";
    WriteBytes(file, "precious\r\n");
    std::filesystem::create_directory(folder.Path() / "keep.ini.palimora.tmp");  // the temporary cannot be made
    EXPECT_THROW(WriteTextLines(file, {"new"}), PalimoraError);
    EXPECT_EQ(ReadBytes(file), "precious\r\n");
}

TEST(TextLines, AMissingFileIsAClearError) {
    TempFolder folder;
    try {
        ReadTextLines(folder.Path() / "missing.asc");
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_NE(error.UserMessage().find("missing.asc"), std::string::npos);
    }
}

std::string MessageOfReading(const std::filesystem::path& file, std::uintmax_t maxBytes = kMaxTextFileBytes) {
    try {
        ReadFileBytes(file, maxBytes);
    } catch (const PalimoraError& error) {
        return error.UserMessage();
    }
    return "read";
}

// A folder, a device that never ends and a pipe nobody writes to are
// refused at once by their names: none is read, none blocks the reader.
TEST(TextLines, OnlyOrdinaryFilesAreRead) {
    TempFolder folder;
    const auto pipe = folder.Path() / "pipe.htm";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::filesystem::path& file : {std::filesystem::path("/dev/zero"), folder.Path(), pipe}) {
        EXPECT_EQ(MessageOfReading(file), FailureText(Failure::NotAFile) + " " + DisplayPath(file) + ".");
    }
}

TEST(TextLines, AFileBeyondTheBoundIsRefusedWhole) {
    TempFolder folder;
    const auto file = folder.Path() / "big.htm";
    WriteBytes(file, std::string(1001, 'x'));
    EXPECT_EQ(MessageOfReading(file, 1000), FailureText(Failure::FileTooLarge) + " " + DisplayPath(file) + ".");
    EXPECT_EQ(ReadFileBytes(file, 1001), std::string(1001, 'x'));
}

// The words come from the language loaded last; texts it lacks keep both languages.
TEST(FailureTexts, InstalledTextsReplaceTheTwoLanguageOnes) {
    const std::string both = FailureText(Failure::CannotCopy);
    EXPECT_NE(both.find("cannot copy"), std::string::npos);
    SetFailureTexts({"Unreadable:", "", "Too big:"});
    EXPECT_EQ(FailureText(Failure::CannotRead), "Unreadable:");
    EXPECT_EQ(FailureText(Failure::FileTooLarge), "Too big:");
    EXPECT_NE(FailureText(Failure::NotAFile).find("not an ordinary file"), std::string::npos);
    EXPECT_EQ(FailureText(Failure::CannotCopy), both);
    SetFailureTexts({});
}

}  // namespace
}  // namespace palimora
