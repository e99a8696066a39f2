#pragma once

#include "publish/RemoteTransport.h"

#include <memory>
#include <string>

namespace palimora {

// A publication over SFTP: an SSH session with password login, the
// server's host key checked against the user's known hosts
// ($HOME/.ssh/known_hosts) and an unknown or changed one asked about. SFTP
// has no current folder: this transport keeps one, as a path. Connecting
// and logging in wait as the socket layer does, in short slices that keep
// the window alive, with Cancel and the time-out; once logged in, each
// request waits at most the time-out and a cancel takes effect between two
// requests (an upload sends blocks of 64 KiB).
class SftpTransport : public RemoteTransport {
public:
    SftpTransport(KeepAlive* keepAlive, TransportLogin login);
    ~SftpTransport() override;

    void Open() override;
    void Close() override;
    bool Connected() const override;
    std::vector<UnixListing::Entry> List() override;
    void Enter(const std::string& name) override;
    void Up() override;
    void MakeFolder(const std::string& name) override;
    void Remove(const std::string& name) override;
    void Rename(const std::string& from, const std::string& to) override;
    std::string CurrentFolder() override;
    void SetTextMode(bool) override {}
    void Upload(const std::filesystem::path& local, const std::string& remoteName) override;
    bool UploadRest(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from) override;
    bool CancelSeen() const override { return cancelSeen_; }
    void NoteCancelSeen() override { cancelSeen_ = true; }

private:
    // Sends `local` from byte `from` on (0: the whole file, the remote one replaced).
    void Send(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from);
    struct Session;

    // Runs a non-blocking step of the SSH library until it stops asking
    // to be called again.
    template <typename Step>
    int Await(Step step, int again);
    void CheckHostKey();
    void TestCancel();
    [[noreturn]] void Fail(const std::string& what);
    std::string PathOf(const std::string& name) const;

    KeepAlive* keepAlive_;
    TransportLogin login_;
    std::unique_ptr<Session> session_;
    std::string folder_;
    bool cancelSeen_ = false;
};

}  // namespace palimora
