#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <mutex>
#include <thread>
#include <vector>

namespace palimora::testing {

// A real FTP server (pyftpdlib) on 127.0.0.1, serving `root` to user "photo"
// with password "secret", started for a test and stopped after it.
class LocalFtpServer {
public:
    explicit LocalFtpServer(const std::filesystem::path& root);
    ~LocalFtpServer();
    int Port() const { return port_; }

private:
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
    // The command lines received so far, and the data received on data connections.
    std::vector<std::string> Commands() const;
    std::size_t DataBytes() const { return dataBytes_; }

private:
    void Serve();
    void ServeData(int& data);

    std::string greeting_;
    Script script_;
    int listener_ = -1;
    int dataListener_ = -1;
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
