#include "tests/support/FtpServers.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace palimora::testing {
namespace {

int BoundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

bool Accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

}  // namespace

int ClosedPort() {
    int port = 0;
    ::close(BoundSocket(port));
    return port;
}

LocalFtpServer::LocalFtpServer(const std::filesystem::path& root) {
    port_ = ClosedPort();
    const std::string port = std::to_string(port_);
    const std::string folder = root.string();
    const char* argv[] = {"/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", port.c_str(), "-w",
                          "-d", folder.c_str(), "-u", "photo", "-P", "secret", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
        throw std::runtime_error("cannot start pyftpdlib");
    }
    posix_spawn_file_actions_destroy(&actions);
    pid_ = pid;
    for (int attempt = 0; attempt < 200 && !Accepts(port_); ++attempt) ::usleep(50'000);
    if (!Accepts(port_)) throw std::runtime_error("pyftpdlib did not start (apt-get install python3-pyftpdlib)");
}

LocalFtpServer::~LocalFtpServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

ScriptedFtpServer::ScriptedFtpServer(std::string greeting, Script script)
    : greeting_(std::move(greeting)), script_(std::move(script)) {
    listener_ = BoundSocket(port_);
    ::listen(listener_, 1);
    thread_ = std::thread([this] { Serve(); });
}

ScriptedFtpServer::~ScriptedFtpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
    if (dataListener_ >= 0) ::close(dataListener_);
}

std::string ScriptedFtpServer::PassiveReply() {
    int port = 0;
    dataListener_ = BoundSocket(port);
    ::listen(dataListener_, 1);
    return "227 Entering Passive Mode (127,0,0,1," + std::to_string(port / 256) + "," + std::to_string(port % 256) +
           ")\r\n";
}

std::vector<std::string> ScriptedFtpServer::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void ScriptedFtpServer::ServeData(int& data) {
    if (data < 0 && dataListener_ >= 0) {
        pollfd waiting{dataListener_, POLLIN, 0};
        if (::poll(&waiting, 1, 0) > 0) data = ::accept(dataListener_, nullptr, nullptr);
    }
    if (data < 0) return;
    pollfd readable{data, POLLIN, 0};
    if (::poll(&readable, 1, 0) <= 0) return;
    char buffer[65536];
    const ssize_t count = ::recv(data, buffer, sizeof buffer, 0);
    if (count <= 0) {
        ::close(data);
        data = -1;
        return;
    }
    dataBytes_ += static_cast<std::size_t>(count);
}

void ScriptedFtpServer::Serve() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_ && ::poll(&waiting, 1, 50) <= 0) {
    }
    if (stop_) return;
    const int client = ::accept(listener_, nullptr, nullptr);
    ::send(client, greeting_.data(), greeting_.size(), MSG_NOSIGNAL);
    std::string received;
    int data = -1;
    while (!stop_) {
        ServeData(data);
        if (closeAfterBytes != 0 && dataBytes_ >= closeAfterBytes) break;
        if (endless) {
            // A reply that never ends; the loop is bounded by the test's end.
            if (::send(client, "more\r\n", 6, MSG_NOSIGNAL | MSG_DONTWAIT) < 0) {
                if (errno != EAGAIN) break;
                ::usleep(1000);
            }
            continue;
        }
        pollfd readable{client, POLLIN, 0};
        if (::poll(&readable, 1, 10) <= 0) continue;
        char buffer[4096];
        const ssize_t count = ::recv(client, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        received.append(buffer, static_cast<size_t>(count));
        for (size_t end; (end = received.find("\r\n")) != std::string::npos;) {
            const std::string command = received.substr(0, end);
            received.erase(0, end + 2);
            {
                std::lock_guard lock(mutex_);
                commands_.push_back(command);
            }
            const std::string reply = script_(command);
            if (reply.empty()) {
                stop_ = true;
                break;
            }
            // A reply sent in pieces, a few bytes at a time, when it asks for
            // it; or sent just before the server hangs up.
            if (reply.rfind("CLOSE:", 0) == 0) {
                ::send(client, reply.data() + 6, reply.size() - 6, MSG_NOSIGNAL);
                stop_ = true;
                break;
            }
            if (reply.rfind("SPLIT:", 0) == 0) {
                for (char byte : reply.substr(6)) {
                    ::send(client, &byte, 1, MSG_NOSIGNAL);
                    ::usleep(2000);
                }
            } else {
                ::send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
        }
    }
    if (data >= 0) ::close(data);
    ::close(client);
}

}  // namespace palimora::testing
