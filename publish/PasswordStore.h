#pragma once

#include <optional>
#include <string>

namespace palimora::password_store {

// Publishing passwords kept in the desktop's secret store (the Secret
// Service on the session bus: a keyring), by server ("host:port", see
// ServerName) and user; never in a file of the program. Without a session
// bus nothing is tried (no bus is started for it).

// The password remembered; nullopt when none is, or no store answers.
std::optional<std::string> Find(const std::string& server, const std::string& user);
// False when no secret store took it.
bool Save(const std::string& server, const std::string& user, const std::string& password);
// Forgets the password, if one is remembered.
void Forget(const std::string& server, const std::string& user);

}  // namespace palimora::password_store
