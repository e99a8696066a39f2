#include "publish/ServerAddress.h"

#include <cctype>
#include <charconv>

namespace palimora {
namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

ServerAddress ParseServerAddress(const std::string& typed, int defaultPort) {
    static constexpr std::pair<const char*, RemoteProtocol> kPrefixes[] = {
        {"ftps://", RemoteProtocol::Ftps}, {"sftp://", RemoteProtocol::Sftp}, {"ftp://", RemoteProtocol::Ftp}};
    ServerAddress address;
    std::string rest = Trimmed(typed);
    for (const auto& [prefix, protocol] : kPrefixes) {
        if (StartsWithNoCase(rest, prefix)) {
            address.protocol = protocol;
            rest.erase(0, std::string(prefix).size());
            break;
        }
    }
    if (address.protocol != RemoteProtocol::FtpTlsWhenOffered) rest = rest.substr(0, rest.find('/'));
    address.port = address.protocol == RemoteProtocol::Sftp && defaultPort == 21 ? 22 : defaultPort;
    if (const auto colon = rest.rfind(':'); colon != std::string::npos) {
        int port = 0;
        const char* begin = rest.data() + colon + 1;
        const char* end = rest.data() + rest.size();
        const auto [stop, error] = std::from_chars(begin, end, port);
        if (begin != end && error == std::errc() && stop == end && port >= 1 && port <= 65535) {
            address.port = port;
            rest.erase(colon);
        }
    }
    address.host = rest;
    return address;
}

}  // namespace palimora
