#include "publish/SftpTransport.h"

#include "common/Cp1252.h"
#include "common/FailureTexts.h"

#include "common/UserDialogs.h"
#include "publish/SocketErrors.h"

#include <fcntl.h>
#include <libssh/libssh.h>
#include <libssh/sftp.h>
#include <poll.h>
#include <pwd.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <fstream>

namespace palimora {
namespace {

constexpr int kSliceMilliseconds = 20;
constexpr std::size_t kBlockSize = 65536;

long long NowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string UserKnownHosts() {
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable && *variable) {
        home = variable;
    } else if (const passwd* user = ::getpwuid(::getuid())) {
        home = user->pw_dir;
    }
    return home + "/.ssh/known_hosts";
}

}  // namespace

struct SftpTransport::Session {
    ssh_session ssh = nullptr;
    sftp_session sftp = nullptr;
    ~Session() {
        if (sftp) sftp_free(sftp);
        if (ssh) {
            ssh_disconnect(ssh);
            ssh_free(ssh);
        }
    }
};

SftpTransport::SftpTransport(KeepAlive* keepAlive, TransportLogin login)
    : keepAlive_(keepAlive), login_(std::move(login)) {}

SftpTransport::~SftpTransport() = default;

bool SftpTransport::Connected() const { return session_ && session_->sftp && ssh_is_connected(session_->ssh); }

void SftpTransport::TestCancel() {
    if (keepAlive_ && keepAlive_->CancelRequested()) cancelSeen_ = true;
    if (cancelSeen_)
        throw AbortError(
            "Op\xE9ration annul\xE9"
            "e");
}

void SftpTransport::Fail(const std::string& what) {
    std::string text = what;
    if (session_ && session_->ssh) {
        const char* error = ssh_get_error(session_->ssh);
        if (error && *error) text += " : " + std::string(error);
    }
    throw SockError(text);
}

template <typename Step>
int SftpTransport::Await(Step step, int again) {
    const long long deadline = login_.timeOutMilliseconds > 0 ? NowMilliseconds() + login_.timeOutMilliseconds : 0;
    while (true) {
        const int result = step();
        if (result != again) return result;
        if (deadline != 0 && NowMilliseconds() >= deadline) {
            throw SockError("Temps d\xE9pass\xE9 pour la connexion", 0, true);
        }
        pollfd watched{ssh_get_fd(session_->ssh), POLLIN, 0};
        if (ssh_get_poll_flags(session_->ssh) & SSH_WRITE_PENDING) watched.events |= POLLOUT;
        ::poll(&watched, 1, kSliceMilliseconds);
        TestCancel();
    }
}

void SftpTransport::Open() {
    if (Connected()) return;
    session_ = std::make_unique<Session>();
    try {
        session_->ssh = ssh_new();
        if (!session_->ssh) throw SockError("SSH");
        const int port = login_.port;
        const bool no = false;
        const std::string knownHosts = UserKnownHosts();
        ssh_options_set(session_->ssh, SSH_OPTIONS_HOST, login_.host.c_str());
        ssh_options_set(session_->ssh, SSH_OPTIONS_PORT, &port);
        ssh_options_set(session_->ssh, SSH_OPTIONS_USER, login_.user.c_str());
        ssh_options_set(session_->ssh, SSH_OPTIONS_KNOWNHOSTS, knownHosts.c_str());
        ssh_options_set(session_->ssh, SSH_OPTIONS_PROCESS_CONFIG, &no);
        // Each block waits for the server's answer: a delayed small packet
        // would hold every one back.
        const int noDelay = 1;
        ssh_options_set(session_->ssh, SSH_OPTIONS_NODELAY, &noDelay);
        if (login_.timeOutMilliseconds > 0) {
            const long seconds = (login_.timeOutMilliseconds + 999) / 1000;
            ssh_options_set(session_->ssh, SSH_OPTIONS_TIMEOUT, &seconds);
        }
        ssh_set_blocking(session_->ssh, 0);
        if (Await([&] { return ssh_connect(session_->ssh); }, SSH_AGAIN) != SSH_OK) {
            Fail(
                "La connection a \xE9"
                "chou\xE9");
        }
        CheckHostKey();
        if (login_.loggingIn) login_.loggingIn();
        const int login = Await([&] { return ssh_userauth_password(session_->ssh, nullptr, login_.password.c_str()); },
                                SSH_AUTH_AGAIN);
        if (login != SSH_AUTH_SUCCESS)
            Fail(
                "Identification refus\xE9"
                "e");
        ssh_set_blocking(session_->ssh, 1);
        session_->sftp = sftp_new(session_->ssh);
        if (!session_->sftp || sftp_init(session_->sftp) != SSH_OK) Fail("SFTP");
        char* home = sftp_canonicalize_path(session_->sftp, ".");
        if (!home) Fail("SFTP");
        folder_ = home;
        ssh_string_free_char(home);
    } catch (...) {
        session_.reset();
        throw;
    }
}

void SftpTransport::CheckHostKey() {
    IdentityCheck check;
    ssh_key key = nullptr;
    if (ssh_get_server_publickey(session_->ssh, &key) != SSH_OK) Fail("SSH");
    unsigned char* hash = nullptr;
    std::size_t length = 0;
    const int hashed = ssh_get_publickey_hash(key, SSH_PUBLICKEY_HASH_SHA256, &hash, &length);
    ssh_key_free(key);
    if (hashed != SSH_OK) Fail("SSH");
    char* fingerprint = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, length);
    ssh_clean_pubkey_hash(&hash);
    check.fingerprint = fingerprint ? fingerprint : "";
    ssh_string_free_char(fingerprint);
    switch (ssh_session_is_known_server(session_->ssh)) {
        case SSH_KNOWN_HOSTS_OK: return;
        case SSH_KNOWN_HOSTS_CHANGED:
        case SSH_KNOWN_HOSTS_OTHER:
            // The question's own words say unknown or changed: no reason of another language is added.
            check.kind = IdentityCheck::Kind::ChangedHostKey;
            break;
        default: check.kind = IdentityCheck::Kind::UnknownHostKey; break;
    }
    if (!login_.untrustedIdentity || !login_.untrustedIdentity(check)) {
        throw SockError(
            "Cl\xE9 du serveur refus\xE9"
            "e : " +
            check.reason);
    }
}

// Names are Windows-1252 here and UTF-8 on the server, as SFTP servers
// on today's systems store them.
std::string SftpTransport::PathOf(const std::string& name) const {
    const std::string onServer = Utf8FromCp1252(name).Bytes();
    if (onServer.starts_with("/")) return onServer;
    return folder_ == "/" ? "/" + onServer : folder_ + "/" + onServer;
}

std::string SftpTransport::CurrentFolder() { return Cp1252ForDisplay(Utf8Text(folder_)); }

std::vector<UnixListing::Entry> SftpTransport::List() {
    TestCancel();
    sftp_dir folder = sftp_opendir(session_->sftp, folder_.c_str());
    if (!folder) Fail("Liste de " + folder_);
    std::vector<UnixListing::Entry> entries;
    while (sftp_attributes item = sftp_readdir(session_->sftp, folder)) {
        const std::string onServer = item->name ? item->name : "";
        const std::string name = Cp1252ForDisplay(Utf8Text(onServer));
        if (name != "." && name != "..") {
            const bool isFolder = item->type == SSH_FILEXFER_TYPE_DIRECTORY;
            entries.push_back({isFolder ? "drwxr-xr-x" : "-rw-r--r--", name, {}, std::to_string(item->size)});
        }
        sftp_attributes_free(item);
    }
    const bool whole = sftp_dir_eof(folder) == 1;
    sftp_closedir(folder);
    if (!whole) Fail("Liste de " + folder_);
    return entries;
}

void SftpTransport::Enter(const std::string& name) {
    TestCancel();
    if (name == "..") {
        Up();
        return;
    }
    const std::string path = PathOf(name);
    sftp_attributes found = sftp_stat(session_->sftp, path.c_str());
    const bool isFolder = found && found->type == SSH_FILEXFER_TYPE_DIRECTORY;
    if (found) sftp_attributes_free(found);
    if (!isFolder) throw PalimoraError("550 " + path);
    folder_ = path;
}

void SftpTransport::Up() {
    TestCancel();
    const auto slash = folder_.find_last_of('/');
    folder_ = slash == 0 || slash == std::string::npos ? "/" : folder_.substr(0, slash);
}

void SftpTransport::MakeFolder(const std::string& name) {
    TestCancel();
    if (name.empty() || sftp_mkdir(session_->sftp, PathOf(name).c_str(), 0755) != SSH_OK) {
        throw PalimoraError("550 " + PathOf(name));
    }
}

void SftpTransport::Remove(const std::string& name) {
    TestCancel();
    if (sftp_unlink(session_->sftp, PathOf(name).c_str()) != SSH_OK) throw PalimoraError("550 " + PathOf(name));
}

void SftpTransport::Rename(const std::string& from, const std::string& to) {
    TestCancel();
    if (sftp_rename(session_->sftp, PathOf(from).c_str(), PathOf(to).c_str()) != SSH_OK) {
        throw PalimoraError("550 " + PathOf(from));
    }
}

void SftpTransport::Upload(const std::filesystem::path& local, const std::string& remoteName) {
    Send(local, remoteName, 0);
}

bool SftpTransport::UploadRest(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from) {
    Send(local, remoteName, from);
    return true;
}

void SftpTransport::Send(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from) {
    TestCancel();
    std::ifstream in(local, std::ios::binary);
    if (in && from > 0) in.seekg(static_cast<std::streamoff>(from));
    if (!in) throw SockError(FailureAbout(Failure::CannotRead, local));
    const std::string path = remoteName.empty() ? folder_ + "/" + local.filename().string() : PathOf(remoteName);
    // The rest of a file goes after the bytes the server holds, which stay.
    sftp_file file = sftp_open(session_->sftp, path.c_str(), from > 0 ? O_WRONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!file) Fail("Envoi de " + path);
    if (from > 0 && sftp_seek64(file, from) != 0) {
        sftp_close(file);
        Fail("Envoi de " + path);
    }
    std::string block(kBlockSize, '\0');
    std::error_code unknown;
    const std::uint64_t total = std::filesystem::file_size(local, unknown) - from;
    std::uint64_t sent = 0;
    try {
        while (in) {
            in.read(block.data(), static_cast<std::streamsize>(block.size()));
            const auto count = static_cast<std::size_t>(in.gcount());
            if (count == 0) break;
            if (sftp_write(file, block.data(), count) != static_cast<ssize_t>(count)) Fail("Envoi de " + path);
            sent += count;
            if (keepAlive_) keepAlive_->BytesSent(sent, total);
            TestCancel();
        }
        // A file that could not be read to its end was sent cut: it is not sent.
        if (in.bad()) throw SockError(FailureAbout(Failure::CannotRead, local));
    } catch (const AbortError&) {
        sftp_close(file);
        throw AbortError(kSendAbandoned);
    } catch (...) {
        sftp_close(file);
        throw;
    }
    if (sftp_close(file) != SSH_OK) Fail("Envoi de " + path);
}

void SftpTransport::Close() { session_.reset(); }

}  // namespace palimora
