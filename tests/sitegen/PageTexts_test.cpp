#include "sitegen/PageTexts.h"
#include "project/CommaList.h"
#include "project/PictureTextFile.h"
#include "sitegen/TextWidth.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace palimora {
namespace {

using Lines = std::vector<std::string>;

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
    texts.Write(13, "Dawn", "");
    texts.Clear(13);  // a freed record is no picture's
    const PictureTextIndex index(texts);
    EXPECT_EQ(PictureTitleOfPage(index, "g3-000012.htm"), "Sunset");
    EXPECT_EQ(PictureCommentHtml(index, "g3-000012.htm", CommentAs::Html),
              "Nice day <br> <br>" + std::string(43, 'w') + " <br>" + std::string(17, 'w') + " end <br>");
    EXPECT_EQ(PictureTitleOfPage(index, "g3-000013.htm"), "");
    EXPECT_EQ(PictureCommentHtml(index, "g3-000013.htm", CommentAs::Html), "");
}

// For today's browsers a comment reads as typed: markup is text, the lines
// stay the user's, and web addresses become links.
TEST(CommentWrap, ACommentAsTextReadsAsTypedWithItsAddressesLinked) {
    testing::TempFolder temp;
    PictureTextFile texts(temp.Path() / "images.dat");
    texts.CreateEmpty();
    texts.Write(2, "Plage",
                ToCommaList({"Le sable & la mer <bient\xF4t>", "Voir https://example.org/a?b=1&c=2.",
                             "mailto:moi@example.org, ou http://"}));
    const PictureTextIndex index(texts);
    EXPECT_EQ(PictureCommentHtml(index, "g1-000002.htm", CommentAs::Text),
              "Le sable &amp; la mer &lt;bient\xF4t&gt; <br>"
              "Voir <a href=\"https://example.org/a?b=1&amp;c=2\">https://example.org/a?b=1&amp;c=2</a>. <br>"
              "<a href=\"mailto:moi@example.org\">mailto:moi@example.org</a>, ou http:// <br>");
    // Written as HTML, the same comment keeps what the user wrote.
    EXPECT_NE(PictureCommentHtml(index, "g1-000002.htm", CommentAs::Html).find("<bient\xF4t>"), std::string::npos);
}

}  // namespace
}  // namespace palimora
