#include "publish/ServerAddress.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(ServerAddress, ThePrefixChoosesTheProtocolAndAPortMayFollowTheHost) {
    struct Case {
        const char* typed;
        RemoteProtocol protocol;
        const char* host;
        int port;
    };
    const Case cases[] = {
        {"ftp.example.org", RemoteProtocol::FtpTlsWhenOffered, "ftp.example.org", 21},
        {"  ftp.example.org:2121 ", RemoteProtocol::FtpTlsWhenOffered, "ftp.example.org", 2121},
        {"ftp://example.org", RemoteProtocol::Ftp, "example.org", 21},
        {"FTPS://example.org:990/www", RemoteProtocol::Ftps, "example.org", 990},
        {"sftp://example.org", RemoteProtocol::Sftp, "example.org", 22},
        {"sftp://10.0.0.2:2222/", RemoteProtocol::Sftp, "10.0.0.2", 2222},
        // Not a port: left in the host, whose lookup then fails.
        {"ftps://example.org:99999", RemoteProtocol::Ftps, "example.org:99999", 21},
        {"ftps://example.org:", RemoteProtocol::Ftps, "example.org:", 21},
    };
    for (const Case& c : cases) {
        const ServerAddress address = ParseServerAddress(c.typed);
        EXPECT_EQ(address.protocol, c.protocol) << c.typed;
        EXPECT_EQ(address.host, c.host) << c.typed;
        EXPECT_EQ(address.port, c.port) << c.typed;
    }
    // A port set elsewhere is the default, for SFTP too.
    EXPECT_EQ(ParseServerAddress("sftp://example.org", 2022).port, 2022);
}

}  // namespace
}  // namespace palimora
