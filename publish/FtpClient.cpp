#include "publish/FtpClient.h"

#include "common/Error.h"
#include "common/FailureTexts.h"
#include "publish/SocketErrors.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

std::string WithoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The port of "h1,h2,h3,h4,p1,p2" at the start of `text`, or 0.
int PortOfSixNumbers(std::string_view text) {
    int numbers[6] = {};
    std::size_t at = 0;
    for (int n = 0; n < 6; ++n) {
        if (n > 0) {
            if (at >= text.size() || text[at] != ',') return 0;
            ++at;
        }
        if (at >= text.size() || !IsDigit(text[at])) return 0;
        for (int digits = 0; at < text.size() && IsDigit(text[at]); ++at) {
            if (++digits > 3) return 0;
            numbers[n] = numbers[n] * 10 + (text[at] - '0');
        }
        if (numbers[n] > 255) return 0;
    }
    return numbers[4] * 256 + numbers[5];
}

// Clears a flag on every way out of a scope.
class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& flag_;
};

// The clean-up after a cancel or a failed transfer: the waits still keep the
// window alive but no longer stop at its cancel request, and none lasts
// longer than two seconds, so that one Cancel ends the run.
class BoundedCleanUp {
public:
    static constexpr int kMilliseconds = 2000;
    explicit BoundedCleanUp(SockLink& link) : link_(link), timeOut_(link.TimeOut) {
        link_.IgnoreCancelRequests(true);
        link_.ClearCancel();
        if (link_.TimeOut == 0 || link_.TimeOut > kMilliseconds) link_.TimeOut = kMilliseconds;
    }
    ~BoundedCleanUp() {
        link_.TimeOut = timeOut_;
        link_.IgnoreCancelRequests(false);
    }
    BoundedCleanUp(const BoundedCleanUp&) = delete;
    BoundedCleanUp& operator=(const BoundedCleanUp&) = delete;

private:
    SockLink& link_;
    int timeOut_;
};

}  // namespace

FtpClient::FtpClient(KeepAlive* keepAlive) : SockLink(keepAlive), keepAlive_(keepAlive) { Port = 21; }

FtpClient::~FtpClient() = default;

int FtpClient::KindOf(const std::string& command) {
    if (command == "PWD") return kCurrentFolder;
    const std::string word = command.substr(0, command.find(' '));
    if (word == "CWD") return kChangeFolder;
    if (word == "DELE") return kDeleteFile;
    if (word == "MKD") return kMakeFolder;
    if (word == "RMD") return kRemoveFolder;
    return kOther;
}

std::string FtpClient::PortCommand(const std::string& dottedAddress, std::uint16_t port) {
    std::string address = dottedAddress;
    std::replace(address.begin(), address.end(), '.', ',');
    return "PORT " + address + "," + std::to_string(port >> 8) + "," + std::to_string(port & 0xFF);
}

void FtpClient::ReadContinuation() {
    // RFC 959: a reply whose first line reads "ddd-" goes on until a line
    // that begins with the same three digits and a blank; lines between may
    // hold anything. A single-line reply has no continuation.
    const std::string first = LastReply();
    wholeReply_ = first;
    if (first.size() < 4 || first[3] != '-') return;
    const std::string end = first.substr(0, 3) + " ";
    while (true) {
        KeepAliveStep();  // a server that never ends its reply can still be cancelled
        if (Cancelled()) {
            ClearCancel();
            throw AbortError("ReadLn de Socket abandonn\xE9" "e");
        }
        const std::string line = ReadReplyLine();
        if (line.empty()) return;  // the connection closed
        wholeReply_ += line;
        Status(1, line);
        if (line.compare(0, 4, end) == 0) return;
    }
}

long long FtpClient::Command(const std::string& command) {
    wholeReply_.clear();
    const long long code = Transaction(command);
    // No reply at all means the server closed the connection: that is not
    // a success with code 0.
    if (LastReply().empty() && !Connected()) throw PalimoraError(FailureText(Failure::NotConnected));
    ReadContinuation();
    return code;
}

void FtpClient::Fail(int kind) {
    if (OnFailure && OnFailure(kind)) return;
    throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
}

void FtpClient::Judge(long long code, int kind, long long failureFrom) {
    // A reply without a three-digit code is no answer, and so no success.
    if ((code >= failureFrom && code <= 599) || code < 100 || code > 599) {
        if (code >= 500 && code <= 502 && OnUnSupportedFunction) OnUnSupportedFunction(kind);
        Fail(kind);
        return;
    }
    if (OnSuccess) OnSuccess(kind);
}

void FtpClient::SendCommand(const std::string& command) {
    const int kind = KindOf(command);
    RequireConnection();
    Status(1, command);
    FlushInput();
    Judge(Command(command), kind, 400);
}

void FtpClient::EnterFolder(const std::string& name) {
    RequireConnection();
    const std::string command = "CWD " + name;
    Status(1, command);
    FlushInput();
    const long long code = Command(command);
    Judge(code >= 200 && code <= 299 ? code : 599, kChangeFolder, 400);
}

std::string FtpClient::CurrentFolder() {
    SendCommand("PWD");
    const std::string reply = WithoutLineEnd(LastReply());
    const auto open = reply.find('"');
    if (open == std::string::npos) return {};
    const auto close = reply.find('"', open + 1);
    return reply.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

void FtpClient::SetTransferType(int kind) {
    SendCommand(kind == 1 ? "TYPE A" : kind == 2 ? "TYPE I" : "TYPE L 8");
}

void FtpClient::LoginStep(const std::string& command, long long failureFrom) {
    FlushInput();  // a greeting's extra line is no answer to this command
    const long long code = Command(command);
    if (code >= failureFrom && code <= 599) {
        if (OnConnectionFailed) OnConnectionFailed();
        throw FtpError(WithoutLineEnd(LastReply()), code);
    }
}

void FtpClient::OpenSession() {
    if (Connected()) return;
    try {
        FlushInput();
        ForgetCancel();
        passiveRefused_ = false;
        Connect();
        // A server may say "120 ready in n minutes" before its greeting: the
        // greeting is the first reply that is not preliminary.
        do {
            SetReply(ReadReplyLine());
            ReadContinuation();
        } while (ReplyCode() >= 100 && ReplyCode() <= 199);
        if (LastReply().empty()) throw PalimoraError(FailureText(Failure::NotConnected));
        if (ReplyCode() > 400) {
            if (OnConnectionFailed) OnConnectionFailed();
            throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
        }
        NegotiateTls();
        if (FWAuthenticate) {
            LoginStep("USER " + FWUserID);
            if (ReplyCode() == 331) LoginStep("PASS " + FWPassword);
        }
        if ((UserID.empty() || Password.empty()) && OnAuthenticationNeeded) OnAuthenticationNeeded();
        if (!Proxy.empty()) {
            if (FirewallType == Firewall::User) LoginStep("USER " + UserID + "@" + Host);
            if (FirewallType == Firewall::Open) LoginStep("OPEN " + Host);
            if (FirewallType == Firewall::Site) LoginStep("SITE " + Host);
        }
        if (Proxy.empty() || FirewallType != Firewall::User) LoginStep("USER " + UserID);
        // After PASS, a 332 asks for an account, which this client has none
        // of: the login failed as surely as with a 530.
        if (ReplyCode() == 331) LoginStep("PASS " + Password, 300);
        if (Secure()) {
            LoginStep("PBSZ 0", 400);
            LoginStep("PROT P", 400);
        }
        if (OnLoggedIn) OnLoggedIn();
    } catch (...) {
        // A cancel stays known past the clean-up, so the caller tells it
        // from a failed connection.
        const bool cancelSeen = CancelSeen();
        try {
            CloseSession();
        } catch (...) {
            Disconnect();  // the first failure is the one to tell
        }
        if (cancelSeen) NoteCancelSeen();
        Status(1, "D\xE9" "connect\xE9");
        throw;
    }
}

void FtpClient::NegotiateTls() {
    if (Security == Encryption::Plain) return;
    FlushInput();
    const long long code = Command("AUTH TLS");
    if (OnTlsAnswer) OnTlsAnswer(code == 234);
    if (code == 234) {
        StartTls(Proxy.empty() ? Host : Proxy);
        return;
    }
    // Servers without TLS answer 500 to 504 or 534, some 530: plain FTP then,
    // unless TLS is required.
    if (Security == Encryption::Required) {
        if (OnConnectionFailed) OnConnectionFailed();
        throw FtpError(WithoutLineEnd(LastReply()), code);
    }
}

void FtpClient::SecureData(SockLink& data) {
    if (!Secure()) return;
    data.OnUntrustedCertificate = OnUntrustedCertificate;
    try {
        data.StartTls(Proxy.empty() ? Host : Proxy, this);
    } catch (...) {
        if (data.CancelSeen()) NoteCancelSeen();
        throw;
    }
}

void FtpClient::CloseSession() {
    if (!Connected()) {
        Disconnect();
        return;
    }
    Status(1, "QUIT");
    listing_.reset();
    VendorKind = kDetect;
    passiveRefused_ = false;
    FlushInput();
    // QUIT's answer is owed at once: after a failure or a cancel, a silent
    // server holds the clean-up two seconds at most, never a whole time-out.
    std::optional<BoundedCleanUp> bounded;
    bounded.emplace(*this);
    try {
        const long long code = Command("QUIT");
        if (code >= 301 && code <= 599) throw FtpError(WithoutLineEnd(LastReply()), code);
    } catch (...) {
        bounded.reset();
        ForgetCancel();
        Disconnect();
        throw;
    }
    bounded.reset();
    ForgetCancel();
    Disconnect();
}

void FtpClient::AbortTransfer() {
    if (!data_) return;  // a cancel left set here would fail the next command
    data_->Cancel();
    Cancel();
}

int FtpClient::PassivePort() const {
    // "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": numbers 5 and 6 give the port.
    std::size_t lineStart = 0;
    while (lineStart < wholeReply_.size()) {
        const std::size_t lineEnd = std::min(wholeReply_.find('\n', lineStart), wholeReply_.size());
        const std::string_view line(wholeReply_.data() + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        for (std::size_t at = 4; at < line.size(); ++at) {  // past the reply code
            if (IsDigit(line[at]) && !IsDigit(line[at - 1])) {
                if (const int port = PortOfSixNumbers(line.substr(at)); port > 0) return port;
            }
        }
    }
    return 0;
}

std::unique_ptr<SockLink> FtpClient::OpenDataConnection(int kind) {
    auto data = std::make_unique<SockLink>(keepAlive_);
    data->TimeOut = TimeOut;
    if (Passive && !passiveRefused_) {
        const long long code = Command("PASV");
        // A server that refuses passive mode for good (5xx: not offered,
        // switched off) gets PORT for the rest of the session.
        if (code >= 500 && code <= 599) passiveRefused_ = true;
    }
    if (Passive && !passiveRefused_) {
        if (ReplyCode() >= 400) {
            Fail(kind);
            return nullptr;
        }
        const int port = PassivePort();
        if (port <= 0) throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
        // The data connection goes where the control connection goes: the
        // address in the reply may be a private one, or someone else's.
        data->Host = Proxy.empty() ? Host : Proxy;
        data->Port = port;
        data->Connect();
    } else {
        // Listening only where the control connection goes out, for the server alone.
        const std::uint16_t port = data->Listen(LocalAddress());
        const long long code = Command(PortCommand(LocalAddress(), port));
        if (code >= 301 && code <= 599) {
            Fail(kind);
            return nullptr;
        }
    }
    return data;
}

void FtpClient::DetectVendor() {
    try {
        Command("SYST");
    } catch (const FtpError&) {
    }
    const std::string reply = LastReply();
    static constexpr std::pair<const char*, int> kSystems[] = {{"UNIX", kUnix}, {"NETWARE", kNetware}, {"DOS", kDos},
                                                               {"VMS", kVms},   {"MVS", kMvs},         {"VM", kVm},
                                                               {"MACOS", kMacOs}, {"OS/400", kOs400}};
    VendorKind = kOtherSystem;
    for (const auto& [word, vendor] : kSystems) {
        if (reply.find(word) != std::string::npos) {
            VendorKind = vendor;
            break;
        }
    }
}

void FtpClient::ListFolder() {
    if (listing_in_progress_) throw PalimoraError(FailureText(Failure::ListingBusy));
    Flag inProgress(listing_in_progress_);
    RequireConnection();
    FlushInput();
    if (ParseList && !listing_) {
        if (VendorKind == kDetect) DetectVendor();
        listing_ = std::make_unique<UnixListing>();
    }
    if (listing_) listing_->Clear();

    bool succeeded = false;
    bool cancelledBeforeReading = false;
    std::unique_ptr<SockLink> data;
    const auto cancelled = [&] { return Cancelled() || (data && data->Cancelled()); };
    try {
        data = OpenDataConnection(kList);
        if (data) {
            data_ = data.get();
            const long long code = Command("LIST");
            if (code >= 301 && code <= 599) {
                if (code >= 500 && code <= 502 && OnUnSupportedFunction) OnUnSupportedFunction(kList);
                Fail(kList);
            } else {
                if (!Passive || passiveRefused_) data->Accept(PeerAddress());
                SecureData(*data);
                if (OnTransactionStart) OnTransactionStart();
                // Cancelled before a line was read: the listing ends there as
                // a success, and ABOR tells the server to stop sending.
                cancelledBeforeReading = cancelled();
                while (!cancelled()) {
                    KeepAliveStep();
                    const std::string line = data->ReadLn();
                    if (line.empty()) break;
                    const std::string item = WithoutLineEnd(line);
                    if (ParseList && listing_) listing_->Parse(item);
                    if (OnListItem) OnListItem(item);
                }
                if (OnTransactionStop) OnTransactionStop();
                data->Disconnect();
                // A listing the server cut short (426, 451) is not an empty
                // folder. A server whose first answer was already the final
                // one (2xx, no 1xx before it) has nothing more to say.
                const bool answered = code >= 200 && code <= 299;
                if (!cancelled() && !answered) ReadFinalReply(kList);
                succeeded = true;
            }
        }
    } catch (...) {
        data_ = nullptr;
        if (data && data->CancelSeen()) NoteCancelSeen();
        if (cancelled()) SendAbort();
        throw;
    }
    data_ = nullptr;
    if (cancelled()) {
        SendAbort();
        if (!cancelledBeforeReading) throw AbortError("ReadLn de Socket abandonn\xE9" "e");
    }
    if (succeeded && OnSuccess) OnSuccess(kList);
}

void FtpClient::ReadFinalReply(int kind) {
    SetReply(ReadReplyLine());
    if (LastReply().empty()) throw PalimoraError(FailureText(Failure::NotConnected));
    ReadContinuation();
    if (ReplyCode() >= 400 && ReplyCode() <= 599) {
        if (OnFailure && OnFailure(kind)) return;
        throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
    }
}

void FtpClient::SendAbort() {
    ClearCancel();
    try {
        Writeln("ABOR");
    } catch (const PalimoraError&) {
        // The connection may be gone already; the listing's own failure is the one to tell.
    }
}

void FtpClient::UploadFile(const fs::path& local, const std::string& remoteName) {
    RequireConnection();
    if (transferring_) throw SockError(SocketErrorText(10037), 10037);  // "Operation already in progress"
    Flag busy(transferring_);
    FlushInput();
    try {
        std::error_code error;
        const auto size = fs::file_size(local, error);
        if (error) throw SockError(SystemErrorText(error.value()));
        std::unique_ptr<SockLink> data = OpenDataConnection(kUpload);
        if (!data) return;
        data_ = data.get();
        data->SetBytesTotal(size);
        const std::string name = remoteName.empty() ? local.filename().string() : remoteName;
        const long long code = Command("STOR " + name);
        if (code <= 300 || code >= 600) {
            if (!Passive || passiveRefused_) data->Accept(PeerAddress());
            SecureData(*data);
            if (OnTransactionStart) OnTransactionStart();
            bool aborted = Cancelled();
            bool timedOut = false;
            if (!aborted) {
                try {
                    data->SendFile(local);
                } catch (const AbortError& stopped) {
                    aborted = true;
                    timedOut = stopped.TimedOut();
                }
            }
            if (OnTransactionStop) OnTransactionStop();
            if (data->CancelSeen()) NoteCancelSeen();
            if (!aborted) data->SetLingerOff();  // a whole file is delivered before the close
            data->Disconnect();
            data_ = nullptr;
            // The server answers the closed transfer even when it was cut
            // short; reading that answer keeps the next command's reply its
            // own. After a cancel that wait is bounded.
            ClearCancel();
            if (aborted) {
                if (!timedOut) {
                    try {
                        BoundedCleanUp bounded(*this);
                        SetReply(ReadReplyLine());
                        ReadContinuation();
                    } catch (const PalimoraError&) {
                        // The abort is the failure to tell.
                    }
                }
                throw AbortError("Envoi de Socket abandonn\xE9", timedOut);
            }
            ReadFinalReply(kUpload);
            if (OnSuccess) OnSuccess(kUpload);
            return;
        }
        data_ = nullptr;
        if (code >= 500 && code <= 502 && OnUnSupportedFunction) OnUnSupportedFunction(kUpload);
        throw FtpError(WithoutLineEnd(LastReply()), code);
    } catch (...) {
        data_ = nullptr;
        if (OnFailure && OnFailure(kUpload)) return;
        throw;
    }
}

}  // namespace palimora
