#include "imaging/ClipCopy.h"
#include "imaging/ClipStreams.h"
#include "imaging/ImageError.h"
#include "imaging/VideoClip.h"
#include "imaging/WebClip.h"
#include "tests/support/PhotoFixtures.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {
namespace fs = std::filesystem;

class ClipsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new testing::TempFolder;
        testing::MakeClipFixtures(folder_->Path());
    }
    static void TearDownTestSuite() { delete folder_; }
    static fs::path Clip(const char* name) { return folder_->Path() / name; }

    static bool HasLocation(const fs::path& clip) {
        const ClipInput input(clip);
        const AVDictionaryEntry* entry = nullptr;
        while ((entry = av_dict_get(input.Context()->metadata, "", entry, AV_DICT_IGNORE_SUFFIX))) {
            if (std::string(entry->key).find("location") != std::string::npos) return true;
        }
        return testing::ReadBytes(clip).find("48.8584") != std::string::npos;
    }

    static inline testing::TempFolder* folder_ = nullptr;
};

int Brightness(const Image& image) {
    long sum = 0;
    for (std::uint8_t value : image.rgb) sum += value;
    return static_cast<int>(sum / static_cast<long>(image.rgb.size()));
}

TEST_F(ClipsTest, ClipsAreKnownByTheirBytesAndReadWhateverTheirCodec) {
    for (const char* name : {"located.mp4", "located.mov", "rotated.mov", "clip.webm"}) {
        EXPECT_TRUE(IsClipBytes(testing::ReadBytes(Clip(name)).substr(0, 16))) << name;
    }
    EXPECT_FALSE(IsClipBytes(testing::ReadBytes(Clip("text.mp4"))));
    EXPECT_FALSE(IsClipBytes(std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10)));

    const ClipFacts located = ReadClipFacts(Clip("located.mp4"));
    EXPECT_EQ(located.width, 320);
    EXPECT_EQ(located.height, 240);
    EXPECT_EQ(located.videoCodec, "h264");
    EXPECT_EQ(located.audioCodec, "aac");
    EXPECT_NEAR(located.seconds, 2.0, 0.1);
    EXPECT_EQ(located.title, "Au port");

    const ClipFacts webm = ReadClipFacts(Clip("clip.webm"));
    EXPECT_EQ(webm.videoCodec, "vp9");
    EXPECT_EQ(webm.audioCodec, "opus");

    // Shown as the player shows it: upright, its sides swapped.
    const ClipFacts rotated = ReadClipFacts(Clip("rotated.mov"));
    EXPECT_EQ(rotated.videoCodec, "hevc");
    EXPECT_EQ(rotated.rotation, 90);
    EXPECT_EQ(rotated.width, 240);
    EXPECT_EQ(rotated.height, 320);
    const Image upright = ClipPoster(Clip("rotated.mov"), 120, 120);
    EXPECT_EQ(upright.width, 90);
    EXPECT_EQ(upright.height, 120);

    for (const char* damaged : {"text.mp4", "half.mp4"}) {
        EXPECT_THROW(ClipPoster(Clip(damaged)), ImageError) << damaged;
    }
}

TEST_F(ClipsTest, ThePosterSkipsTheBlackFramesAndCarriesThePlayMark) {
    Image poster = ClipPoster(Clip("located.mp4"));
    ASSERT_EQ(poster.width, 320);
    ASSERT_EQ(poster.height, 240);
    EXPECT_GE(Brightness(poster), 24);  // not the black of the fade's first frames

    DrawPlayMark(poster);
    const std::uint8_t* middle = poster.Row(120) + 160 * 3;
    EXPECT_EQ(middle[0], 255);  // the white triangle
    const std::uint8_t* disc = poster.Row(120) + 160 * 3 - 40 * 3;
    EXPECT_LT(int(disc[0]) + disc[1] + disc[2], 3 * 110);  // the darkened disc around it
}

TEST_F(ClipsTest, TheProjectsCopyLosesTheLocationAndKeepsTheRotation) {
    testing::TempFolder out;
    for (const char* name : {"located.mp4", "located.mov"}) {
        ASSERT_TRUE(HasLocation(Clip(name))) << name;  // the fixture has what the copy must lose
        const fs::path copy = out.Path() / name;
        CopyClipWithoutMetadata(Clip(name), copy);
        EXPECT_FALSE(HasLocation(copy)) << name;
        const ClipFacts facts = ReadClipFacts(copy);
        EXPECT_EQ(facts.videoCodec, "h264");
        EXPECT_EQ(facts.audioCodec, "aac");
        EXPECT_NEAR(facts.seconds, 2.0, 0.1);
    }
    const fs::path rotated = out.Path() / "rotated.mov";
    CopyClipWithoutMetadata(Clip("rotated.mov"), rotated);
    EXPECT_EQ(ReadClipFacts(rotated).rotation, 90);

    EXPECT_THROW(CopyClipWithoutMetadata(Clip("text.mp4"), out.Path() / "text.mp4"), ImageError);
    EXPECT_FALSE(fs::exists(out.Path() / "text.mp4"));
    EXPECT_THROW(CopyClipWithoutMetadata(Clip("located.mp4"), out.Path() / "missing" / "copy.mp4"), PalimoraError);
    EXPECT_FALSE(fs::exists(out.Path() / "missing" / "copy.mp4"));
}

// The index (moov) before the frames (mdat): a browser plays the clip as it loads.
bool StartsFast(const fs::path& mp4) {
    const std::string bytes = testing::ReadBytes(mp4);
    const std::size_t moov = bytes.find("moov"), mdat = bytes.find("mdat");
    return moov != std::string::npos && mdat != std::string::npos && moov < mdat;
}

TEST_F(ClipsTest, TheWebClipIsH264AndAacWithFastStartRemuxedWhenItCanBe) {
    testing::TempFolder out;
    bool finished = false;
    const WebClipResult remuxed = MakeWebClip(Clip("located.mp4"), out.Path() / "a.mp4", 1080, {}, finished);
    EXPECT_TRUE(finished);
    EXPECT_FALSE(remuxed.encoded);
    EXPECT_TRUE(StartsFast(out.Path() / "a.mp4"));
    EXPECT_FALSE(HasLocation(out.Path() / "a.mp4"));

    // HEVC turned a quarter, limited to 200 pixels: encoded once, upright.
    double lastShare = 0;
    const WebClipResult encoded = MakeWebClip(
        Clip("rotated.mov"), out.Path() / "b.mp4", 200,
        [&](double share) {
            EXPECT_GE(share, lastShare);
            lastShare = share;
            return true;
        },
        finished);
    EXPECT_TRUE(encoded.encoded);
    EXPECT_TRUE(StartsFast(out.Path() / "b.mp4"));
    const ClipFacts facts = ReadClipFacts(out.Path() / "b.mp4");
    EXPECT_EQ(facts.videoCodec, "h264");
    EXPECT_EQ(facts.rotation, 0);
    EXPECT_EQ(facts.width, 150);
    EXPECT_EQ(facts.height, 200);
    EXPECT_GT(lastShare, 0.5);

    const WebClipResult webm = MakeWebClip(Clip("clip.webm"), out.Path() / "c.mp4", 1080, {}, finished);
    EXPECT_TRUE(webm.encoded);
    const ClipFacts sound = ReadClipFacts(out.Path() / "c.mp4");
    EXPECT_EQ(sound.audioCodec, "aac");
    EXPECT_NEAR(sound.seconds, 1.0, 0.15);

    // Stopped: nothing is left, not even the unfinished file.
    MakeWebClip(
        Clip("clip.webm"), out.Path() / "d.mp4", 1080, [](double) { return false; }, finished);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(fs::is_empty(out.Path()) || !fs::exists(out.Path() / "d.mp4"));
    EXPECT_FALSE(fs::exists(out.Path() / "d.part.mp4"));
}

}  // namespace
}  // namespace palimora
