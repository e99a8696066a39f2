#pragma once

#include "publish/SockLink.h"
#include "publish/UnixListing.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace palimora {

// An FTP client (RFC 959) on the control connection of its SockLink, with a
// data connection of its own for each listing and upload: active (PORT, the
// program's mode) or passive (PASV). Failure replies raise FtpError.
// With Encryption set, the session asks for TLS (AUTH TLS, RFC 4217) before
// the login and then protects every data connection too (PBSZ 0, PROT P),
// each resuming the control connection's TLS session.
class FtpClient : public SockLink {
public:
    enum CommandKind { kChangeFolder = 0, kMakeFolder = 1, kDeleteFile = 2, kRemoveFolder = 3, kList = 4,
                       kUpload = 9, kOther = 14, kCurrentFolder = 15 };
    enum Vendor { kDetect = 2411, kUnix = 2400, kDos = 2401, kVm = 2402, kMacOs = 2404, kVms = 2406, kMvs = 2408,
                  kOtherSystem = 2410, kOs400 = 2414, kNetware = 2416 };
    enum class Firewall { User, Open, Site };
    // Plain: no TLS. WhenOffered: TLS when the server accepts AUTH TLS,
    // plain FTP when it answers anything else. Required: a server that does
    // not accept it fails the connection, before the login is sent.
    enum class Encryption { Plain, WhenOffered, Required };

    explicit FtpClient(KeepAlive* keepAlive = nullptr);
    ~FtpClient() override;

    std::string UserID;
    std::string Password;
    int VendorKind = kDetect;
    bool ParseList = true;
    bool Passive = false;
    Firewall FirewallType = Firewall::User;
    std::string FWUserID;
    std::string FWPassword;
    bool FWAuthenticate = false;
    Encryption Security = Encryption::Plain;

    // The server's answer to AUTH TLS: true when it accepted it.
    std::function<void(bool accepted)> OnTlsAnswer;
    // The login succeeded; a publishing run happens inside it.
    std::function<void()> OnLoggedIn;
    std::function<bool()> OnAuthenticationNeeded;
    std::function<void()> OnTransactionStart;
    std::function<void()> OnTransactionStop;
    std::function<void(const std::string&)> OnListItem;
    std::function<void(int kind)> OnSuccess;
    std::function<bool(int kind)> OnFailure;  // true: handled, no error raised
    std::function<void(int kind)> OnUnSupportedFunction;

    void OpenSession();
    void CloseSession();
    void SendCommand(const std::string& command);
    // Only a completion reply (2xx) enters the folder; anything else fails.
    void EnterFolder(const std::string& name);
    void MakeFolder(const std::string& name) { SendCommand("MKD " + name); }
    void DeleteFile(const std::string& name) { SendCommand("DELE " + name); }
    std::string CurrentFolder();
    // 1 ASCII, 2 image (binary), 3 local 8 bits.
    void SetTransferType(int kind);
    void ListFolder();
    void UploadFile(const std::filesystem::path& local, const std::string& remoteName = {});
    // Stops the running listing or upload at its next step; outside a
    // transfer it does nothing.
    void AbortTransfer();

    const UnixListing* Listing() const { return listing_.get(); }

    // "PORT h1,h2,h3,h4,p1,p2" for a local IPv4 address and port.
    static std::string PortCommand(const std::string& dottedAddress, std::uint16_t port);
    static int KindOf(const std::string& command);

private:
    // The reply of the command just sent: its first line, then continuation
    // lines up to the one that begins with the same code and a blank.
    void ReadContinuation();
    long long Command(const std::string& command);
    // The final reply after a transfer; a failure code (400 and up) or a
    // closed connection fails the transfer.
    void ReadFinalReply(int kind);
    // The port of a PASV reply, from the first of its lines that holds six
    // numbers separated by commas; 0 when none does.
    int PassivePort() const;
    void Judge(long long code, int kind, long long failureFrom);
    void Fail(int kind);
    // `failureFrom`: the first reply code that fails this step.
    void LoginStep(const std::string& command, long long failureFrom = 401);
    std::unique_ptr<SockLink> OpenDataConnection(int kind);
    void DetectVendor();
    // AUTH TLS after the greeting, by Security.
    void NegotiateTls();
    // TLS on a data connection once the server expects it (after its 1xx).
    void SecureData(SockLink& data);
    // After a cancelled listing: tells the server to stop the transfer.
    void SendAbort();

    std::unique_ptr<UnixListing> listing_;
    std::string wholeReply_;      // every line of the last reply
    bool passiveRefused_ = false;  // PASV refused: PORT for the rest of the session
    SockLink* data_ = nullptr;  // the data connection while a transfer runs
    bool listing_in_progress_ = false;
    bool transferring_ = false;
    KeepAlive* keepAlive_;
};

}  // namespace palimora
