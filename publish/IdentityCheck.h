#pragma once

#include <string>

namespace palimora {

// What the check of a server's identity found: its TLS certificate verified
// against the system's trusted certificates and the host name, or its SSH
// host key against the known hosts; or why not.
struct IdentityCheck {
    enum class Kind { Certificate, UnknownHostKey, ChangedHostKey };
    Kind kind = Kind::Certificate;
    bool verified = false;
    std::string fingerprint;  // SHA-256: of a certificate "AB:CD:...", of a host key "SHA256:base64"
    std::string reason;       // why it does not verify, empty when it does
};

// The same fingerprint: hexadecimal in any letter case, with or without
// colons; base64 exactly, with or without its "SHA256:" prefix.
bool SameFingerprint(const std::string& a, const std::string& b);

}  // namespace palimora
