#include "publish/FtpTransport.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"

#include <utility>

namespace palimora {

FtpTransport::FtpTransport(KeepAlive* keepAlive, TransportLogin login, FtpClient::Encryption security)
    : login_(std::move(login)), client_(keepAlive) {
    client_.settings.host = login_.host;
    client_.settings.port = login_.port;
    client_.settings.timeOut = login_.timeOutMilliseconds;
    client_.settings.passive = true;  // PORT only when the server refuses PASV
    client_.settings.security = security;
    client_.OnUntrustedCertificate = login_.untrustedIdentity;
    client_.OnTlsAnswer = login_.tlsAnswer;
    client_.OnAuthenticationNeeded = [this] {
        if (login_.loggingIn) login_.loggingIn();
        client_.settings.user = login_.user;
        client_.settings.password = login_.password;
    };
}

void FtpTransport::Open() { client_.OpenSession(); }

void FtpTransport::Close() { client_.CloseSession(); }

std::vector<UnixListing::Entry> FtpTransport::List() {
    client_.ListFolder();
    std::vector<UnixListing::Entry> entries =
        client_.Listing() ? client_.Listing()->Entries() : std::vector<UnixListing::Entry>{};
    for (UnixListing::Entry& entry : entries) entry.name = FromServer(entry.name);
    return entries;
}

std::string FtpTransport::ToServer(const std::string& name) const {
    if (client_.Utf8Names()) return Utf8FromCp1252(name).Bytes();
    // A server that did not say it takes UTF-8 reads names in its own code
    // page: a reference would reach it as a name nobody chose.
    if (HoldsReferences(name)) throw PalimoraError(FailureText(Failure::NameNeedsUtf8Server) + " " + name + ".");
    return name;
}

std::string FtpTransport::FromServer(const std::string& name) const {
    if (!client_.Utf8Names()) return name;
    return Cp1252ForDisplay(Utf8Text(name));
}

}  // namespace palimora
