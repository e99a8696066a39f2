#pragma once

#include "common/ProgramFolder.h"
#include "publish/PublishRun.h"

#include <optional>
#include <string>

namespace palimora {

// The server a publication goes to without its settings window: the one the
// user last confirmed with "remember the password". Its address and user
// name are kept in palimora.ini; the password only in the desktop's keyring.

// The password the keyring holds for a server (its address as typed, the
// port it defaults to) and user, as the settings window would type it
// (Windows-1252); nullopt when none is held, or one no field could type.
std::optional<std::string> RememberedPassword(const std::string& host, int port, const std::string& user);

// The server kept, with its password; nullopt when none is kept or its
// password is no longer remembered.
std::optional<FtpServer> RememberedServer(const ProgramFolder& folder);

// Keeps the server's address and user for the next publication, or forgets
// them when `server` is nullopt. Throws PalimoraError naming palimora.ini
// when it cannot be written.
void KeepServer(const ProgramFolder& folder, const std::optional<FtpServer>& server);

}  // namespace palimora
