#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace palimora {

class KeepAlive;
class TlsChannel;
struct IdentityCheck;

// A TCP connection, as the FTP client's control and data connections use it: connects (with host lookup),
// reads lines, sends texts and files, listens for and accepts one incoming
// connection. Every wait polls the socket in short slices and calls the
// keep-alive between them, so a window stays responsive and Cancel ends
// any wait at once; TimeOut bounds every wait (0: no bound). Failures raise
// SockError, cancels AbortError, with the texts of the socket layer.
// StartTls turns a connection into TLS; reading and sending then go through
// it, with the same waits.
class SockLink {
public:
    explicit SockLink(KeepAlive* keepAlive = nullptr);
    virtual ~SockLink();
    SockLink(const SockLink&) = delete;
    SockLink& operator=(const SockLink&) = delete;

    std::string Host;
    int Port = 0;
    int TimeOut = 0;  // milliseconds, 0 = no bound

    // Asked when the server's certificate does not verify: true goes on.
    std::function<bool(const IdentityCheck&)> OnUntrustedCertificate;

    void Connect();
    void Disconnect();
    void Write(std::string_view text);
    void Writeln(std::string_view text);
    // One line with its line end; at most 65,536 bytes (a longer line comes
    // in pieces); empty when the peer closed the connection.
    std::string ReadLn();
    // count 0: what is waiting (at most 65,536 bytes); else exactly count
    // bytes, fewer only when the connection closes. Empty: closed.
    std::string Read(std::size_t count);
    // Sends the file's bytes from `from` on.
    void SendFile(const std::filesystem::path& file, std::uintmax_t from = 0);
    // Binds to a free port of `localAddress` (dotted IPv4) and listens;
    // returns the port.
    std::uint16_t Listen(const std::string& localAddress);
    // Waits for the incoming connection from `peerAddress` (dotted IPv4),
    // which becomes this link's socket; a connection from anywhere else is
    // closed unanswered.
    void Accept(const std::string& peerAddress);
    bool DataAvailable();
    void FlushInput();
    void Cancel() { cancelled_ = cancelSeen_ = true; }
    bool Cancelled() const { return cancelled_; }
    void ClearCancel() { cancelled_ = false; }
    bool TimedOut() const { return timedOut_; }
    // A Cancel (the user's through the keep-alive, or Cancel itself) reached
    // this link since the last ForgetCancel.
    bool CancelSeen() const { return cancelSeen_; }
    void ForgetCancel() { cancelSeen_ = false; }
    // A cancel that reached another link of the same session (a data connection).
    void NoteCancelSeen() { cancelSeen_ = true; }
    // While set, the waits still call the keep-alive but no longer stop at
    // its cancel request: the clean-up after a cancelled run.
    void IgnoreCancelRequests(bool ignore) { ignoreCancelRequests_ = ignore; }
    // Off: closing waits until what was sent is delivered (after an upload);
    // over TLS the closing alert goes first, so the server knows the end came.
    void SetLingerOff();

    // The TLS handshake as client, then the certificate check against the
    // system's trusted certificates and `hostName`; a certificate that does
    // not verify goes to OnUntrustedCertificate, and is refused without it.
    // `resumeFrom` lends the session of its own TLS (a data connection
    // resumes the control connection's).
    void StartTls(const std::string& hostName, const SockLink* resumeFrom = nullptr);
    bool Secure() const { return tls_ != nullptr; }
    bool TlsResumed() const;

    bool Connected() const { return connected_; }
    std::uint64_t BytesSent() const { return bytesSent_; }
    std::uint64_t BytesTotal() const { return bytesTotal_; }
    void SetBytesTotal(std::uint64_t total) { bytesTotal_ = total; }
    // The local and the remote IPv4 address of the connected socket, dotted.
    std::string LocalAddress() const;
    std::string PeerAddress() const;

    static constexpr std::size_t kBufferSize = 65536;

    // Lets the windows run (and Cancel be pressed) between two steps: a
    // Cancel pressed there cancels what is under way.
    void KeepAliveStep();
    // Raises "Non connecté" without a connection.
    void RequireConnection();
    // One line of a reply. A line longer than the buffer keeps its first
    // 65,536 bytes; the rest of it is read and dropped, so that it is not
    // taken for the next line.
    std::string ReadWholeLine();

private:
    enum class Wait { Ready, Cancelled, TimedOut };
    // Polls the socket for `events` until ready, cancelled or out of time.
    Wait WaitFor(int fd, short events);
    // Ready at once when TLS holds decrypted bytes a poll cannot see.
    Wait WaitForInput();
    [[noreturn]] void RaiseTlsFailure();
    void StartDeadline();
    bool PastDeadline() const;
    [[noreturn]] void RaiseSystemError(int systemError);
    // Sends every byte, waiting when the socket is full; `counted` adds them
    // to BytesSent and reports each send (a file's blocks).
    void SendAll(std::string_view bytes, bool counted);
    std::string Resolve();
    void CloseSocket();
    // Pulls what is waiting into the pending buffer; false when the peer closed.
    bool Receive();

    KeepAlive* keepAlive_;
    int fd_ = -1;
    std::unique_ptr<TlsChannel> tls_;
    bool orderlyClose_ = false;
    bool connected_ = false;
    bool cancelled_ = false;
    bool timedOut_ = false;
    bool cancelSeen_ = false;
    bool ignoreCancelRequests_ = false;
    long long deadline_ = 0;
    std::string pending_;  // received, not yet read
    std::uint64_t bytesSent_ = 0;
    std::uint64_t bytesTotal_ = 0;
};

}  // namespace palimora
