#include "publish/TlsChannel.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <pthread.h>
#include <cerrno>
#include <csignal>
#include <ctime>

namespace palimora {
namespace {

// A peer that closed makes a write raise SIGPIPE, which would end the
// program: it is held back on this thread while the library writes, and
// taken off when it came.
class HeldBrokenPipe {
public:
    HeldBrokenPipe() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigpending(&before_);
        pthread_sigmask(SIG_BLOCK, &pipe_, &saved_);
    }
    ~HeldBrokenPipe() {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE) && !sigismember(&before_, SIGPIPE)) {
            const timespec none{0, 0};
            sigtimedwait(&pipe_, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
    }
    HeldBrokenPipe(const HeldBrokenPipe&) = delete;
    HeldBrokenPipe& operator=(const HeldBrokenPipe&) = delete;

private:
    sigset_t pipe_{};
    sigset_t before_{};
    sigset_t saved_{};
};

SSL_CTX* ClientContext() {
    static SSL_CTX* const context = [] {
        SSL_CTX* made = SSL_CTX_new(TLS_client_method());
        // TLS 1.2: every data connection resumes the control connection's
        // session, and servers that require it (vsftpd) let a TLS 1.3
        // session be resumed once only, refusing the second data connection.
        SSL_CTX_set_min_proto_version(made, TLS1_2_VERSION);
        SSL_CTX_set_max_proto_version(made, TLS1_2_VERSION);
        SSL_CTX_set_default_verify_paths(made);
        // The certificate is judged after the handshake, so that one that
        // does not verify can be shown to the user.
        SSL_CTX_set_verify(made, SSL_VERIFY_NONE, nullptr);
        // A server that closes a data connection without the closing alert
        // ends the transfer; the control connection's reply says how it went.
        SSL_CTX_set_options(made, SSL_OP_IGNORE_UNEXPECTED_EOF);
        SSL_CTX_set_mode(made, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
        SSL_CTX_set_session_cache_mode(made, SSL_SESS_CACHE_CLIENT);
        return made;
    }();
    return context;
}

std::string LastLibraryError() {
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (code == 0) return {};
    char text[256] = {};
    ERR_error_string_n(code, text, sizeof text);
    return text;
}

bool IsDottedAddress(const std::string& host) {
    in_addr address{};
    return ::inet_pton(AF_INET, host.c_str(), &address) == 1;
}

}  // namespace

struct TlsChannel::State {
    SSL* ssl = nullptr;
    bool shutDown = false;
};

TlsChannel::TlsChannel(int fd, const std::string& hostName, const TlsChannel* resumeFrom)
    : state_(std::make_unique<State>()) {
    ERR_clear_error();
    state_->ssl = SSL_new(ClientContext());
    SSL_set_fd(state_->ssl, fd);
    if (IsDottedAddress(hostName)) {
        X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(state_->ssl), hostName.c_str());
    } else {
        SSL_set_tlsext_host_name(state_->ssl, hostName.c_str());
        SSL_set1_host(state_->ssl, hostName.c_str());
    }
    if (resumeFrom) {
        if (SSL_SESSION* session = SSL_get1_session(resumeFrom->state_->ssl)) {
            SSL_set_session(state_->ssl, session);
            SSL_SESSION_free(session);
        }
    }
}

TlsChannel::~TlsChannel() {
    // Freed without the closing alerts, the library would mark the session
    // as not to be resumed: a data connection closed that way (or cut by a
    // cancel) would cost every later one the control connection's session.
    SSL_set_shutdown(state_->ssl, SSL_SENT_SHUTDOWN | SSL_RECEIVED_SHUTDOWN);
    SSL_free(state_->ssl);
}

TlsChannel::Io TlsChannel::Result(int returned) {
    switch (SSL_get_error(state_->ssl, returned)) {
        case SSL_ERROR_NONE: return Io::Done;
        case SSL_ERROR_WANT_READ: return Io::WantRead;
        case SSL_ERROR_WANT_WRITE: return Io::WantWrite;
        case SSL_ERROR_ZERO_RETURN: return Io::Closed;
        case SSL_ERROR_SYSCALL:
            if (errno == EAGAIN || errno == EINTR) return Io::WantRead;
            failure_ = LastLibraryError();
            if (failure_.empty()) return Io::Closed;
            return Io::Failed;
        default: failure_ = LastLibraryError(); return Io::Failed;
    }
}

TlsChannel::Io TlsChannel::Handshake() {
    HeldBrokenPipe held;
    ERR_clear_error();
    const int returned = SSL_connect(state_->ssl);
    return returned == 1 ? Io::Done : Result(returned);
}

TlsChannel::Io TlsChannel::Read(char* buffer, std::size_t size, std::size_t& received) {
    received = 0;
    ERR_clear_error();
    const int returned = SSL_read_ex(state_->ssl, buffer, size, &received) == 1 ? 1 : 0;
    return returned == 1 ? Io::Done : Result(returned);
}

TlsChannel::Io TlsChannel::Write(const char* bytes, std::size_t size, std::size_t& sent) {
    HeldBrokenPipe held;
    sent = 0;
    ERR_clear_error();
    const int returned = SSL_write_ex(state_->ssl, bytes, size, &sent) == 1 ? 1 : 0;
    return returned == 1 ? Io::Done : Result(returned);
}

bool TlsChannel::HasPending() const { return SSL_pending(state_->ssl) > 0; }

void TlsChannel::Shutdown() {
    if (state_->shutDown) return;
    state_->shutDown = true;
    HeldBrokenPipe held;
    SSL_shutdown(state_->ssl);
    ERR_clear_error();
}

bool TlsChannel::Resumed() const { return SSL_session_reused(state_->ssl) == 1; }

IdentityCheck TlsChannel::Check() const {
    IdentityCheck check;
    X509* certificate = SSL_get1_peer_certificate(state_->ssl);
    if (!certificate) {
        check.reason = "no certificate";
        return check;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    X509_digest(certificate, EVP_sha256(), digest, &length);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned int i = 0; i < length; ++i) {
        if (i > 0) check.fingerprint += ':';
        check.fingerprint += kHex[digest[i] >> 4];
        check.fingerprint += kHex[digest[i] & 0xF];
    }
    X509_free(certificate);
    const long result = SSL_get_verify_result(state_->ssl);
    check.verified = result == X509_V_OK;
    if (!check.verified) check.reason = X509_verify_cert_error_string(result);
    return check;
}

}  // namespace palimora
