#include "imaging/Icons.h"
#include "imaging/JpegCodec.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

const Rgb kWindowColour{245, 158, 73};

TEST(Icons, APictureIsFittedAndCentredOnTheWindowColour) {
    testing::TempFolder temp;
    EncodeJpeg(testing::Plain(200, 100, {0, 0, 255}), temp.Path() / "wide.jpg");
    const Image icon = MakeIcon(temp.Path() / "wide.jpg");
    ASSERT_EQ(icon.width, 50);
    ASSERT_EQ(icon.height, 50);
    EXPECT_EQ(PixelAt(icon, 25, 5), kWindowColour);  // above the 50 x 25 picture
    EXPECT_TRUE(Near(PixelAt(icon, 25, 24), {0, 0, 255}));
    EXPECT_EQ(PixelAt(icon, 25, 45), kWindowColour);

    testing::WriteGif(temp.Path() / "tall.gif", 10, 40, {{0, 255, 0}, {255, 0, 0}});
    const Image gifIcon = MakeIcon(temp.Path() / "tall.gif");
    EXPECT_EQ(PixelAt(gifIcon, 2, 25), kWindowColour);      // 10 x 40 stays as it is, centred
    EXPECT_EQ(PixelAt(gifIcon, 25, 25), (Rgb{0, 255, 0}));  // first frame
}

TEST(Icons, TheCacheKnowsAFileByIdentitySizeAndTime) {
    testing::TempFolder temp;
    const fs::path file = temp.Path() / "a.jpg";
    EncodeJpeg(testing::Plain(8, 8, {1, 2, 3}), file);
    IconCache cache;
    const auto key = IconCache::KeyOf(file);
    ASSERT_TRUE(key);
    cache.Store(*key, EmptyIcon());
    EXPECT_TRUE(cache.Find(*IconCache::KeyOf(file)));

    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(5));
    EXPECT_FALSE(cache.Find(*IconCache::KeyOf(file)));
    EXPECT_FALSE(IconCache::KeyOf(temp.Path() / "missing.jpg"));

    cache.Store(*IconCache::KeyOf(file), EmptyIcon());
    fs::rename(file, temp.Path() / "000002.jpg");  // renumbered: the same picture
    EXPECT_TRUE(cache.Find(*IconCache::KeyOf(temp.Path() / "000002.jpg")));
    cache.KeepOnly({temp.Path() / "000002.jpg"});
    EXPECT_EQ(cache.Size(), 1u);
    cache.KeepOnly({});
    EXPECT_EQ(cache.Size(), 0u);
}

TEST(Icons, ABatchDeliversInOrderReportsDamageAndReusesTheCache) {
    testing::TempFolder temp;
    std::vector<fs::path> files;
    for (int i = 0; i < 12; ++i) {
        files.push_back(temp.Path() / ("p" + std::to_string(i) + ".jpg"));
        EncodeJpeg(testing::Plain(64, 64, {static_cast<std::uint8_t>(i * 20), 0, 0}), files.back());
    }
    testing::WriteBytes(files[5], "damaged");
    IconCache cache;
    {
        IconBatch batch(files, cache, kIconSize, 3);
        for (std::size_t i = 0; i < files.size(); ++i) {
            const auto result = batch.Take(i);
            EXPECT_EQ(result.readable, i != 5) << i;
            if (i != 5) {
                EXPECT_TRUE(Near(PixelAt(result.icon, 25, 25), {static_cast<std::uint8_t>(i * 20), 0, 0}));
            }
        }
    }
    EXPECT_EQ(cache.Size(), 11u);

    // Cached icons come back without touching the picture again.
    testing::WriteBytes(temp.Path() / "unchanged.jpg", "");
    IconBatch again(files, cache, 2);
    EXPECT_TRUE(again.Take(0).readable);
    again.Stop();  // ends early without waiting for the rest
}

}  // namespace
}  // namespace palimora
