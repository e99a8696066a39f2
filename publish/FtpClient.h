#pragma once

#include "publish/FtpReply.h"
#include "publish/SockLink.h"
#include "publish/UnixListing.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace palimora {

// An FTP client (RFC 959) with a control connection and, for each listing
// and upload, a data connection of its own: passive (EPSV where the server
// offers it, else PASV) or, when the server refuses passive mode, active
// (PORT). Each command checks the class of the reply it expects; failure
// replies raise FtpError with the server's words.
// With Encryption set, the session asks for TLS (AUTH TLS, RFC 4217) before
// the login and then protects every data connection too (PBSZ 0, PROT P),
// each resuming the control connection's TLS session.
// After the login the client asks the server's features (FEAT); a server
// offering UTF8 is told so (OPTS UTF8 ON) and takes names in UTF-8.
class FtpClient {
public:
    enum CommandKind {
        kChangeFolder = 0,
        kMakeFolder = 1,
        kDeleteFile = 2,
        kRemoveFolder = 3,
        kList = 4,
        kUpload = 9,
        kOther = 14,
        kCurrentFolder = 15
    };
    // Plain: no TLS. WhenOffered: TLS when the server accepts AUTH TLS,
    // plain FTP when it answers anything else. Required: a server that does
    // not accept it fails the connection, before the login is sent.
    enum class Encryption { Plain, WhenOffered, Required };

    explicit FtpClient(KeepAlive* keepAlive = nullptr);
    virtual ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // Where the client connects and how; read by each command, so set
    // before OpenSession (a test may turn passive mode off in between).
    struct Settings {
        std::string host;
        int port = 21;
        int timeOut = 0;  // milliseconds for every wait, 0 = no bound
        std::string user;
        std::string password;
        bool passive = false;
        Encryption security = Encryption::Plain;
    };
    Settings settings;

    // Asked when the server's certificate does not verify: true goes on.
    std::function<bool(const IdentityCheck&)> OnUntrustedCertificate;
    // The server's answer to AUTH TLS: true when it accepted it.
    std::function<void(bool accepted)> OnTlsAnswer;
    // Just before the login, when the user or the password is empty: may set them.
    std::function<void()> OnAuthenticationNeeded;

    void OpenSession();
    void CloseSession();
    void SendCommand(const std::string& command);
    // Only a completion reply (2xx) enters the folder; anything else fails.
    void EnterFolder(const std::string& name);
    void MakeFolder(const std::string& name) { SendCommand("MKD " + name); }
    void DeleteFile(const std::string& name) { SendCommand("DELE " + name); }
    // RNFR, then RNTO once the server asked for the new name (350).
    void RenameFile(const std::string& from, const std::string& to);
    std::string CurrentFolder();
    // 1 ASCII, 2 image (binary), 3 local 8 bits.
    void SetTransferType(int kind);
    void ListFolder();
    void UploadFile(const std::filesystem::path& local, const std::string& remoteName = {});
    // Sends `local` from byte `from` on, after the bytes the server holds
    // (REST then STOR); false, having sent nothing, when the server does
    // not offer REST STREAM or refuses the restart point.
    bool UploadRest(const std::filesystem::path& local, const std::string& remoteName, std::uintmax_t from);
    // Stops the running listing or upload at its next step; outside a
    // transfer it does nothing.
    void AbortTransfer();

    const UnixListing* Listing() const { return listing_.get(); }
    // The server offered UTF8 in its features: names go and come in UTF-8.
    bool Utf8Names() const { return features_.count("UTF8") > 0; }

    bool Connected() const { return control_.Connected(); }
    bool Secure() const { return control_.Secure(); }
    void Cancel() { control_.Cancel(); }
    void ClearCancel() { control_.ClearCancel(); }
    bool CancelSeen() const { return control_.CancelSeen(); }
    void ForgetCancel() { control_.ForgetCancel(); }
    void NoteCancelSeen() { control_.NoteCancelSeen(); }

    const FtpReply& Reply() const { return reply_; }
    const std::string& LastReply() const { return reply_.firstLine; }
    long long ReplyCode() const { return reply_.code; }

    // "PORT h1,h2,h3,h4,p1,p2" for a local IPv4 address and port.
    static std::string PortCommand(const std::string& dottedAddress, std::uint16_t port);
    static int KindOf(const std::string& command);

protected:
    // What a client that watches the session (a test's) is told; nothing
    // here. The login succeeded; the greeting or the login was refused; a
    // listing or an upload has its data connection and begins; a listing
    // line arrived; a command of `kind` succeeded; the server does not know
    // the command (500 to 502).
    virtual void LoggedIn() {}
    virtual void ConnectionFailed() {}
    virtual void TransactionStarted() {}
    virtual void ListItemRead(const std::string& item) { (void)item; }
    virtual void Succeeded(int kind) { (void)kind; }
    virtual void Unsupported(int kind) { (void)kind; }

private:
    // One reply: its first line, then, for "ddd-", every line up to the one
    // that begins with the same code and a blank.
    const FtpReply& ReadReply();
    // Sends a command and reads its reply.
    const FtpReply& Command(const std::string& command);
    [[noreturn]] void Fail(int kind);
    // Fails unless the reply is of the class `expected`.
    void Expect(ReplyClass expected, int kind);
    // The final reply after a transfer: anything but a completion fails it.
    void ReadFinalReply(int kind);
    // The port of a PASV reply, from the first of its lines that holds six
    // numbers separated by commas; of an EPSV reply, between its "|||" and
    // "|". 0 when there is none.
    int PassivePort() const;
    int ExtendedPassivePort() const;
    void Login();
    void AskFeatures();
    std::unique_ptr<SockLink> OpenDataConnection(int kind);
    // AUTH TLS after the greeting, by Security.
    void NegotiateTls();
    // TLS on a data connection once the server expects it (after its 1xx).
    void SecureData(SockLink& data);
    // Waits for the server's connection after PORT; nothing after EPSV or PASV.
    void AcceptData(SockLink& data);
    bool ActiveMode() const { return !settings.passive || passiveRefused_; }
    // After a cancelled listing: tells the server to stop the transfer.
    void SendAbort();

    KeepAlive* keepAlive_;
    SockLink control_;
    FtpReply reply_;
    std::set<std::string> features_;
    std::unique_ptr<UnixListing> listing_;
    bool passiveRefused_ = false;   // passive refused for good: PORT for the rest of the session
    bool extendedRefused_ = false;  // EPSV refused: PASV for the rest of the session
    SockLink* data_ = nullptr;      // the data connection while a transfer runs
    bool listing_in_progress_ = false;
    bool transferring_ = false;
    std::uintmax_t restFrom_ = 0;  // the next upload starts there (UploadRest)
    struct RestRefused {};
};

}  // namespace palimora
