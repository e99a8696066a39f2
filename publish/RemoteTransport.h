#pragma once

#include "publish/IdentityCheck.h"
#include "publish/UnixListing.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace palimora {

class KeepAlive;

// Where and as whom a transport logs in, and what it asks the run.
struct TransportLogin {
    std::string host;
    int port = 21;
    std::string user;
    std::string password;
    int timeOutMilliseconds = 0;  // 0: no bound
    // Just before the password is sent.
    std::function<void()> loggingIn;
    // FTP's answer to AUTH TLS, when it was asked: true when TLS was accepted.
    std::function<void(bool accepted)> tlsAnswer;
    // A server whose identity did not verify: true goes on.
    std::function<bool(const IdentityCheck&)> untrustedIdentity;
};

// What a publication does on its server, whatever the protocol: a session
// with a current folder that can be listed, entered, left upwards, added to
// and sent files. Failures raise PalimoraError (SockError for the
// connection, AbortError for a cancel); a cancel that reached a wait is
// remembered in CancelSeen.
class RemoteTransport {
public:
    virtual ~RemoteTransport() = default;

    virtual void Open() = 0;
    // Ends the session; a failure there closes it all the same.
    virtual void Close() = 0;
    virtual bool Connected() const = 0;

    virtual std::vector<UnixListing::Entry> List() = 0;
    virtual void Enter(const std::string& name) = 0;
    virtual void Up() = 0;
    virtual void MakeFolder(const std::string& name) = 0;
    // Deletes a file of the current folder.
    virtual void Remove(const std::string& name) = 0;
    // Renames a file of the current folder; `to` does not exist.
    virtual void Rename(const std::string& from, const std::string& to) = 0;
    virtual std::string CurrentFolder() = 0;
    // Pages go as text (FTP's ASCII mode), anything else as bytes.
    virtual void SetTextMode(bool text) = 0;
    virtual void Upload(const std::filesystem::path& local, const std::string& remoteName) = 0;
    // Sends `local` from byte `from` on, after the bytes the server already
    // holds; false, having sent nothing, when the server cannot take the rest.
    virtual bool UploadRest(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from) {
        (void)local, (void)remoteName, (void)from;
        return false;
    }

    virtual bool CancelSeen() const = 0;
    virtual void NoteCancelSeen() = 0;
};

}  // namespace palimora
