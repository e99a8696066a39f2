#include "publish/FtpTransport.h"

#include <utility>

namespace palimora {

FtpTransport::FtpTransport(KeepAlive* keepAlive, TransportLogin login, FtpClient::Encryption security)
    : login_(std::move(login)), client_(keepAlive) {
    client_.Host = login_.host;
    client_.Port = login_.port;
    client_.TimeOut = login_.timeOutMilliseconds;
    client_.ReportLevel = 0;
    client_.Passive = true;  // PORT only when the server refuses PASV
    client_.Security = security;
    client_.OnUntrustedCertificate = login_.untrustedIdentity;
    client_.OnTlsAnswer = login_.tlsAnswer;
    client_.OnAuthenticationNeeded = [this] {
        if (login_.loggingIn) login_.loggingIn();
        client_.UserID = login_.user;
        client_.Password = login_.password;
        return true;
    };
}

void FtpTransport::Open() { client_.OpenSession(); }

void FtpTransport::Close() { client_.CloseSession(); }

std::vector<UnixListing::Entry> FtpTransport::List() {
    client_.ListFolder();
    return client_.Listing() ? client_.Listing()->Entries() : std::vector<UnixListing::Entry>{};
}

}  // namespace palimora
