#pragma once

#include "publish/IdentityCheck.h"

#include <cstddef>
#include <memory>
#include <string>

namespace palimora {

// TLS as the client of one non-blocking socket, the caller doing the waiting:
// every call returns at once, saying whether it is done or what the socket
// must become (readable, writable) before it is called again.
class TlsChannel {
public:
    enum class Io { Done, WantRead, WantWrite, Closed, Failed };

    // `hostName` is the name (or dotted address) the certificate must be
    // for; `resumeFrom`, when given, lends its session (the control
    // connection's, for a data connection).
    TlsChannel(int fd, const std::string& hostName, const TlsChannel* resumeFrom);
    ~TlsChannel();
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    Io Handshake();
    Io Read(char* buffer, std::size_t size, std::size_t& received);
    Io Write(const char* bytes, std::size_t size, std::size_t& sent);
    // Decrypted bytes waiting inside the channel, which a poll does not see.
    bool HasPending() const;
    // Sends the closing alert once, without waiting for the peer's.
    void Shutdown();
    IdentityCheck Check() const;
    // Whether the handshake resumed the lent session.
    bool Resumed() const;
    // The library's text of the last failure.
    const std::string& FailureText() const { return failure_; }

private:
    Io Result(int returned);

    struct State;
    std::unique_ptr<State> state_;
    std::string failure_;
};

}  // namespace palimora
