#include "publish/FtpClient.h"
#include "publish/SocketErrors.h"
#include "publish/UnixListing.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(UnixListing, LsLinesGiveAttributesSizeDateAndName) {
    UnixListing listing;
    listing.Parse("total 12");
    listing.Parse("-rw-r--r--   1 owner group     5120 Mar 14 09:26 000001.jpg");
    listing.Parse("drwxr-xr-x 2 owner group 4096 Dec  7  2025 param");
    ASSERT_EQ(listing.Entries().size(), 2u);
    const auto& first = listing.Entries()[0];
    EXPECT_EQ(first.attributes, "-rw-r--r--");
    EXPECT_EQ(first.size, "5120");
    EXPECT_EQ(first.date, "Mar 14 09:26");
    EXPECT_EQ(first.name, "000001.jpg");
    EXPECT_EQ(listing.Entries()[1].name, "param");
    EXPECT_TRUE(listing.Contains("param"));
}

TEST(UnixListing, ANameWithBlanksIsTheRestOfTheLine) {
    UnixListing listing;
    listing.Parse("-rw-r--r-- 1 owner group 1024 Jan  2 10:00 my photo.jpg");
    listing.Parse("-rw-r--r-- 1 owner group 1024 Jan  2 10:00 two  blanks ");
    EXPECT_TRUE(listing.Contains("my photo.jpg"));
    EXPECT_TRUE(listing.Contains("two  blanks "));
    EXPECT_FALSE(listing.Contains("photo.jpg"));
}

TEST(UnixListing, OddLinesAreReadSafely) {
    UnixListing listing;
    std::string many = "-rw-r--r-- 1 o g 1 Jan 1 10:00";
    for (int i = 0; i < 30; ++i) many += " word" + std::to_string(i);
    listing.Parse(many);
    listing.Parse("a b c d e f g h " + std::string(1000, 'x'));  // no date: the last word, cut
    listing.Parse(" leading blank makes an empty first word here");
    ASSERT_EQ(listing.Entries().size(), 3u);
    EXPECT_EQ(listing.Entries()[0].name.rfind("word0 word1", 0), 0u);
    EXPECT_EQ(listing.Entries()[1].name.size(), UnixListing::kMaxWord);
    EXPECT_EQ(listing.Entries()[2].attributes, "");
}

// A server's Telnet commands never reach a path or a message; an escaped 255 is a byte of the text.
TEST(FtpProtocol, TelnetCommandsAreTakenOutOfReplies) {
    EXPECT_EQ(WithoutTelnetCommands("257 \"/\xff\xf1"
                                    "Demo\" is current\r\n"),
              "257 \"/Demo\" is current\r\n");
    EXPECT_EQ(WithoutTelnetCommands("220 \xff\xfd\x01Hello \xff\xff!"), "220 Hello \xff!");
    EXPECT_EQ(WithoutTelnetCommands("220 cut\xff"), "220 cut");
}

TEST(FtpProtocol, ReplyCodesPortCommandsAndErrorTexts) {
    EXPECT_EQ(ReplyCodeOf("230 Logged in"), 230);
    EXPECT_EQ(ReplyCodeOf("Hello"), 0);
    EXPECT_EQ(ReplyCodeOf("123456789012345 long"), 1234567890);
    EXPECT_EQ(FtpClient::PortCommand("192.168.1.10", 5001), "PORT 192,168,1,10,19,137");
    EXPECT_EQ(FtpClient::KindOf("CWD photos"), FtpClient::kChangeFolder);
    EXPECT_EQ(FtpClient::KindOf("PWD"), FtpClient::kCurrentFolder);
    EXPECT_EQ(FtpClient::KindOf("NOOP"), FtpClient::kOther);
    EXPECT_EQ(SocketErrorText(10061), "10061:Connection refused");
    EXPECT_EQ(SocketErrorText(12345), "N\xB0 d'erreur inconnu 12345");
    EXPECT_EQ(WinsockCode(ECONNREFUSED), 10061);
}

}  // namespace
}  // namespace palimora
