#include "publish/PasswordStore.h"

#include <libsecret/secret.h>

#include <cstdlib>
#include <filesystem>

namespace palimora::password_store {
namespace {

const SecretSchema* Schema() {
    static const SecretSchema schema = {"org.palimora.Publication",
                                        SECRET_SCHEMA_NONE,
                                        {
                                            {"server", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        },
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

// A session bus to ask: named by the environment, or the user's own
// socket. Without one, GLib would try to start a bus for the X display.
bool SessionBusThere() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return runtime && *runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", error);
}

// Frees what libsecret reported; true when there was nothing.
bool NoError(GError* error) {
    if (!error) return true;
    g_error_free(error);
    return false;
}

}  // namespace

std::optional<std::string> Find(const std::string& server, const std::string& user) {
    if (!SessionBusThere()) return std::nullopt;
    GError* error = nullptr;
    gchar* found =
        secret_password_lookup_sync(Schema(), nullptr, &error, "server", server.c_str(), "user", user.c_str(), nullptr);
    if (!NoError(error) || !found) return std::nullopt;
    std::string password = found;
    secret_password_free(found);
    return password;
}

bool Save(const std::string& server, const std::string& user, const std::string& password) {
    if (!SessionBusThere()) return false;
    const std::string label = "Palimora: " + user + "@" + server;
    GError* error = nullptr;
    const gboolean stored =
        secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr,
                                   &error, "server", server.c_str(), "user", user.c_str(), nullptr);
    return NoError(error) && stored;
}

void Forget(const std::string& server, const std::string& user) {
    if (!SessionBusThere()) return;
    GError* error = nullptr;
    secret_password_clear_sync(Schema(), nullptr, &error, "server", server.c_str(), "user", user.c_str(), nullptr);
    NoError(error);
}

}  // namespace palimora::password_store
