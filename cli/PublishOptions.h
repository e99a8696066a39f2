#pragma once

#include "lang/TextId.h"
#include "publish/PublishRun.h"

#include <optional>
#include <string>
#include <vector>

namespace palimora {

// The arguments of palimora-cli publish, as typed.
struct PublishOptions {
    std::string project;
    std::string host;
    int port = 21;
    std::string user;
    std::optional<std::string> folder;     // UTF-8; the project name with "_" for blanks when absent
    std::optional<ReplacePolicy> replace;  // absent: ask, when a terminal is there to answer
    bool removeOldFiles = false;           // --delete
    int timeoutSeconds = 60;
    std::string trustFingerprint;  // a certificate or host key taken though it does not verify
    bool allowPlain = false;       // --allow-plain: plain FTP to a bare host whose server offers no TLS
    std::string webAddress;        // --web-address: where the site is seen, made whole; empty when not given
};

// Why arguments cannot be used: a language text and the argument concerned.
struct ArgumentProblem {
    TextId text = TextId::PublishNeeds;
    std::string argument;  // UTF-8, as typed; may be empty
};

// Reads `arguments` (those after "publish"). Returns nullopt and sets `problem`
// when they cannot be used.
std::optional<PublishOptions> ParsePublishOptions(const std::vector<std::string>& arguments, ArgumentProblem& problem);

}  // namespace palimora
