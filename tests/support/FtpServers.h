#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace palimora::testing {

// A self-signed certificate for 127.0.0.1 and its key, made by the openssl
// command in a folder of its own, removed with it.
class TestCertificate {
public:
    TestCertificate();
    ~TestCertificate();
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;
    std::filesystem::path Certificate() const { return folder_ / "certificate.pem"; }
    std::filesystem::path Key() const { return folder_ / "key.pem"; }
    // SHA-256, "AB:CD:...", as openssl prints it.
    const std::string& Fingerprint() const { return fingerprint_; }

private:
    std::filesystem::path folder_;
    std::string fingerprint_;
};

// A real FTP server (pyftpdlib) on 127.0.0.1, serving `root` to user "photo"
// with password "secret", started for a test and stopped after it.
// With `passive` false it refuses PASV (502), so that clients fall back to
// active data connections. With a certificate it offers explicit TLS (AUTH
// TLS) and requires it on both connections.
class LocalFtpServer {
public:
    explicit LocalFtpServer(const std::filesystem::path& root, bool passive = true,
                            const TestCertificate* tls = nullptr);
    ~LocalFtpServer();
    LocalFtpServer(const LocalFtpServer&) = delete;
    LocalFtpServer& operator=(const LocalFtpServer&) = delete;
    int Port() const { return port_; }

private:
    int port_ = 0;
    int pid_ = -1;
};

// A throw-away system user with a password and a home folder, made for a
// test and removed after it. Needs root.
class ThrowAwayUser {
public:
    explicit ThrowAwayUser(const std::string& prefix);
    ~ThrowAwayUser();
    ThrowAwayUser(const ThrowAwayUser&) = delete;
    ThrowAwayUser& operator=(const ThrowAwayUser&) = delete;
    const std::string& Name() const { return name_; }
    const std::string& Password() const { return password_; }
    const std::filesystem::path& Home() const { return home_; }

private:
    void Remove();

    std::string name_;
    std::string password_ = "Pal1mora-test";
    std::filesystem::path home_;
};

// vsftpd on 127.0.0.1, serving the home folder of a throw-away system user.
// Needs root: Unavailable() says why not. With a certificate it requires
// TLS on both connections and the control connection's TLS session to be
// resumed by every data connection.
class VsftpdServer {
public:
    // Empty when the server can be started; else the reason it cannot.
    static std::string Unavailable();
    explicit VsftpdServer(const TestCertificate* tls = nullptr);
    ~VsftpdServer();
    VsftpdServer(const VsftpdServer&) = delete;
    VsftpdServer& operator=(const VsftpdServer&) = delete;
    int Port() const { return port_; }
    const std::string& User() const { return user_.Name(); }
    const std::string& Password() const { return user_.Password(); }
    const std::filesystem::path& Home() const { return user_.Home(); }

private:
    void Stop();

    ThrowAwayUser user_;
    int port_ = 0;
    int pid_ = -1;
    std::filesystem::path config_;
};

// OpenSSH's sshd on 127.0.0.1 on a free port, with a configuration and a
// host key of its own (made for the test), letting a throw-away user in by
// password, with SFTP. Needs root: Unavailable() says why not.
class SshServer {
public:
    static std::string Unavailable();
    SshServer();
    ~SshServer();
    SshServer(const SshServer&) = delete;
    SshServer& operator=(const SshServer&) = delete;
    int Port() const { return port_; }
    const std::string& User() const { return user_.Name(); }
    const std::string& Password() const { return user_.Password(); }
    const std::filesystem::path& Home() const { return user_.Home(); }
    // The known-hosts line that names this server and its host key.
    std::string KnownHostsLine() const;
    // A known-hosts line for this server with another key of the same type.
    std::string OtherKeyLine() const;
    // SHA256:base64, as ssh-keygen -l prints it.
    std::string Fingerprint() const;

private:
    void Stop();

    ThrowAwayUser user_;
    std::filesystem::path folder_;
    int port_ = 0;
    int pid_ = -1;
};

// A server of our own that answers each command line from a script: the
// function gets the command (without CR LF) and returns the raw reply bytes;
// returning nothing closes the connection, "CLOSE:" before a reply closes it
// after the reply, "SPLIT:" sends the reply a byte at a time. It sends
// `greeting` first.
class ScriptedFtpServer {
public:
    using Script = std::function<std::string(const std::string& command)>;
    ScriptedFtpServer(std::string greeting, Script script);
    ~ScriptedFtpServer();
    int Port() const { return port_; }
    // While set, the server streams "more\r\n" lines without end.
    std::atomic<bool> endless{false};
    // After this many data bytes, both connections are closed (0: never).
    std::atomic<std::size_t> closeAfterBytes{0};

    // For a script: listens for a data connection and returns the PASV reply.
    std::string PassiveReply();
    // For a script: connects to the address of a PORT command (127.0.0.1
    // only) as the data connection and returns the PORT reply.
    std::string ActiveReply(const std::string& portCommand);
    // For a script: what the data connection sends once it is there; it is
    // closed after that.
    void SendOnData(std::string bytes) {
        toSend_ = std::move(bytes);
        sendOnData_ = true;
    }
    // For a script: a reply sent once the data connection is closed, by
    // either side (the final reply of a transfer).
    void ReplyAfterData(std::string reply) { afterData_ = std::move(reply); }
    // A script's reply that sends nothing and leaves the connection open.
    static constexpr const char* kNoReply = "NOREPLY";
    // The command lines received so far, and the data received on data connections.
    std::vector<std::string> Commands() const;
    std::size_t DataBytes() const { return dataBytes_; }

private:
    void Serve();
    void ServeData(int client);

    std::string greeting_;
    Script script_;
    int listener_ = -1;
    int dataListener_ = -1;
    int data_ = -1;
    std::string toSend_;
    bool sendOnData_ = false;
    std::string afterData_;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> dataBytes_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> commands_;
    std::thread thread_;
};

// A port on 127.0.0.1 that nothing listens on.
int ClosedPort();

}  // namespace palimora::testing
