#pragma once

#include <string>

namespace palimora {

// How a publication reaches its server, by the address the user typed.
enum class RemoteProtocol {
    FtpTlsWhenOffered,  // a bare host: AUTH TLS asked first, plain FTP when the server refuses
    Ftp,                // ftp://  plain FTP, TLS never asked for
    Ftps,               // ftps:// TLS required (explicit: AUTH TLS on the FTP port)
    Sftp,               // sftp:// an SSH session
};

struct ServerAddress {
    RemoteProtocol protocol = RemoteProtocol::FtpTlsWhenOffered;
    std::string host;
    int port = 21;
};

// "host", "ftp://host", "ftps://host:990" or "sftp://host/": the protocol by
// its prefix (any letter case), the port after the last ":" when that is a
// number from 1 to 65535; else `defaultPort`, or 22 for SFTP when the
// default is FTP's 21. Blanks around the address and anything from a "/"
// after the host are left out.
ServerAddress ParseServerAddress(const std::string& typed, int defaultPort = 21);

// "host:port": how a server is named where the program remembers something
// about it (accepted keys, plain FTP, the password).
inline std::string ServerName(const ServerAddress& address) {
    return address.host + ":" + std::to_string(address.port);
}

}  // namespace palimora
