#include "publish/FtpReply.h"

namespace palimora {

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
