#include "project/CommaList.h"
#include "project/PictureNames.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

using Lines = std::vector<std::string>;

TEST(CommaList, LinesAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(ToCommaList({"Nice day", "x,y"}), "\"Nice day\",\"x,y\"");
    EXPECT_EQ(ToCommaList({"a", "", "b"}), "a,,b");
    EXPECT_EQ(ToCommaList({"a", "b"}), "a,b");
    EXPECT_EQ(ToCommaList({}), "");
    EXPECT_EQ(ToCommaList({""}), "\"\"");
    EXPECT_EQ(ToCommaList({" "}), "\" \"");
    EXPECT_EQ(ToCommaList({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(ToCommaList({"tab\there"}), "\"tab\there\"");
}

TEST(CommaList, ReadingGivesTheLinesBack) {
    for (const Lines& lines : {Lines{"Nice day", "x,y"}, Lines{"a", "", "b"}, Lines{"say \"hi\""}, Lines{" "},
                               Lines{"\xE9t\xE9", "caf\xE9"}, Lines{"a", "b"}}) {
        EXPECT_EQ(FromCommaList(ToCommaList(lines)), lines) << ToCommaList(lines);
    }
    EXPECT_EQ(FromCommaList(""), Lines{});
    EXPECT_EQ(FromCommaList("\"\""), Lines{""});
}

TEST(CommaList, ReadingIsSafeOnOddInput) {
    EXPECT_EQ(FromCommaList("  a , b"), (Lines{"a", "b"}));
    EXPECT_EQ(FromCommaList("a b"), (Lines{"a", "b"}));  // a blank ends an unquoted item
    EXPECT_EQ(FromCommaList("\"never closed"), Lines{"never closed"});
    EXPECT_EQ(FromCommaList("a,"), Lines{"a"});
}

TEST(PictureNames, NumbersAndNames) {
    EXPECT_EQ(SixDigits(7), "000007");
    EXPECT_EQ(SixDigits(1234567), "1234567");
    EXPECT_EQ(PictureFileNumber("000012.gif"), 12);
    EXPECT_EQ(PictureFileNumber("000100.jpg"), 100);  // zeros after the first digit stay
    EXPECT_EQ(PictureFileNumber("9999.jpg"), 9999);
    EXPECT_EQ(PictureFileNumber("photo.jpg"), 0);
    EXPECT_EQ(PictureFileNumber("000000.jpg"), 0);
    EXPECT_EQ(PictureNumberOfPage("g3-000012.htm"), 12);
    EXPECT_EQ(PictureNumberOfPage("g10-000100.htm"), 100);
    EXPECT_EQ(PictureNumberOfPage("index.html"), 0);
    EXPECT_TRUE(IsListedPicture("a.JPEG"));
    EXPECT_TRUE(IsListedPicture("a.mp3"));
    EXPECT_TRUE(IsListedPicture("a.PNG"));
    EXPECT_TRUE(IsListedPicture("a.heic"));
    EXPECT_FALSE(IsListedPicture("a.xcf"));
    EXPECT_FALSE(IsListedPicture("images.dat"));
}

}  // namespace
}  // namespace palimora

#include "project/PageTexts.h"
#include "project/PictureTextFile.h"
#include "project/TextWidth.h"
#include "tests/support/TempFolder.h"

namespace palimora {
namespace {

TEST(CommentWrap, LinesBreakAtTheLastBlankThatFits) {
    EXPECT_NEAR(TextWidth("Wii"), (944 + 222 + 222) * 11 / 1000.0, 1e-9);
    EXPECT_EQ(WrapLine("short line", 345), Lines{"short line"});
    // 1000 x "i" is far too wide: broken inside the word.
    const auto broken = WrapLine(std::string(200, 'i'), 50);
    EXPECT_GT(broken.size(), 1u);
    for (const auto& line : broken) EXPECT_LE(TextWidth(line), 50);
    EXPECT_EQ(WrapLine("aaaa bbbb", TextWidth("aaaa bb")), (Lines{"aaaa ", "bbbb"}));
    EXPECT_EQ(WrapLine("aaaa   bbbb", TextWidth("aaaa")), (Lines{"aaaa", "bbbb"}));
    EXPECT_EQ(WrapLine("", 10), Lines{""});
}

TEST(CommentWrap, PagesFindTheirPictureTexts) {
    testing::TempFolder temp;
    PictureTextFile texts(temp.Path() / "images.dat");
    texts.CreateEmpty();
    texts.Write(12, "Sunset", ToCommaList({"Nice day", "", std::string(60, 'w') + " end"}));
    EXPECT_EQ(PictureTitleOfPage(texts, "g3-000012.htm"), "Sunset");
    EXPECT_EQ(PictureCommentHtml(texts, "g3-000012.htm"),
              "Nice day <br> <br>" + std::string(43, 'w') + " <br>" + std::string(17, 'w') + " end <br>");
    EXPECT_EQ(PictureTitleOfPage(texts, "g3-000013.htm"), "");
    EXPECT_EQ(PictureCommentHtml(texts, "g3-000013.htm"), "");
}

}  // namespace
}  // namespace palimora
