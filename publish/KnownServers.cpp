#include "publish/KnownServers.h"

#include "common/Error.h"
#include "common/TextLines.h"

#include <algorithm>
#include <sstream>

namespace palimora {
namespace {

const char* WordOf(KnownServers::Kind kind) {
    switch (kind) {
        case KnownServers::Kind::Certificate: return "certificate";
        case KnownServers::Kind::HostKey: return "ssh-key";
        case KnownServers::Kind::PlainFtp: return "plain-ftp";
    }
    return "";
}

// "host:port kind fingerprint": the server and kind a line is about, and its value.
struct KnownLine {
    std::string server;
    std::string kind;
    std::string value;
};

std::optional<KnownLine> Parse(const std::string& line) {
    std::istringstream words(line);
    KnownLine known;
    if (!(words >> known.server >> known.kind >> known.value)) return std::nullopt;
    return known;
}

TextLines ReadKnown(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return {};
    try {
        return ReadTextLines(file);
    } catch (const PalimoraError&) {
        return {};  // nothing known: the user is asked again
    }
}

}  // namespace

std::optional<std::string> KnownServers::Accepted(const std::string& server, Kind kind) const {
    for (const std::string& line : ReadKnown(file_)) {
        const auto known = Parse(line);
        if (known && known->server == server && known->kind == WordOf(kind)) return known->value;
    }
    return std::nullopt;
}

void KnownServers::Accept(const std::string& server, Kind kind, const std::string& fingerprint) const {
    TextLines lines = ReadKnown(file_);
    std::erase_if(lines, [&](const std::string& line) {
        const auto known = Parse(line);
        return known && known->server == server && known->kind == WordOf(kind);
    });
    lines.push_back(server + " " + WordOf(kind) + " " + fingerprint);
    WriteTextLines(file_, lines);
}

std::filesystem::path KnownServersFile(const std::filesystem::path& programFolderRoot) {
    return programFolderRoot / "known_servers";
}

}  // namespace palimora
