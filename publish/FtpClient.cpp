#include "publish/FtpClient.h"

#include "publish/SocketErrors.h"

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

std::string WithoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
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
    if (first.size() < 4 || first[3] != '-') return;
    const std::string end = first.substr(0, 3) + " ";
    while (true) {
        KeepAliveStep();  // a server that never ends its reply can still be cancelled
        if (Cancelled()) {
            ClearCancel();
            throw AbortError("ReadLn de Socket abandonn\xE9" "e");
        }
        const std::string line = ReadLn();
        if (line.empty()) return;  // the connection closed
        Status(1, line);
        if (line.compare(0, 4, end) == 0) return;
    }
}

long long FtpClient::Command(const std::string& command) {
    const long long code = Transaction(command);
    // No reply at all means the server closed the connection: that is not
    // a success with code 0.
    if (LastReply().empty() && !Connected()) throw PalimoraError("Non connect\xE9");
    ReadContinuation();
    return code;
}

void FtpClient::Fail(int kind) {
    if (OnFailure && OnFailure(kind)) return;
    throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
}

void FtpClient::Judge(long long code, int kind, long long failureFrom) {
    if (code >= failureFrom && code <= 599) {
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

void FtpClient::LoginStep(const std::string& command) {
    const long long code = Command(command);
    if (code >= 401 && code <= 599) {
        if (OnConnectionFailed) OnConnectionFailed();
        throw FtpError(WithoutLineEnd(LastReply()), code);
    }
}

void FtpClient::OpenSession() {
    if (Connected()) return;
    try {
        FlushInput();
        Connect();
        SetReply(ReadLn());
        ReadContinuation();
        if (ReplyCode() > 400) {
            if (OnConnectionFailed) OnConnectionFailed();
            throw FtpError(WithoutLineEnd(LastReply()), ReplyCode());
        }
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
        if (ReplyCode() == 331) LoginStep("PASS " + Password);
        if (OnLoggedIn) OnLoggedIn();
    } catch (...) {
        try {
            CloseSession();
        } catch (...) {
            Disconnect();  // the first failure is the one to tell
        }
        Status(1, "D\xE9" "connect\xE9");
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
    FlushInput();
    try {
        const long long code = Command("QUIT");
        if (code >= 301 && code <= 599) throw FtpError(WithoutLineEnd(LastReply()), code);
    } catch (...) {
        Disconnect();
        throw;
    }
    Disconnect();
}

void FtpClient::AbortTransfer() {
    if (data_) data_->Cancel();
    Cancel();
}

std::unique_ptr<SockLink> FtpClient::OpenDataConnection(int kind) {
    auto data = std::make_unique<SockLink>(keepAlive_);
    data->TimeOut = TimeOut;
    if (Passive) {
        const long long code = Command("PASV");
        if (code >= 500) {
            Fail(kind);
            return nullptr;
        }
        // "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": fields 5 and 6 give the port.
        std::string reply = LastReply();
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t comma; (comma = reply.find(',', start)) != std::string::npos; start = comma + 1) {
            fields.push_back(reply.substr(start, comma - start));
        }
        fields.push_back(reply.substr(start));
        if (fields.size() < 6) throw FtpError(WithoutLineEnd(reply), code);
        const int high = std::atoi(fields[4].c_str());
        const int low = std::atoi(fields[5].substr(0, fields[5].find(')')).c_str());
        data->Host = Host;
        data->Port = high * 256 + low;
        data->Connect();
    } else {
        const std::uint16_t port = data->Listen();
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
    if (listing_in_progress_) throw PalimoraError("A list command is already being processed!");
    Flag inProgress(listing_in_progress_);
    RequireConnection();
    FlushInput();
    if (ParseList && !listing_) {
        if (VendorKind == kDetect) DetectVendor();
        listing_ = std::make_unique<UnixListing>();
    }
    if (listing_) listing_->Clear();

    bool succeeded = false;
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
                if (!Passive) data->Accept();
                if (OnTransactionStart) OnTransactionStart();
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
                if (!cancelled()) {
                    SetReply(ReadLn());
                    ReadContinuation();
                }
                succeeded = true;
            }
        }
    } catch (...) {
        data_ = nullptr;
        if (cancelled()) SendAbort();
        throw;
    }
    data_ = nullptr;
    if (cancelled()) {
        SendAbort();
        throw AbortError("ReadLn de Socket abandonn\xE9" "e");
    }
    if (succeeded && OnSuccess) OnSuccess(kList);
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
    if (transferring_) throw PalimoraError("A transfer is already being processed!");
    Flag busy(transferring_);
    FlushInput();
    try {
        std::error_code error;
        const auto size = fs::file_size(local, error);
        if (error) throw SockError("Impossible de lire / cannot read: " + local.string());
        std::unique_ptr<SockLink> data = OpenDataConnection(kUpload);
        if (!data) return;
        data_ = data.get();
        data->SetBytesTotal(size);
        const std::string name = remoteName.empty() ? local.filename().string() : remoteName;
        const long long code = Command("STOR " + name);
        if (code <= 300 || code >= 600) {
            if (!Passive) data->Accept();
            if (OnTransactionStart) OnTransactionStart();
            bool aborted = Cancelled();
            if (!aborted) {
                try {
                    data->SendFile(local);
                } catch (const AbortError&) {
                    aborted = true;
                }
            }
            if (OnTransactionStop) OnTransactionStop();
            if (!aborted) data->SetLingerOff();  // a whole file is delivered before the close
            data->Disconnect();
            data_ = nullptr;
            // The server answers the closed transfer even when it was cut
            // short; reading that answer keeps the next command's reply its own.
            ClearCancel();
            if (!TimedOut()) {
                SetReply(ReadLn());
                ReadContinuation();
            }
            if (aborted) throw AbortError("Envoi de Socket abandonn\xE9");
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
