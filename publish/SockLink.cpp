#include "publish/SockLink.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/UserDialogs.h"
#include "publish/SocketErrors.h"
#include "publish/TlsChannel.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <future>
#include <memory>
#include <thread>
#include <utility>

namespace palimora {
namespace {

constexpr int kSliceMilliseconds = 20;

long long NowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int NewSocket() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) return fd;
    // Closing is immediate, as for the control connection.
    const linger immediate{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &immediate, sizeof immediate);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return fd;
}

}  // namespace

SockLink::SockLink(KeepAlive* keepAlive) : keepAlive_(keepAlive) {}

SockLink::~SockLink() {
    cancelled_ = true;
    tls_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void SockLink::KeepAliveStep() {
    if (keepAlive_ && keepAlive_->CancelRequested() && !ignoreCancelRequests_) Cancel();
}

void SockLink::StartDeadline() {
    timedOut_ = false;
    deadline_ = TimeOut > 0 ? NowMilliseconds() + TimeOut : 0;
}

bool SockLink::PastDeadline() const { return deadline_ != 0 && NowMilliseconds() >= deadline_; }

SockLink::Wait SockLink::WaitFor(int fd, short events) {
    while (true) {
        if (cancelled_) return Wait::Cancelled;
        if (PastDeadline()) {
            // A time-out is a cancel that says why.
            timedOut_ = true;
            cancelled_ = true;
            return Wait::TimedOut;
        }
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, kSliceMilliseconds);
        if (ready > 0) return Wait::Ready;
        if (ready < 0 && errno != EINTR) RaiseSystemError(errno);
        KeepAliveStep();
    }
}

SockLink::Wait SockLink::WaitForInput() {
    if (tls_ && tls_->HasPending() && !cancelled_) return Wait::Ready;
    return WaitFor(fd_, POLLIN);
}

void SockLink::RaiseTlsFailure() {
    const std::string text = "Echec TLS : " + tls_->FailureText();
    throw SockError(text);
}

void SockLink::RaiseSystemError(int systemError) {
    const int code = WinsockCode(systemError);
    const std::string text = SystemErrorText(systemError);
    throw SockError(text, code);
}

void SockLink::RequireConnection() {
    if (!connected_) throw PalimoraError(FailureText(Failure::NotConnected));
}

std::string SockLink::Resolve() {
    const std::string& name = Host;
    in_addr address{};
    if (::inet_pton(AF_INET, name.c_str(), &address) == 1) return name;
    // The lookup runs on a thread of its own, beside the waits, so it can be
    // cancelled or time out. A lookup given up is abandoned, not joined:
    // getaddrinfo cannot be interrupted, and its thread ends on its own.
    auto answer = std::make_shared<std::promise<std::string>>();
    std::future<std::string> lookup = answer->get_future();
    std::thread([name, answer] {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        std::string dotted;
        if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) == 0 && found) {
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr, text, sizeof text);
            dotted = text;
            ::freeaddrinfo(found);
        }
        answer->set_value(std::move(dotted));
    }).detach();
    StartDeadline();
    while (lookup.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) {
        if (PastDeadline()) {
            timedOut_ = true;
            throw SockError("Temps d\xE9pass\xE9 pour la recherche de l'h\xF4te", 0, true);
        }
        if (cancelled_) {
            cancelled_ = false;
            throw SockError(
                "Recherche de l'h\xF4te annul\xE9"
                "e");
        }
        KeepAliveStep();
    }
    return lookup.get();
}

void SockLink::Connect() {
    if (connected_) throw SockError("D\xE9j\xE0 connect\xE9");
    cancelled_ = false;
    std::string address = Resolve();
    if (address.empty()) throw SockError("Adresse distante nulle");

    CloseSocket();
    fd_ = NewSocket();
    if (fd_ < 0) RaiseSystemError(errno);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<std::uint16_t>(Port));
    ::inet_pton(AF_INET, address.c_str(), &peer.sin_addr);
    StartDeadline();
    const bool now = ::connect(fd_, reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0;
    if (!now && errno != EINPROGRESS) {
        const int reason = errno;
        throw SockError(SystemErrorText(reason), WinsockCode(reason));
    }
    if (!now) {
        const Wait wait = WaitFor(fd_, POLLOUT);
        int error = 0;
        socklen_t length = sizeof error;
        ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length);
        if (wait != Wait::Ready || error != 0) {
            cancelled_ = false;
            CloseSocket();
            if (wait == Wait::TimedOut) throw SockError("Temps d\xE9pass\xE9 pour la connexion", 0, true);
            if (wait == Wait::Cancelled)
                throw SockError(
                    "Connexion annul\xE9"
                    "e");
            // The system's reason (refused, unreachable) tells a closed port from a wrong address.
            throw SockError(SystemErrorText(error), WinsockCode(error));
        }
    }
    connected_ = true;
    pending_.clear();
}

void SockLink::CloseSocket() {
    if (tls_) {
        // Without the closing alert, the server takes the close for a cut.
        if (orderlyClose_) tls_->Shutdown();
        tls_.reset();
    }
    orderlyClose_ = false;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void SockLink::Disconnect() {
    connected_ = false;
    CloseSocket();
    pending_.clear();
}

void SockLink::SetLingerOff() {
    const linger off{0, 0};
    if (fd_ >= 0) ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &off, sizeof off);
    orderlyClose_ = true;
}

void SockLink::StartTls(const std::string& hostName, const SockLink* resumeFrom) {
    RequireConnection();
    pending_.clear();
    tls_ = std::make_unique<TlsChannel>(fd_, hostName, resumeFrom ? resumeFrom->tls_.get() : nullptr);
    StartDeadline();
    short waitFor = POLLOUT;
    while (true) {
        const TlsChannel::Io io = tls_->Handshake();
        if (io == TlsChannel::Io::Done) break;
        if (io == TlsChannel::Io::WantRead || io == TlsChannel::Io::WantWrite) {
            waitFor = io == TlsChannel::Io::WantRead ? POLLIN : POLLOUT;
        } else {
            const std::string text =
                "La n\xE9gociation TLS a \xE9"
                "chou\xE9"
                "e : " +
                tls_->FailureText();
            tls_.reset();
            throw SockError(text);
        }
        const Wait wait = WaitFor(fd_, waitFor);
        if (wait != Wait::Ready) {
            cancelled_ = false;
            tls_.reset();
            throw AbortError(
                "N\xE9gociation TLS abandonn\xE9"
                "e",
                wait == Wait::TimedOut);
        }
    }
    const IdentityCheck check = tls_->Check();
    if (!check.verified && !(OnUntrustedCertificate && OnUntrustedCertificate(check))) {
        tls_.reset();
        throw SockError("Certificat du serveur refus\xE9 : " + check.reason);
    }
}

bool SockLink::TlsResumed() const { return tls_ && tls_->Resumed(); }

void SockLink::SendAll(std::string_view bytes, bool counted) {
    short waitFor = POLLOUT;
    while (!bytes.empty()) {
        const Wait wait = cancelled_ ? Wait::Cancelled : WaitFor(fd_, waitFor);
        if (wait != Wait::Ready) {
            cancelled_ = false;
            throw AbortError(kSendAbandoned, wait == Wait::TimedOut);
        }
        std::size_t sent = 0;
        if (tls_) {
            const TlsChannel::Io io = tls_->Write(bytes.data(), bytes.size(), sent);
            if (io == TlsChannel::Io::WantRead || io == TlsChannel::Io::WantWrite) {
                waitFor = io == TlsChannel::Io::WantRead ? POLLIN : POLLOUT;
                continue;
            }
            if (io != TlsChannel::Io::Done) RaiseTlsFailure();
        } else {
            const ssize_t result = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (result < 0) {
                if (errno == EAGAIN || errno == EINTR) continue;
                RaiseSystemError(errno);
            }
            sent = static_cast<std::size_t>(result);
        }
        waitFor = POLLOUT;
        bytes.remove_prefix(sent);
        if (!counted) continue;
        bytesSent_ += static_cast<std::uint64_t>(sent);
        if (keepAlive_) keepAlive_->BytesSent(bytesSent_, bytesTotal_);
        KeepAliveStep();
    }
}

void SockLink::Write(std::string_view text) {
    RequireConnection();
    StartDeadline();
    SendAll(text.substr(0, kBufferSize), false);
}

void SockLink::Writeln(std::string_view text) {
    // A CR, LF or NUL inside a command would end it and start another the
    // user never asked for; a byte 255 is doubled, as Telnet's rule asks.
    std::string line;
    for (const char c : text) {
        if (c == '\r' || c == '\n' || c == '\0')
            throw SockError(FailureText(Failure::ControlInName) + " " +
                            std::string(text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)))));
        line += c;
        if (c == '\xFF') line += c;
    }
    line += "\r\n";
    Write(line);
}

bool SockLink::Receive() {
    char buffer[kBufferSize];
    if (tls_) {
        std::size_t received = 0;
        switch (tls_->Read(buffer, sizeof buffer, received)) {
            case TlsChannel::Io::Done: pending_.append(buffer, received); return true;
            case TlsChannel::Io::WantRead:
            case TlsChannel::Io::WantWrite: return true;  // a record not whole yet, or none for the reader
            case TlsChannel::Io::Closed: return false;
            case TlsChannel::Io::Failed: RaiseTlsFailure();
        }
    }
    while (true) {
        const ssize_t received = ::recv(fd_, buffer, sizeof buffer, 0);
        if (received > 0) {
            pending_.append(buffer, static_cast<std::size_t>(received));
            return true;
        }
        if (received == 0) return false;
        if (errno == EINTR) continue;
        if (errno == EAGAIN) return true;
        RaiseSystemError(errno);
    }
}

std::string SockLink::ReadLn() {
    StartDeadline();
    while (true) {
        const auto end = pending_.find('\n');
        if (end != std::string::npos || pending_.size() >= kBufferSize) {
            const std::size_t length = end != std::string::npos ? std::min(end + 1, kBufferSize) : kBufferSize;
            std::string line = pending_.substr(0, length);
            pending_.erase(0, length);
            return line;
        }
        if (fd_ < 0) return std::exchange(pending_, {});
        const Wait wait = WaitForInput();
        if (wait != Wait::Ready) {
            cancelled_ = false;
            throw AbortError(kReadAbandoned, wait == Wait::TimedOut);
        }
        if (!Receive()) {
            // The peer closed: what is left is the last line, then nothing.
            if (connected_) Disconnect();
            return std::exchange(pending_, {});
        }
    }
}

std::string SockLink::Read(std::size_t count) {
    StartDeadline();
    if (count == 0) {
        if (pending_.empty() && fd_ >= 0) {
            if (WaitForInput() != Wait::Ready) return {};
            if (!Receive() && connected_) Disconnect();
        }
        std::string data = pending_.substr(0, kBufferSize);
        pending_.erase(0, data.size());
        return data;
    }
    while (pending_.size() < count && fd_ >= 0) {
        if (WaitForInput() != Wait::Ready) break;
        if (!Receive()) {
            if (connected_) Disconnect();
            break;
        }
    }
    std::string data = pending_.substr(0, count);
    pending_.erase(0, data.size());
    return data;
}

std::string SockLink::ReadWholeLine() {
    std::string line = ReadLn();
    if (line.size() < kBufferSize || line.back() == '\n') return line;
    for (std::string rest = ReadLn(); !rest.empty() && rest.back() != '\n'; rest = ReadLn()) {
    }
    return line;
}

void SockLink::SendFile(const std::filesystem::path& file, std::uintmax_t from) {
    RequireConnection();
    std::ifstream in(file, std::ios::binary);
    if (in && from > 0) in.seekg(static_cast<std::streamoff>(from));
    if (!in) throw SockError(FailureAbout(Failure::CannotRead, file));
    std::string block(kBufferSize, '\0');
    StartDeadline();
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        SendAll(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())), true);
    }
    // A file that could not be read to its end was sent cut: it is not sent.
    if (in.bad()) throw SockError(FailureAbout(Failure::CannotRead, file));
}

std::uint16_t SockLink::Listen(const std::string& localAddress) {
    CloseSocket();
    fd_ = NewSocket();
    if (fd_ < 0) RaiseSystemError(errno);
    sockaddr_in any{};
    any.sin_family = AF_INET;
    if (::inet_pton(AF_INET, localAddress.c_str(), &any.sin_addr) != 1) any.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    any.sin_port = 0;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&any), sizeof any) != 0 || ::listen(fd_, 1) != 0) {
        RaiseSystemError(errno);
    }
    socklen_t length = sizeof any;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&any), &length);
    return ntohs(any.sin_port);
}

void SockLink::Accept(const std::string& peerAddress) {
    StartDeadline();
    int accepted = -1;
    while (accepted < 0) {
        const Wait wait = WaitFor(fd_, POLLIN);
        if (wait != Wait::Ready) {
            cancelled_ = false;
            throw SockError(
                "Acceptation annul\xE9"
                "e",
                0, wait == Wait::TimedOut);
        }
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        accepted = ::accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (accepted < 0)
            throw SockError(
                "Erreur \xE0 la cr\xE9"
                "ation de donn\xE9"
                "es");
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
        if (peerAddress != text) {
            // Someone else than the server: the data is not theirs to take or give.
            ::close(accepted);
            accepted = -1;
        }
    }
    CloseSocket();
    fd_ = accepted;
    connected_ = true;
    pending_.clear();
}

bool SockLink::DataAvailable() {
    if (!pending_.empty()) return true;
    if (fd_ < 0) return false;
    if (tls_ && tls_->HasPending()) return true;
    pollfd watched{fd_, POLLIN, 0};
    if (::poll(&watched, 1, 0) <= 0) return false;
    char probe;
    return ::recv(fd_, &probe, 1, MSG_PEEK) > 0;
}

void SockLink::FlushInput() {
    pending_.clear();
    if (fd_ < 0) return;
    if (tls_) {
        // Bounded: what is waiting now, not what keeps coming.
        for (int round = 0; round < 64; ++round) {
            pollfd watched{fd_, POLLIN, 0};
            if (!tls_->HasPending() && ::poll(&watched, 1, 0) <= 0) break;
            if (!Receive()) break;
        }
        pending_.clear();
        return;
    }
    char buffer[kBufferSize];
    while (::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
}

std::string SockLink::PeerAddress() const {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (fd_ < 0 || ::getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &length) != 0) return {};
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    return text;
}

std::string SockLink::LocalAddress() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length) != 0) return "0.0.0.0";
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &local.sin_addr, text, sizeof text);
    return text;
}

}  // namespace palimora
