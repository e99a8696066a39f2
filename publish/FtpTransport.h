#pragma once

#include "publish/FtpClient.h"
#include "publish/RemoteTransport.h"

namespace palimora {

// A publication over FTP, with TLS by `security`. Names are Windows-1252
// here; a server that offers UTF8 gets them, and lists them back, in UTF-8;
// any other gets the bytes as they are, which its listings give back alike.
class FtpTransport : public RemoteTransport {
public:
    FtpTransport(KeepAlive* keepAlive, TransportLogin login, FtpClient::Encryption security);

    void Open() override;
    void Close() override;
    bool Connected() const override { return client_.Connected(); }
    std::vector<UnixListing::Entry> List() override;
    void Enter(const std::string& name) override { client_.EnterFolder(ToServer(name)); }
    void Up() override { client_.EnterFolder(".."); }
    void MakeFolder(const std::string& name) override { client_.MakeFolder(ToServer(name)); }
    void Remove(const std::string& name) override { client_.DeleteFile(ToServer(name)); }
    void Rename(const std::string& from, const std::string& to) override {
        client_.RenameFile(ToServer(from), ToServer(to));
    }
    std::string CurrentFolder() override { return FromServer(client_.CurrentFolder()); }
    void SetTextMode(bool text) override { client_.SetTransferType(text ? 1 : 2); }
    void Upload(const std::filesystem::path& local, const std::string& remoteName) override {
        client_.UploadFile(local, ToServer(remoteName));
    }
    bool UploadRest(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from) override {
        return client_.UploadRest(local, ToServer(remoteName), from);
    }
    bool CancelSeen() const override { return client_.CancelSeen(); }
    void NoteCancelSeen() override { client_.NoteCancelSeen(); }

private:
    std::string ToServer(const std::string& name) const;
    std::string FromServer(const std::string& name) const;

    TransportLogin login_;
    FtpClient client_;
};

}  // namespace palimora
