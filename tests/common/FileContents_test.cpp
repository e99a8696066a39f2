#include "common/FileContents.h"
#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace palimora {
namespace {

namespace fs = std::filesystem;

// A file read in blocks of any size gives the fingerprint of its bytes whole;
// bytes that differ anywhere, or only in length, give another.
TEST(FileContents, AFingerprintDependsOnTheBytesNotOnHowTheyAreRead) {
    std::string bytes;
    for (int i = 0; i < 200; ++i) bytes += static_cast<char>(i * 37 % 256);
    std::set<std::uint64_t> seen;
    for (std::size_t size = 0; size <= bytes.size(); size += 7) {
        const std::string_view text(bytes.data(), size);
        const std::uint64_t whole = HashOfBytes(text);
        for (const std::size_t step : {1u, 5u, 31u, 33u}) {
            ContentHash pieces;
            for (std::size_t at = 0; at < size; at += step) pieces.Add(text.substr(at, step));
            EXPECT_EQ(pieces.Value(), whole) << size << " bytes in steps of " << step;
        }
        EXPECT_TRUE(seen.insert(whole).second) << size;
        std::string changed(text);
        if (!changed.empty()) {
            changed[size / 2] ^= 1;
            EXPECT_NE(HashOfBytes(changed), whole) << size;
        }
    }
    EXPECT_NE(HashOfBytes(std::string(40, '\0')), HashOfBytes(std::string(41, '\0')));
}

TEST(FileContents, AFileHoldingTheSameBytesIsLeftWithItsTime) {
    testing::TempFolder temp;
    const fs::path file = temp.Path() / "page.htm";
    EXPECT_TRUE(WriteFileIfChanged(file, "<p>one</p>"));
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto time = fs::last_write_time(file);
    EXPECT_FALSE(WriteFileIfChanged(file, "<p>one</p>"));
    EXPECT_EQ(fs::last_write_time(file), time);
    EXPECT_EQ(HashOfFile(file), HashOfBytes("<p>one</p>"));
    EXPECT_TRUE(WriteFileIfChanged(file, "<p>two</p>"));  // same size, other bytes
    EXPECT_EQ(testing::ReadBytes(file), "<p>two</p>");
    EXPECT_EQ(HashOfFile(temp.Path()), std::nullopt);  // a folder is no file to read
}

// A temporary that cannot be written (something else in its place) is a
// failure told, and the file keeps what it held.
TEST(FileContents, AnAtomicWriteThatCannotWriteItsTemporaryFailsAndKeepsTheFile) {
    testing::TempFolder temp;
    const fs::path file = temp.Path() / "images.dat";
    WriteFileAtomically(file, "before");
    fs::create_directories(TemporaryFor(file) / "in the way");
    try {
        WriteFileAtomically(file, "after");
        ADD_FAILURE() << "no failure told";
    } catch (const PalimoraError& error) {
        EXPECT_EQ(error.UserMessage(), FailureAbout(Failure::CannotWrite, file));  // not a later step's
    }
    EXPECT_EQ(testing::ReadBytes(file), "before");
}

}  // namespace
}  // namespace palimora
