#include "publish/FtpClient.h"

#include "common/Error.h"
#include "common/FailureTexts.h"
#include "publish/SocketErrors.h"

#include <algorithm>
#include <optional>
#include <sstream>
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

// The port of "(|||port|)" in an EPSV reply (RFC 2428), any delimiter
// character standing for "|"; 0 when there is none.
int PortOfExtendedReply(std::string_view reply) {
    const std::size_t open = reply.find('(');
    if (open == std::string_view::npos || open + 4 >= reply.size()) return 0;
    const char delimiter = reply[open + 1];
    if (reply[open + 2] != delimiter || reply[open + 3] != delimiter) return 0;
    int port = 0;
    std::size_t at = open + 4;
    for (int digits = 0; at < reply.size() && IsDigit(reply[at]); ++at) {
        if (++digits > 5) return 0;
        port = port * 10 + (reply[at] - '0');
    }
    if (at >= reply.size() || reply[at] != delimiter || port > 65535) return 0;
    return port;
}

}  // namespace

FtpClient::FtpClient(KeepAlive* keepAlive) : keepAlive_(keepAlive), control_(keepAlive) {}

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

const FtpReply& FtpClient::ReadReply() {
    reply_ = {};
    reply_.firstLine = WithoutTelnetCommands(control_.ReadWholeLine());
    reply_.code = ReplyCodeOf(reply_.firstLine);
    reply_.kind = ReplyClassOf(reply_.code);
    reply_.text = reply_.firstLine;
    // RFC 959: a reply whose first line reads "ddd-" goes on until a line
    // that begins with the same three digits and a blank; lines between may
    // hold anything. A single-line reply has no continuation.
    const std::string& first = reply_.firstLine;
    if (first.size() < 4 || first[3] != '-') return reply_;
    const std::string end = first.substr(0, 3) + " ";
    while (true) {
        control_.KeepAliveStep();  // a server that never ends its reply can still be cancelled
        if (control_.Cancelled()) {
            control_.ClearCancel();
            throw AbortError(kReadAbandoned);
        }
        const std::string read = control_.ReadWholeLine();
        if (read.empty()) return reply_;  // the connection closed
        const std::string line = WithoutTelnetCommands(read);
        reply_.text += line;
        if (line.compare(0, 4, end) == 0) return reply_;
    }
}

const FtpReply& FtpClient::Command(const std::string& command) {
    reply_ = {};
    control_.Writeln(command);
    ReadReply();
    // No reply at all means the server closed the connection: that is not
    // a success with code 0.
    if (reply_.firstLine.empty() && !control_.Connected()) throw PalimoraError(FailureText(Failure::NotConnected));
    return reply_;
}

void FtpClient::Fail(int kind) {
    if (reply_.code >= 500 && reply_.code <= 502) Unsupported(kind);
    throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
}

void FtpClient::Expect(ReplyClass expected, int kind) {
    if (!reply_.Is(expected)) Fail(kind);
    Succeeded(kind);
}

void FtpClient::SendCommand(const std::string& command) {
    const int kind = KindOf(command);
    control_.RequireConnection();
    control_.FlushInput();
    Command(command);
    // A reply without a three-digit code is no answer, and so no success.
    if (reply_.Failed() || reply_.Is(ReplyClass::Invalid)) Fail(kind);
    Succeeded(kind);
}

void FtpClient::EnterFolder(const std::string& name) {
    control_.RequireConnection();
    control_.FlushInput();
    Command("CWD " + name);
    Expect(ReplyClass::Completion, kChangeFolder);
}

void FtpClient::RenameFile(const std::string& from, const std::string& to) {
    control_.RequireConnection();
    control_.FlushInput();
    Command("RNFR " + from);
    Expect(ReplyClass::Intermediate, kOther);
    SendCommand("RNTO " + to);
}

std::string FtpClient::CurrentFolder() {
    SendCommand("PWD");
    const std::string reply = WithoutLineEnd(reply_.firstLine);
    const auto open = reply.find('"');
    if (open == std::string::npos) return {};
    const auto close = reply.find('"', open + 1);
    return reply.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

void FtpClient::SetTransferType(int kind) { SendCommand(kind == 1 ? "TYPE A" : kind == 2 ? "TYPE I" : "TYPE L 8"); }

void FtpClient::OpenSession() {
    if (Connected()) return;
    try {
        control_.FlushInput();
        control_.ForgetCancel();
        passiveRefused_ = extendedRefused_ = false;
        features_.clear();
        control_.Host = settings.host;
        control_.Port = settings.port;
        control_.TimeOut = settings.timeOut;
        control_.OnUntrustedCertificate = OnUntrustedCertificate;
        control_.Connect();
        // A server may say "120 ready in n minutes" before its greeting: the
        // greeting is the first reply that is not preliminary.
        do {
            ReadReply();
        } while (reply_.Is(ReplyClass::Preliminary));
        if (reply_.firstLine.empty()) throw PalimoraError(FailureText(Failure::NotConnected));
        if (reply_.Failed()) {
            ConnectionFailed();
            throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
        }
        NegotiateTls();
        Login();
        if (Secure()) {
            for (const char* command : {"PBSZ 0", "PROT P"}) {
                control_.FlushInput();
                if (!Command(command).Is(ReplyClass::Completion))
                    throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
            }
        }
        AskFeatures();
        LoggedIn();
    } catch (...) {
        // A cancel stays known past the clean-up, so the caller tells it
        // from a failed connection.
        const bool cancelSeen = CancelSeen();
        try {
            CloseSession();
        } catch (...) {
            control_.Disconnect();  // the first failure is the one to tell
        }
        if (cancelSeen) NoteCancelSeen();
        throw;
    }
}

void FtpClient::Login() {
    if ((settings.user.empty() || settings.password.empty()) && OnAuthenticationNeeded) OnAuthenticationNeeded();
    // A greeting's extra line is no answer to USER.
    control_.FlushInput();
    Command("USER " + settings.user);
    if (reply_.Is(ReplyClass::Intermediate)) {
        control_.FlushInput();
        // After PASS, a 332 asks for an account, which this client has none
        // of: the login failed as surely as with a 530.
        Command("PASS " + settings.password);
    }
    if (!reply_.Is(ReplyClass::Completion)) {
        ConnectionFailed();
        throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
    }
}

void FtpClient::AskFeatures() {
    // RFC 2389: one feature a line, each line after the first beginning
    // with a blank. A server without FEAT has no features to tell.
    control_.FlushInput();
    if (!Command("FEAT").Is(ReplyClass::Completion)) return;
    std::istringstream lines(reply_.text);
    std::string line;
    std::getline(lines, line);  // "211-Features:"
    while (std::getline(lines, line)) {
        if (line.empty() || line.front() != ' ') continue;
        std::string feature = WithoutLineEnd(line.substr(1));
        feature = feature.substr(0, feature.find(' '));
        std::transform(feature.begin(), feature.end(), feature.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        features_.insert(feature);
    }
    // Some servers switch to UTF-8 names only when asked; the others answer
    // as they like, and take UTF-8 names all the same.
    if (Utf8Names()) Command("OPTS UTF8 ON");
}

void FtpClient::NegotiateTls() {
    if (settings.security == Encryption::Plain) return;
    control_.FlushInput();
    const bool accepted = Command("AUTH TLS").code == 234;
    if (OnTlsAnswer) OnTlsAnswer(accepted);
    if (accepted) {
        control_.StartTls(settings.host);
        return;
    }
    // Servers without TLS answer 500 to 504 or 534, some 530: plain FTP then,
    // unless TLS is required.
    if (settings.security == Encryption::Required) {
        ConnectionFailed();
        throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
    }
}

void FtpClient::SecureData(SockLink& data) {
    if (!Secure()) return;
    data.OnUntrustedCertificate = OnUntrustedCertificate;
    try {
        data.StartTls(settings.host, &control_);
    } catch (...) {
        if (data.CancelSeen()) NoteCancelSeen();
        throw;
    }
}

void FtpClient::AcceptData(SockLink& data) {
    if (ActiveMode()) data.Accept(control_.PeerAddress());
}

void FtpClient::CloseSession() {
    if (!Connected()) {
        control_.Disconnect();
        return;
    }
    listing_.reset();
    passiveRefused_ = extendedRefused_ = false;
    control_.FlushInput();
    // QUIT's answer is owed at once: after a failure or a cancel, a silent
    // server holds the clean-up two seconds at most, never a whole time-out.
    std::optional<BoundedCleanUp> bounded;
    bounded.emplace(control_);
    try {
        Command("QUIT");
        if (reply_.Failed()) throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
    } catch (...) {
        bounded.reset();
        ForgetCancel();
        control_.Disconnect();
        throw;
    }
    bounded.reset();
    ForgetCancel();
    control_.Disconnect();
}

void FtpClient::AbortTransfer() {
    if (!data_) return;  // a cancel left set here would fail the next command
    data_->Cancel();
    Cancel();
}

int FtpClient::PassivePort() const {
    // "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": numbers 5 and 6 give the port.
    const std::string& text = reply_.text;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        const std::size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
        const std::string_view line(text.data() + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        for (std::size_t at = 4; at < line.size(); ++at) {  // past the reply code
            if (IsDigit(line[at]) && !IsDigit(line[at - 1])) {
                if (const int port = PortOfSixNumbers(line.substr(at)); port > 0) return port;
            }
        }
    }
    return 0;
}

int FtpClient::ExtendedPassivePort() const { return PortOfExtendedReply(WithoutLineEnd(reply_.firstLine)); }

std::unique_ptr<SockLink> FtpClient::OpenDataConnection(int kind) {
    auto data = std::make_unique<SockLink>(keepAlive_);
    data->TimeOut = settings.timeOut;
    int port = 0;
    if (settings.passive && !passiveRefused_ && !extendedRefused_ && features_.count("EPSV") > 0) {
        // EPSV where offered (RFC 2428); any refusal, PASV for the rest of the session.
        if (Command("EPSV").Is(ReplyClass::Completion)) port = ExtendedPassivePort();
        if (port <= 0) extendedRefused_ = true;
    }
    if (settings.passive && !passiveRefused_ && port <= 0) {
        Command("PASV");
        // A server that refuses passive mode for good (5xx: not offered,
        // switched off) gets PORT for the rest of the session.
        if (reply_.Is(ReplyClass::Permanent)) {
            passiveRefused_ = true;
        } else {
            if (!reply_.Is(ReplyClass::Completion)) Fail(kind);
            port = PassivePort();
            if (port <= 0) throw FtpError(WithoutLineEnd(reply_.firstLine), reply_.code);
        }
    }
    if (!ActiveMode()) {
        // The data connection goes where the control connection goes: the
        // address in the reply may be a private one, or someone else's.
        data->Host = settings.host;
        data->Port = port;
        data->Connect();
        return data;
    }
    // Listening only where the control connection goes out, for the server alone.
    const std::uint16_t listening = data->Listen(control_.LocalAddress());
    Command(PortCommand(control_.LocalAddress(), listening));
    if (!reply_.Is(ReplyClass::Completion)) Fail(kind);
    return data;
}

void FtpClient::ListFolder() {
    if (listing_in_progress_) throw PalimoraError(FailureText(Failure::ListingBusy));
    Flag inProgress(listing_in_progress_);
    control_.RequireConnection();
    control_.FlushInput();
    if (!listing_) listing_ = std::make_unique<UnixListing>();
    listing_->Clear();

    bool cancelledBeforeReading = false;
    std::unique_ptr<SockLink> data;
    const auto cancelled = [&] { return control_.Cancelled() || (data && data->Cancelled()); };
    try {
        data = OpenDataConnection(kList);
        data_ = data.get();
        Command("LIST");
        if (!reply_.Is(ReplyClass::Preliminary) && !reply_.Is(ReplyClass::Completion)) Fail(kList);
        // A server whose first answer was already the final one (2xx, no
        // 1xx before it) has nothing more to say.
        const bool answered = reply_.Is(ReplyClass::Completion);
        AcceptData(*data);
        SecureData(*data);
        TransactionStarted();
        // Cancelled before a line was read: the listing ends there as
        // a success, and ABOR tells the server to stop sending.
        cancelledBeforeReading = cancelled();
        while (!cancelled()) {
            control_.KeepAliveStep();
            const std::string line = data->ReadLn();
            if (line.empty()) break;
            const std::string item = WithoutLineEnd(line);
            listing_->Parse(item);
            ListItemRead(item);
        }
        data->Disconnect();
        // A listing the server cut short (426, 451) is not an empty folder.
        if (!cancelled() && !answered) ReadFinalReply(kList);
    } catch (...) {
        data_ = nullptr;
        if (data && data->CancelSeen()) NoteCancelSeen();
        if (cancelled()) SendAbort();
        throw;
    }
    data_ = nullptr;
    if (cancelled()) {
        SendAbort();
        if (!cancelledBeforeReading) throw AbortError(kReadAbandoned);
    }
    Succeeded(kList);
}

void FtpClient::ReadFinalReply(int kind) {
    ReadReply();
    if (reply_.firstLine.empty()) throw PalimoraError(FailureText(Failure::NotConnected));
    if (!reply_.Is(ReplyClass::Completion)) Fail(kind);
}

void FtpClient::SendAbort() {
    control_.ClearCancel();
    try {
        control_.Writeln("ABOR");
    } catch (const PalimoraError&) {
        // The connection may be gone already; the listing's own failure is the one to tell.
    }
}

bool FtpClient::UploadRest(const fs::path& local, const std::string& remoteName, std::uintmax_t from) {
    control_.RequireConnection();
    if (features_.count("REST") == 0) return false;
    restFrom_ = from;
    try {
        UploadFile(local, remoteName);
    } catch (const RestRefused&) {
        restFrom_ = 0;
        return false;
    }
    restFrom_ = 0;
    return true;
}

void FtpClient::UploadFile(const fs::path& local, const std::string& remoteName) {
    control_.RequireConnection();
    if (transferring_) throw SockError(SocketErrorText(10037), 10037);  // "Operation already in progress"
    Flag busy(transferring_);
    control_.FlushInput();
    std::error_code error;
    const auto size = fs::file_size(local, error);
    if (error) throw SockError(SystemErrorText(error.value()));
    if (restFrom_ > size) throw RestRefused{};
    std::unique_ptr<SockLink> data = OpenDataConnection(kUpload);
    data_ = data.get();
    try {
        data->SetBytesTotal(size - restFrom_);
        // The restart point goes right before the STOR it is for.
        if (restFrom_ > 0 && !Command("REST " + std::to_string(restFrom_)).Is(ReplyClass::Intermediate)) {
            throw RestRefused{};
        }
        Command("STOR " + (remoteName.empty() ? local.filename().string() : remoteName));
        if (!reply_.Is(ReplyClass::Preliminary) && !reply_.Is(ReplyClass::Completion)) Fail(kUpload);
        AcceptData(*data);
        SecureData(*data);
        TransactionStarted();
        bool aborted = control_.Cancelled();
        bool timedOut = false;
        if (!aborted) {
            try {
                data->SendFile(local, restFrom_);
            } catch (const AbortError& stopped) {
                aborted = true;
                timedOut = stopped.TimedOut();
            }
        }
        if (data->CancelSeen()) NoteCancelSeen();
        if (!aborted) data->SetLingerOff();  // a whole file is delivered before the close
        data->Disconnect();
        data_ = nullptr;
        // The server answers the closed transfer even when it was cut
        // short; reading that answer keeps the next command's reply its
        // own. After a cancel that wait is bounded.
        control_.ClearCancel();
        if (aborted) {
            if (!timedOut) {
                try {
                    BoundedCleanUp bounded(control_);
                    ReadReply();
                } catch (const PalimoraError&) {
                    // The abort is the failure to tell.
                }
            }
            throw AbortError(kSendAbandoned, timedOut);
        }
        ReadFinalReply(kUpload);
        Succeeded(kUpload);
    } catch (...) {
        data_ = nullptr;
        throw;
    }
}

}  // namespace palimora
