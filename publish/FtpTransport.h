#pragma once

#include "publish/FtpClient.h"
#include "publish/RemoteTransport.h"

namespace palimora {

// A publication over FTP, with TLS by `security`.
class FtpTransport : public RemoteTransport {
public:
    FtpTransport(KeepAlive* keepAlive, TransportLogin login, FtpClient::Encryption security);

    void Open() override;
    void Close() override;
    bool Connected() const override { return client_.Connected(); }
    std::vector<UnixListing::Entry> List() override;
    void Enter(const std::string& name) override { client_.EnterFolder(name); }
    void Up() override { client_.EnterFolder(".."); }
    void MakeFolder(const std::string& name) override { client_.MakeFolder(name); }
    void Remove(const std::string& name) override { client_.DeleteFile(name); }
    std::string CurrentFolder() override { return client_.CurrentFolder(); }
    void SetTextMode(bool text) override { client_.SetTransferType(text ? 1 : 2); }
    void Upload(const std::filesystem::path& local, const std::string& remoteName) override {
        client_.UploadFile(local, remoteName);
    }
    bool CancelSeen() const override { return client_.CancelSeen(); }
    void NoteCancelSeen() override { client_.NoteCancelSeen(); }

private:
    TransportLogin login_;
    FtpClient client_;
};

}  // namespace palimora
