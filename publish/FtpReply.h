#pragma once

#include <string>
#include <string_view>

namespace palimora {

// What an FTP reply says by its first digit (RFC 959, 4.2.1). A line
// without a three-digit code is no reply: Invalid, and never a success.
enum class ReplyClass { Invalid, Preliminary, Completion, Intermediate, Transient, Permanent };

// A reply: its code, its class, its first line (with its line end, as
// read) and all its lines.
struct FtpReply {
    long long code = 0;
    ReplyClass kind = ReplyClass::Invalid;
    std::string firstLine;
    std::string text;

    bool Is(ReplyClass expected) const { return kind == expected; }
    // Transient or permanent: the command failed.
    bool Failed() const { return kind == ReplyClass::Transient || kind == ReplyClass::Permanent; }
};

// A reply line as text: the Telnet commands a server may mix in (RFC 854:
// IAC and its command, with an option's name after WILL, WONT, DO and
// DONT) taken out, an escaped 255 (IAC IAC) kept as the byte it stands for.
std::string WithoutTelnetCommands(std::string_view line);

// The reply code of a line: its leading decimal digits (at most 10), or 0.
long long ReplyCodeOf(std::string_view line);
ReplyClass ReplyClassOf(long long code);

}  // namespace palimora
