// Publication of a built site of generated photos to a local FTP server
// (pyftpdlib on 127.0.0.1), beside `lftp -e "mirror -R"` sending the same
// site files to the same server in the same run.
//
// Usage: publish_bench <program folder> [pictures=120]
#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "publish/PublishRun.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
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

// A photo-like picture: smooth gradients with noise, so that it compresses
// as photos do (a few hundred kilobytes).
palimora::Image Photo(int width, int height, std::mt19937& random) {
    palimora::Image image(width, height);
    const int tint = static_cast<int>(random() % 96);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &image.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            const int noise = static_cast<int>(random() % 40);
            pixel[0] = static_cast<std::uint8_t>((x * 200 / width + tint + noise) % 256);
            pixel[1] = static_cast<std::uint8_t>((y * 200 / height + noise) % 256);
            pixel[2] = static_cast<std::uint8_t>((x + y) * 100 / (width + height) + tint + noise);
        }
    }
    return image;
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
    const fs::path project = folder.Project(name);
    fs::remove_all(project);
    fs::create_directories(project / "textes");
    fs::create_directories(project / "images");
    palimora::PictureTextFile texts(project / "textes" / "images.dat");
    texts.CreateEmpty();
    std::mt19937 random(11);
    for (int i = 1; i <= count; ++i) {
        palimora::EncodeJpeg(Photo(1024, 768, random), project / "images" / (palimora::SixDigits(i) + ".jpg"));
        texts.Write(i, "Photo " + std::to_string(i), "");
    }
    palimora::Language language;
    language.LoadChosen(folder);
    palimora::ProjectSettings settings;
    settings.Commit(folder, name, language);
    QuietDialogs dialogs;
    QuietProgress progress;
    if (palimora::BuildProject({folder, name, {}}, dialogs, progress) != palimora::BuildOutcome::Built) return 1;

    // The same files for lftp: the site without the project's own files.
    const fs::path work = fs::temp_directory_path() / "palimora-publish-bench";
    fs::remove_all(work);
    fs::create_directories(work / "server");
    fs::create_directories(work / "site");
    const auto files = palimora::testing::SiteFiles(project);
    std::uintmax_t bytes = 0;
    for (const fs::path& file : files) {
        fs::create_directories((work / "site" / file).parent_path());
        fs::copy_file(project / file, work / "site" / file);
        bytes += fs::file_size(project / file);
    }
    palimora::testing::LocalFtpServer server(work / "server");
    std::printf("site: %d pictures, %zu files, %.1f MB; pyftpdlib on 127.0.0.1:%d\n", count, files.size(),
                static_cast<double>(bytes) / 1e6, server.Port());

    palimora::PublishRequest request{folder, name,
                                     palimora::FtpServer{"127.0.0.1", server.Port(), "photo", "secret", 60},
                                     palimora::ReplacePolicy::All, true};
    progress.sendingPrefix = language.LangText(palimora::TextId::Sending) + " ";
    const auto ourStart = Clock::now();
    const auto outcome = palimora::PublishSite(request, language, dialogs, progress);
    const double ours = Seconds(ourStart);
    if (outcome != palimora::PublishOutcome::Published) return 1;

    const std::string mirror = "lftp -u photo,secret -p " + std::to_string(server.Port()) +
                               " -e 'set ftp:passive-mode on; set net:max-retries 1; mirror -R --no-perms " +
                               (work / "site").string() + " /lftp; quit' 127.0.0.1 >/dev/null";
    const auto peerStart = Clock::now();
    if (std::system(mirror.c_str()) != 0) return 1;
    const double peer = Seconds(peerStart);

    // Again, with nothing changed: the window's way (the plan, asked only
    // when something would be replaced), and lftp's, which compares sizes and times.
    request.replace = palimora::ReplacePolicy::Ask;
    const int sentFirst = progress.sent;
    const auto againStart = Clock::now();
    if (palimora::PublishSite(request, language, dialogs, progress) != palimora::PublishOutcome::Published) return 1;
    const double again = Seconds(againStart);
    const int sentAgain = progress.sent - sentFirst;
    const auto peerAgainStart = Clock::now();
    if (std::system(mirror.c_str()) != 0) return 1;
    const double peerAgain = Seconds(peerAgainStart);

    const std::size_t oursSent = CountFiles(work / "server" / "palimora");
    const std::size_t peerSent = CountFiles(work / "server" / "lftp");
    std::printf("palimora publish : %7.3f s  (%zu files)\n", ours, oursSent);
    std::printf("lftp mirror -R   : %7.3f s  (%zu files)\n", peer, peerSent);
    std::printf("ratio palimora / lftp: %.2f\n", ours / peer);
    std::printf("unchanged, again : palimora %7.3f s (%d files sent), lftp %7.3f s\n", again, sentAgain, peerAgain);
    std::printf("ratio second / first publication: %.3f; palimora / lftp, second: %.2f\n", again / ours,
                again / peerAgain);
    fs::remove_all(project);
    return oursSent == files.size() && peerSent == files.size() ? 0 : 1;
}
