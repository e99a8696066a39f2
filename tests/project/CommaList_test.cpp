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
