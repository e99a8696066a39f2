#pragma once

#include "common/Error.h"

#include <string>

namespace palimora {

// A failure of the socket layer, with its WinSock-style code (0 for the
// layer's own failures) and a text. TimedOut: the wait ran out of time
// rather than being cancelled or failing.
class SockError : public PalimoraError {
public:
    explicit SockError(const std::string& message, int code = 0, bool timedOut = false)
        : PalimoraError(message), code_(code), timedOut_(timedOut) {}
    int Code() const { return code_; }
    bool TimedOut() const { return timedOut_; }

private:
    int code_;
    bool timedOut_;
};

// The words of the two stops every connection shares: a send and a line
// read given up on Cancel or time-out.
inline constexpr const char* kSendAbandoned = "Envoi de Socket abandonn\xE9";
inline constexpr const char* kReadAbandoned =
    "ReadLn de Socket abandonn\xE9"
    "e";

// An operation stopped by Cancel (or its time-out).
class AbortError : public SockError {
public:
    explicit AbortError(const std::string& message, bool timedOut = false) : SockError(message, 0, timedOut) {}
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

// The system's own words for a system error number ("Connection refused"):
// what the user is told after the program's own message, never a code.
std::string SystemErrorText(int systemError);

}  // namespace palimora
