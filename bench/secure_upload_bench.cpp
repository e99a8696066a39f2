// Upload throughput of one file (50 MB by default) to local servers on
// 127.0.0.1 over plain FTP and FTPS (vsftpd, without and with TLS) and SFTP
// (OpenSSH's sshd), as root, each beside curl sending the same file
// to the same server in the same run (`curl -T`, `curl --ssl-reqd -T`,
// `curl -T sftp://`). Best of two rounds.
// Usage: secure_upload_bench [megabytes=50]

#include "bench/RandomFile.h"
#include "publish/FtpTransport.h"
#include "publish/SftpTransport.h"
#include "tests/support/FtpServers.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double BestOfTwo(const std::function<void()>& upload) {
    double best = 1e9;
    for (int round = 0; round < 2; ++round) {
        const auto start = Clock::now();
        upload();
        best = std::min(best, Seconds(start));
    }
    return best;
}

void Curl(const std::string& arguments) {
    const std::string command = "curl -s -S " + arguments;
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

palimora::TransportLogin Login(int port, const std::string& user, const std::string& password) {
    palimora::TransportLogin login;
    login.host = "127.0.0.1";
    login.port = port;
    login.user = user;
    login.password = password;
    login.untrustedIdentity = [](const palimora::IdentityCheck&) { return true; };  // the test's own servers
    return login;
}

// Connecting and logging in counted, as they are in curl's time.
double Ours(palimora::RemoteTransport& transport, const fs::path& file) {
    return BestOfTwo([&] {
        transport.Open();
        transport.SetTextMode(false);
        transport.Upload(file, "ours.bin");
        transport.Close();
    });
}

std::uintmax_t Size(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return error ? 0 : size;
}

void Line(const char* what, int megabytes, double ours, double curl, bool same) {
    std::printf("%-10s palimora %6.1f MB/s   curl %6.1f MB/s   ratio palimora/curl %.2f%s\n", what, megabytes / ours,
                megabytes / curl, curl / ours, same ? "" : "  -- SIZE MISMATCH");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    const fs::path work = fs::temp_directory_path() / "palimora-secure-bench";
    fs::remove_all(work);
    fs::create_directories(work);
    const fs::path file = work / "upload.bin";
    palimora::bench::WriteRandomFile(file, megabytes);
    const auto size = fs::file_size(file);
    std::printf("upload of one %d MB file to servers on 127.0.0.1, best of two\n", megabytes);
    bool allSame = true;
    if (const std::string why = palimora::testing::VsftpdServer::Unavailable(); !why.empty()) {
        std::printf("FTP, FTPS  not measured: %s\n", why.c_str());
    } else {
        palimora::testing::TestCertificate certificate;
        for (const bool tls : {false, true}) {
            palimora::testing::VsftpdServer server(tls ? &certificate : nullptr);
            const std::string port = std::to_string(server.Port());
            palimora::FtpTransport ftp(
                nullptr, Login(server.Port(), server.User(), server.Password()),
                tls ? palimora::FtpClient::Encryption::Required : palimora::FtpClient::Encryption::Plain);
            const double ours = Ours(ftp, file);
            const double curl = BestOfTwo([&] {
                Curl(std::string(tls ? "--ssl-reqd -k " : "") + "-T '" + file.string() + "' ftp://" + server.User() +
                     ":" + server.Password() + "@127.0.0.1:" + port + "/curl.bin");
            });
            const bool same = Size(server.Home() / "ours.bin") == size && Size(server.Home() / "curl.bin") == size;
            allSame = allSame && same;
            Line(tls ? "FTPS" : "FTP", megabytes, ours, curl, same);
        }
    }
    if (const std::string why = palimora::testing::SshServer::Unavailable(); !why.empty()) {
        std::printf("SFTP       not measured: %s\n", why.c_str());
    } else {
        palimora::testing::SshServer server;
        const std::string port = std::to_string(server.Port());
        palimora::SftpTransport sftp(nullptr, Login(server.Port(), server.User(), server.Password()));
        const double ours = Ours(sftp, file);
        const double curl = BestOfTwo([&] {
            Curl("-k -T '" + file.string() + "' sftp://" + server.User() + ":" + server.Password() +
                 "@127.0.0.1:" + port + "/~/curl.bin");
        });
        const bool same = Size(server.Home() / "ours.bin") == size && Size(server.Home() / "curl.bin") == size;
        allSame = allSame && same;
        Line("SFTP", megabytes, ours, curl, same);
    }
    fs::remove_all(work);
    return allSame ? 0 : 1;
}
