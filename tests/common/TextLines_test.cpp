#include "common/Error.h"
#include "common/TextLines.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

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
    WriteTextLines(file, {"Fran\xE7" "ais", "", "x"});
    EXPECT_EQ(ReadBytes(file), "Fran\xE7" "ais\r\n\r\nx\r\n");
    EXPECT_EQ(ReadTextLines(file), (TextLines{"Fran\xE7" "ais", "", "x"}));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "settings.ini.tmp"));
}

TEST(TextLines, AFailedWriteLeavesTheOldFileAlone) {
    TempFolder folder;
    const auto file = folder.Path() / "keep.ini";
    WriteBytes(file, "precious\r\n");
    std::filesystem::create_directory(folder.Path() / "keep.ini.tmp");  // the temporary cannot be made
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

}  // namespace
}  // namespace palimora
