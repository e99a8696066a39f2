// Publication of a built site of generated photos to a local FTP server
// (pyftpdlib on 127.0.0.1), beside `lftp -e "mirror -R"` sending the same
// site files to the same server in the same run: the whole site, again
// unchanged, and again once one photo in the middle was deleted.
//
// Usage: publish_bench <program folder> [pictures=120]
#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/PictureList.h"
#include "publish/PublishRun.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

class QuietDialogs : public palimora::UserDialogs {
public:
    int ShowMessageOk(const std::string& text) override {
        std::cerr << text << '\n';
        return palimora::kModalOk;
    }
    int AskYesNoCancel(const std::string&) override { return palimora::kModalYes; }
    int AskOkCancel(const std::string&) override { return palimora::kModalYes; }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
        return std::string("palimora");
    }
    void Beep() override {}
};

// Counts the files it is told are being sent.
class QuietProgress : public palimora::PublishProgress {
public:
    std::string sendingPrefix;
    int sent = 0;
    void SetMaximum(int) override {}
    void Step() override {}
    void SetStatus(const std::string& text) override {
        if (!sendingPrefix.empty() && text.rfind(sendingPrefix, 0) == 0) ++sent;
    }
    bool CancelRequested() override { return false; }
};

// The bytes of the files under `folder` written since `since` (a rename
// keeps a file's time).
std::uintmax_t BytesWrittenSince(const fs::path& folder, fs::file_time_type since) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.last_write_time() >= since) bytes += entry.file_size();
    }
    return bytes;
}

// The bytes of the files under `site` that an lftp log shows were sent.
std::uintmax_t BytesPut(const fs::path& log, const fs::path& site) {
    std::ifstream in(log);
    std::uintmax_t bytes = 0;
    std::string line;
    // A reverse mirror logs each upload as "get -e -O <remote folder> file:<local file>".
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            if (word.rfind("file:", 0) == 0) word.erase(0, 5);
            std::error_code error;
            if (word.rfind(site.string(), 0) == 0 && fs::is_regular_file(word, error)) bytes += fs::file_size(word);
        }
    }
    return bytes;
}

// Copies the site's files of `project` into `site`, replacing what was there,
// with their times.
std::uintmax_t CopySite(const fs::path& project, const fs::path& site) {
    fs::remove_all(site);
    std::uintmax_t bytes = 0;
    for (const fs::path& file : palimora::testing::SiteFiles(project)) {
        fs::create_directories((site / file).parent_path());
        fs::copy_file(project / file, site / file);
        // lftp compares times: a file the build left alone keeps its own.
        fs::last_write_time(site / file, fs::last_write_time(project / file));
        bytes += fs::file_size(project / file);
    }
    return bytes;
}

std::size_t CountFiles(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) count += entry.is_regular_file() ? 1 : 0;
    return count;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program folder> [pictures=120]\n", argv[0]);
        return 2;
    }
    const palimora::ProgramFolder folder(argv[1]);
    const int count = argc > 2 ? std::max(100, std::atoi(argv[2])) : 120;
    const std::string name = "BenchPublish";
    const fs::path project = palimora::testing::MakePhotoProject(folder.Root(), name, count, 1024, 768);
    palimora::Language language;
    language.LoadChosen(folder);
    QuietDialogs dialogs;
    QuietProgress progress;

    // The same files for lftp: the site without the project's own files.
    const fs::path work = fs::temp_directory_path() / "palimora-publish-bench";
    fs::remove_all(work);
    fs::create_directories(work / "server");
    const auto files = palimora::testing::SiteFiles(project);
    const std::uintmax_t bytes = CopySite(project, work / "site");
    palimora::testing::LocalFtpServer server(work / "server");
    std::printf("site: %d pictures, %zu files, %.1f MB; pyftpdlib on 127.0.0.1:%d\n", count, files.size(),
                static_cast<double>(bytes) / 1e6, server.Port());

    palimora::PublishRequest request{folder, name,
                                     palimora::FtpServer{"ftp://127.0.0.1", server.Port(), "photo", "secret", 60},
                                     palimora::ReplacePolicy::All, true};
    progress.sendingPrefix = language.LangText(palimora::TextId::Sending) + " ";
    const auto ourStart = Clock::now();
    const auto outcome = palimora::PublishSite(request, language, dialogs, progress);
    const double ours = Seconds(ourStart);
    if (outcome != palimora::PublishOutcome::Published) return 1;

    const auto mirrorCommand = [&](const char* options) {
        return "lftp -u photo,secret -p " + std::to_string(server.Port()) +
               " -e 'set ftp:passive-mode on; set net:max-retries 1; mirror -R --no-perms " + options + " " +
               (work / "site").string() + " /lftp; quit' 127.0.0.1 >/dev/null";
    };
    const std::string mirror = mirrorCommand("");
    const auto peerStart = Clock::now();
    if (std::system(mirror.c_str()) != 0) return 1;
    const double peer = Seconds(peerStart);

    // Again, with nothing changed: the window's way (the plan, asked only
    // when something would be replaced), and lftp's sending only what is newer.
    request.replace = palimora::ReplacePolicy::Ask;
    const int sentFirst = progress.sent;
    const auto againStart = Clock::now();
    if (palimora::PublishSite(request, language, dialogs, progress) != palimora::PublishOutcome::Published) return 1;
    const double again = Seconds(againStart);
    const int sentAgain = progress.sent - sentFirst;
    const auto peerAgainStart = Clock::now();
    if (std::system(mirrorCommand("--only-newer").c_str()) != 0) return 1;
    const double peerAgain = Seconds(peerAgainStart);

    const std::size_t oursSent = CountFiles(work / "server" / "palimora");
    const std::size_t peerSent = CountFiles(work / "server" / "lftp");
    std::printf("palimora publish : %7.3f s  (%zu files)\n", ours, oursSent);
    std::printf("lftp mirror -R   : %7.3f s  (%zu files)\n", peer, peerSent);
    std::printf("ratio palimora / lftp: %.2f\n", ours / peer);
    std::printf("unchanged, again : palimora %7.3f s (%d files sent), lftp %7.3f s\n", again, sentAgain, peerAgain);
    std::printf("ratio second / first publication: %.3f; palimora / lftp, second: %.2f\n", again / ours,
                again / peerAgain);

    // One photo deleted in the middle: every later picture is renumbered.
    palimora::PictureList(project).Delete({count / 2});
    palimora::testing::BuildSite(folder.Root(), name);
    CopySite(project, work / "site");
    const fs::path marker = work / "marker";
    palimora::testing::WriteBytes(marker, "");
    const auto since = fs::last_write_time(marker);
    const auto deleteStart = Clock::now();
    if (palimora::PublishSite(request, language, dialogs, progress) != palimora::PublishOutcome::Published) return 1;
    const double afterDelete = Seconds(deleteStart);
    const auto peerDeleteStart = Clock::now();
    const fs::path lftpLog = work / "lftp.log";
    if (std::system(mirrorCommand(("--delete --log=" + lftpLog.string()).c_str()).c_str()) != 0) return 1;
    const double peerAfterDelete = Seconds(peerDeleteStart);
    const std::uintmax_t oursDeleteBytes = BytesWrittenSince(work / "server" / "palimora", since);
    // lftp sets the times of what it sends: its log names the files it put.
    const std::uintmax_t peerDeleteBytes = BytesPut(lftpLog, work / "site");
    const bool exact = palimora::testing::DifferingFiles(project, work / "server" / "palimora", true).empty() &&
                       CountFiles(work / "server" / "palimora") == palimora::testing::SiteFiles(project).size();
    std::printf("one photo deleted: palimora %7.3f s, %.2f MB sent; lftp %7.3f s, %.2f MB sent\n", afterDelete,
                static_cast<double>(oursDeleteBytes) / 1e6, peerAfterDelete,
                static_cast<double>(peerDeleteBytes) / 1e6);
    std::printf(
        "ratio after delete / full upload: bytes %.3f, time %.3f; palimora / lftp bytes: %.3f%s\n",
        static_cast<double>(oursDeleteBytes) / static_cast<double>(bytes), afterDelete / ours,
        static_cast<double>(oursDeleteBytes) / static_cast<double>(std::max<std::uintmax_t>(1, peerDeleteBytes)),
        exact ? "" : "  (the server does not hold exactly the site!)");
    fs::remove_all(project);
    return oursSent == files.size() && peerSent == files.size() && exact ? 0 : 1;
}
