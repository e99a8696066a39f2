#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace palimora {

// What the user accepted about servers, one line a server and kind in the
// program's data folder (as ssh keeps its known hosts): a certificate or SSH
// host key taken though it did not verify, and plain FTP to a server that
// offers no encryption. Servers are named "host:port".
class KnownServers {
public:
    enum class Kind { Certificate, HostKey, PlainFtp };

    explicit KnownServers(std::filesystem::path file) : file_(std::move(file)) {}

    // The fingerprint accepted for `server` ("yes" for plain FTP); nullopt
    // when none was, or the file cannot be read.
    std::optional<std::string> Accepted(const std::string& server, Kind kind) const;
    // Notes it in place of what was accepted before. Throws PalimoraError
    // naming the file when it cannot be written.
    void Accept(const std::string& server, Kind kind, const std::string& fingerprint) const;

    const std::filesystem::path& File() const { return file_; }

private:
    std::filesystem::path file_;
};

// The program folder's list of known servers.
std::filesystem::path KnownServersFile(const std::filesystem::path& programFolderRoot);

}  // namespace palimora
