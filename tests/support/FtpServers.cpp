#include "tests/support/FtpServers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

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

namespace {

pid_t Spawn(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + arguments[0]);
    return pid;
}

bool WaitUntilAccepting(int port) {
    for (int attempt = 0; attempt < 200 && !Accepts(port); ++attempt) ::usleep(50'000);
    return Accepts(port);
}

int RunQuietly(const std::vector<std::string>& arguments) {
    const pid_t pid = Spawn(arguments);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The standard output of a command; empty when it fails.
std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, count);
        if (::pclose(pipe) != 0) output.clear();
    }
    return output;
}

std::string FirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::filesystem::path FreshFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// pyftpdlib with one user; PASV refused when asked; with a certificate and
// its key (arguments 4 and 5), TLS required on both connections.
constexpr const char* kPyftpdlibServer = R"(
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
port, root, passive = int(sys.argv[1]), sys.argv[2], sys.argv[3] == "1"
Base = FTPHandler
if len(sys.argv) > 5:
    from pyftpdlib.handlers import TLS_FTPHandler
    Base = TLS_FTPHandler
    Base.certfile, Base.keyfile = sys.argv[4], sys.argv[5]
    Base.tls_control_required = Base.tls_data_required = True
class Handler(Base):
    def ftp_PASV(self, line):
        if passive:
            return Base.ftp_PASV(self, line)
        self.respond("502 Passive mode not offered.")
    def ftp_EPSV(self, line):
        if passive:
            return Base.ftp_EPSV(self, line)
        self.respond("502 Passive mode not offered.")
authorizer = DummyAuthorizer()
authorizer.add_user("photo", "secret", root, perm="elradfmwMT")
Handler.authorizer = authorizer
FTPServer(("127.0.0.1", port), Handler).serve_forever()
)";

}  // namespace

TestCertificate::TestCertificate() : folder_(FreshFolder("palimora-certificate-")) {
    const std::string made = OutputOf(
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj /CN=127.0.0.1"
        " -keyout " +
        Key().string() + " -out " + Certificate().string() + " 2>/dev/null && echo made");
    if (made.empty()) throw std::runtime_error("openssl could not make a certificate");
    // "sha256 Fingerprint=AB:CD:..."
    const std::string printed = OutputOf("openssl x509 -noout -fingerprint -sha256 -in " + Certificate().string());
    const auto equals = printed.find('=');
    if (equals == std::string::npos) throw std::runtime_error("openssl printed no fingerprint");
    fingerprint_ = printed.substr(equals + 1, printed.find_first_of("\r\n") - equals - 1);
}

TestCertificate::~TestCertificate() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

LocalFtpServer::LocalFtpServer(const std::filesystem::path& root, bool passive, const TestCertificate* tls) {
    port_ = ClosedPort();
    std::vector<std::string> arguments{"/usr/bin/python3",    "-c",          kPyftpdlibServer,
                                       std::to_string(port_), root.string(), passive ? "1" : "0"};
    if (tls) {
        arguments.push_back(tls->Certificate().string());
        arguments.push_back(tls->Key().string());
    }
    pid_ = Spawn(arguments);
    if (!WaitUntilAccepting(port_)) {
        throw std::runtime_error("pyftpdlib did not start (apt-get install python3-pyftpdlib)");
    }
}

LocalFtpServer::~LocalFtpServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::string VsftpdServer::Unavailable() {
    if (::geteuid() != 0) return "vsftpd needs a throw-away system user, which only root can make";
    if (!std::filesystem::exists("/usr/sbin/vsftpd")) return "vsftpd is not installed (apt-get install vsftpd)";
    return {};
}

ThrowAwayUser::ThrowAwayUser(const std::string& prefix) {
    name_ = prefix + std::to_string(::getpid());
    home_ = std::filesystem::temp_directory_path() / (name_ + "-home");
    RunQuietly({"/usr/sbin/userdel", name_});  // one left by a test that was killed
    std::filesystem::remove_all(home_);
    if (RunQuietly({"/usr/sbin/useradd", "--home-dir", home_.string(), "--create-home", "--shell", "/bin/sh", name_}) !=
        0) {
        throw std::runtime_error("useradd failed for " + name_);
    }
    const std::string pipeline = "echo '" + name_ + ":" + password_ + "' | /usr/sbin/chpasswd";
    if (RunQuietly({"/bin/sh", "-c", pipeline}) != 0) {
        Remove();
        throw std::runtime_error("chpasswd failed");
    }
}

void ThrowAwayUser::Remove() {
    RunQuietly({"/usr/sbin/userdel", name_});
    std::error_code error;
    std::filesystem::remove_all(home_, error);
}

ThrowAwayUser::~ThrowAwayUser() { Remove(); }

VsftpdServer::VsftpdServer(const TestCertificate* tls) : user_("palimora") {
    config_ = std::filesystem::temp_directory_path() / (user_.Name() + ".conf");
    std::filesystem::create_directories("/var/run/vsftpd/empty");
    port_ = ClosedPort();
    std::ofstream config(config_);
    config << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << port_
           << "\nbackground=NO\nanonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=022\n"
              "pasv_enable=YES\nport_enable=YES\nseccomp_sandbox=NO\nsecure_chroot_dir=/var/run/vsftpd/empty\n"
              "pam_service_name=vsftpd\nuserlist_enable=NO\ncheck_shell=NO\nxferlog_enable=NO\n"
              "connect_from_port_20=NO\n";
    if (tls) {
        config << "ssl_enable=YES\nrsa_cert_file=" << tls->Certificate().string()
               << "\nrsa_private_key_file=" << tls->Key().string()
               << "\nforce_local_logins_ssl=YES\nforce_local_data_ssl=YES\nrequire_ssl_reuse=YES\n"
                  "ssl_ciphers=HIGH\n";
    }
    config.close();
    pid_ = Spawn({"/usr/sbin/vsftpd", config_.string()});
    if (!WaitUntilAccepting(port_)) {
        Stop();
        throw std::runtime_error("vsftpd did not start");
    }
}

void VsftpdServer::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    std::error_code error;
    std::filesystem::remove(config_, error);
}

VsftpdServer::~VsftpdServer() { Stop(); }

std::string SshServer::Unavailable() {
    if (::geteuid() != 0) return "sshd needs a throw-away system user, which only root can make";
    if (!std::filesystem::exists("/usr/sbin/sshd")) return "sshd is not installed (apt-get install openssh-server)";
    return {};
}

SshServer::SshServer() : user_("palimorassh"), folder_(FreshFolder("palimora-sshd-")) {
    for (const char* key : {"host_key", "other_key"}) {
        if (RunQuietly({"/usr/bin/ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", (folder_ / key).string()}) != 0) {
            Stop();
            throw std::runtime_error("ssh-keygen failed");
        }
    }
    std::filesystem::create_directories("/run/sshd");
    port_ = ClosedPort();
    const std::filesystem::path config = folder_ / "sshd_config";
    std::ofstream out(config);
    out << "Port " << port_ << "\nListenAddress 127.0.0.1\nHostKey " << (folder_ / "host_key").string()
        << "\nPidFile none\nUsePAM no\nPasswordAuthentication yes\nKbdInteractiveAuthentication no\n"
           "PubkeyAuthentication no\nPermitRootLogin no\nStrictModes no\nAllowUsers "
        << user_.Name() << "\nSubsystem sftp internal-sftp\n";
    out.close();
    pid_ = Spawn({"/usr/sbin/sshd", "-D", "-e", "-f", config.string()});
    if (!WaitUntilAccepting(port_)) {
        Stop();
        throw std::runtime_error("sshd did not start");
    }
}

std::string SshServer::KnownHostsLine() const {
    return "[127.0.0.1]:" + std::to_string(port_) + " " + FirstLine(folder_ / "host_key.pub");
}

std::string SshServer::OtherKeyLine() const {
    return "[127.0.0.1]:" + std::to_string(port_) + " " + FirstLine(folder_ / "other_key.pub");
}

std::string SshServer::Fingerprint() const {
    // "256 SHA256:base64 comment (ED25519)"
    const std::string printed = OutputOf("ssh-keygen -l -E sha256 -f " + (folder_ / "host_key.pub").string());
    const auto start = printed.find("SHA256:");
    return start == std::string::npos ? std::string() : printed.substr(start, printed.find(' ', start) - start);
}

void SshServer::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

SshServer::~SshServer() { Stop(); }

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
    if (dataListener_ >= 0) ::close(dataListener_);
    dataListener_ = BoundSocket(port);
    ::listen(dataListener_, 1);
    return "227 Entering Passive Mode (127,0,0,1," + std::to_string(port / 256) + "," + std::to_string(port % 256) +
           ")\r\n";
}

std::vector<std::string> ScriptedFtpServer::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

std::string ScriptedFtpServer::ActiveReply(const std::string& portCommand) {
    int h1 = 0, h2 = 0, h3 = 0, h4 = 0, p1 = 0, p2 = 0;
    if (std::sscanf(portCommand.c_str(), "PORT %d,%d,%d,%d,%d,%d", &h1, &h2, &h3, &h4, &p1, &p2) != 6) {
        return "501 Bad PORT\r\n";
    }
    data_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(p1 * 256 + p2));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // never anywhere else
    if (::connect(data_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(data_);
        data_ = -1;
        return "425 Cannot open data connection\r\n";
    }
    return "200 PORT ok\r\n";
}

void ScriptedFtpServer::ServeData(int client) {
    if (data_ < 0 && dataListener_ >= 0) {
        pollfd waiting{dataListener_, POLLIN, 0};
        if (::poll(&waiting, 1, 0) > 0) data_ = ::accept(dataListener_, nullptr, nullptr);
    }
    if (data_ < 0) return;
    bool closed = false;
    if (sendOnData_) {
        ::send(data_, toSend_.data(), toSend_.size(), MSG_NOSIGNAL);
        sendOnData_ = false;
        closed = true;
    } else {
        pollfd readable{data_, POLLIN, 0};
        if (::poll(&readable, 1, 0) <= 0) return;
        char buffer[65536];
        const ssize_t count = ::recv(data_, buffer, sizeof buffer, 0);
        if (count > 0) dataBytes_ += static_cast<std::size_t>(count);
        closed = count <= 0;
    }
    if (!closed) return;
    ::close(data_);
    data_ = -1;
    if (!afterData_.empty()) {
        ::send(client, afterData_.data(), afterData_.size(), MSG_NOSIGNAL);
        afterData_.clear();
    }
}

void ScriptedFtpServer::Serve() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_ && ::poll(&waiting, 1, 50) <= 0) {
    }
    if (stop_) return;
    const int client = ::accept(listener_, nullptr, nullptr);
    ::send(client, greeting_.data(), greeting_.size(), MSG_NOSIGNAL);
    std::string received;
    // However a test goes, the server gives up after two minutes.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!stop_ && std::chrono::steady_clock::now() < giveUp) {
        ServeData(client);
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
            if (reply == kNoReply) continue;
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
    if (data_ >= 0) ::close(data_);
    ::close(client);
}

}  // namespace palimora::testing
