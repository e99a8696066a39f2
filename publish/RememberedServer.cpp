#include "publish/RememberedServer.h"

#include "common/Cp1252.h"
#include "common/ProgramPreferences.h"
#include "publish/PasswordStore.h"
#include "publish/ServerAddress.h"

namespace palimora {
namespace {

// palimora.ini keeps "<address as typed><tab><user>": a tab is in neither.
constexpr char kSeparator = '\t';

}  // namespace

std::optional<std::string> RememberedPassword(const std::string& host, int port, const std::string& user) {
    const std::string server = ServerName(ParseServerAddress(host, port));
    const auto remembered = password_store::Find(server, Utf8FromCp1252(user).Bytes());
    if (!remembered || !IsStorableText(Utf8Text(*remembered))) return std::nullopt;
    std::string password = Cp1252FromUtf8(Utf8Text(*remembered));
    if (Utf8FromCp1252(password).Bytes() != *remembered) return std::nullopt;  // not all of it fits a field
    return password;
}

std::optional<FtpServer> RememberedServer(const ProgramFolder& folder) {
    const std::string line = ReadPreference(folder, Preference::PublishServer);
    const std::size_t tab = line.find(kSeparator);
    if (tab == std::string::npos || tab == 0 || tab + 1 == line.size()) return std::nullopt;
    FtpServer server;
    server.host = line.substr(0, tab);
    server.user = line.substr(tab + 1);
    const auto password = RememberedPassword(server.host, server.port, server.user);
    if (!password || password->empty()) return std::nullopt;
    server.password = *password;
    return server;
}

void KeepServer(const ProgramFolder& folder, const std::optional<FtpServer>& server) {
    const bool keepable = server && server->host.find(kSeparator) == std::string::npos &&
                          server->user.find(kSeparator) == std::string::npos;
    SavePreference(folder, Preference::PublishServer, keepable ? server->host + kSeparator + server->user : "");
}

}  // namespace palimora
