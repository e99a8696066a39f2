#pragma once

#include "common/Error.h"

#include <string>

namespace palimora {

// A failure of the socket layer, with its WinSock-style code (0 for the
// layer's own failures) and a text.
class SockError : public PalimoraError {
public:
    explicit SockError(const std::string& message, int code = 0) : PalimoraError(message), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

// An operation stopped by Cancel (or its time-out).
class AbortError : public SockError {
public:
    explicit AbortError(const std::string& message) : SockError(message) {}
};

// An FTP server's failure reply; the message is the reply line.
class FtpError : public PalimoraError {
public:
    FtpError(const std::string& reply, long long code) : PalimoraError(reply), code_(code) {}
    long long Code() const { return code_; }

private:
    long long code_;
};

// The WinSock code of a system error number (ECONNREFUSED gives 10061),
// or 0 when it has none.
int WinsockCode(int systemError);

// "10061:Connection refused"; an unknown code gives "N° d'erreur inconnu " and the code.
std::string SocketErrorText(int winsockCode);

}  // namespace palimora
