#include "publish/FtpReply.h"

namespace palimora {

std::string WithoutTelnetCommands(std::string_view line) {
    constexpr unsigned char kInterpretAsCommand = 255, kWill = 251, kDont = 254;
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (static_cast<unsigned char>(line[i]) != kInterpretAsCommand) {
            text += line[i];
            continue;
        }
        if (i + 1 >= line.size()) break;
        const auto command = static_cast<unsigned char>(line[i + 1]);
        if (command == kInterpretAsCommand) {
            text += line[i];
            ++i;
        } else {
            i += command >= kWill && command <= kDont ? 2 : 1;
        }
    }
    return text;
}

long long ReplyCodeOf(std::string_view line) {
    long long code = 0;
    for (std::size_t i = 0; i < line.size() && i < 10 && line[i] >= '0' && line[i] <= '9'; ++i) {
        code = code * 10 + (line[i] - '0');
    }
    return code;
}

ReplyClass ReplyClassOf(long long code) {
    if (code < 100 || code > 599) return ReplyClass::Invalid;
    switch (code / 100) {
        case 1: return ReplyClass::Preliminary;
        case 2: return ReplyClass::Completion;
        case 3: return ReplyClass::Intermediate;
        case 4: return ReplyClass::Transient;
        default: return ReplyClass::Permanent;
    }
}

}  // namespace palimora
