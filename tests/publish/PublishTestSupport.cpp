#include "tests/publish/PublishTestSupport.h"

#include "project/BuiltSite.h"

#include "project/PictureList.h"
#include "tests/support/BuiltSite.h"

#include <algorithm>
#include <memory>
#include <set>

namespace palimora::testing {

DemoSitePublishTest::DemoSitePublishTest() : project(BuildDemoSite(program.Path())) { language.LoadChosen(folder); }

std::string DemoSitePublishTest::AddLargeClipCutOffOnItsWay(const std::filesystem::path& arriving) {
    const std::filesystem::path clip = project / "clips" / "000001.mp4";
    std::filesystem::create_directories(clip.parent_path());
    std::string bytes(24 << 20, '\0');
    std::uint32_t seed = 12345;
    for (char& byte : bytes) byte = static_cast<char>((seed = seed * 1664525 + 1013904223) >> 24);
    WriteBytes(clip, bytes);
    built_site::Record(project);
    progress.cancelWhen = [this, arriving] {
        std::error_code error;
        return progress.statuses.back() == Text(TextId::Sending) + " 000001.mp4" &&
               std::filesystem::file_size(arriving, error) > 0 && !error;
    };
    return bytes;
}

bool DemoSitePublishTest::ResumedTheClip() const {
    const std::string resumed = Text(TextId::Sending) + " 000001.mp4, " + Text(TextId::ResumedAfter);
    return std::any_of(progress.statuses.begin(), progress.statuses.end(),
                       [&](const std::string& status) { return status.starts_with(resumed); });
}

std::vector<std::string> DemoSitePublishTest::Messages() const {
    std::vector<std::string> messages;
    for (const std::string& text : dialogs.shown) {
        if (text != Text(TextId::PublishFolderLabel)) messages.push_back(text);
    }
    return messages;
}

void DemoSitePublishTest::ExpectRenumberedPicturesRenamed(const FtpServer& server, const std::string& remotePath,
                                                          const std::filesystem::path& remote, bool pagesAsLf) {
    namespace fs = std::filesystem;
    const fs::path photos = MakePhotoProject(program.Path(), "Thirty", 30, 96, 72);
    const auto publish = [&] {
        dialogs.textAnswers = {remotePath};
        dialogs.choices = {0};
        progress.statuses.clear();
        const PublishRequest request{folder, "Thirty", server, ReplacePolicy::Ask, true};
        EXPECT_EQ(PublishSite(request, language, dialogs, progress), PublishOutcome::Published) << Messages().front();
        // A picture's own files ("000012.jpg", "tn-000012.jpg"); a strip or the icon changes with its pictures.
        std::vector<std::string> pictures;
        const std::string sending = Text(TextId::Sending) + " ";
        for (const std::string& status : progress.statuses) {
            std::string name = status.substr(std::min(status.size(), sending.size()));
            if (name.starts_with("tn-")) name.erase(0, 3);
            if (status.starts_with(sending) && name.size() == 10 && name.ends_with(".jpg") &&
                std::all_of(name.begin(), name.begin() + 6, [](char c) { return c >= '0' && c <= '9'; })) {
                pictures.push_back(name);
            }
        }
        return pictures;
    };
    const auto serverHoldsTheSite = [&] {
        EXPECT_EQ(DifferingFiles(photos, remote, pagesAsLf), std::vector<std::string>{});
        std::set<fs::path> held;
        for (const auto& entry : fs::recursive_directory_iterator(remote)) {
            if (entry.is_regular_file()) held.insert(fs::relative(entry.path(), remote));
        }
        const std::vector<fs::path> site = SiteFiles(photos);
        EXPECT_EQ(held, std::set<fs::path>(site.begin(), site.end()));
    };
    EXPECT_EQ(publish().size(), 90u);  // pictures, thumbnails and the originals offered for download

    PictureList(photos).Delete({1});
    BuildSite(program.Path(), "Thirty");
    EXPECT_EQ(publish(), std::vector<std::string>{});
    serverHoldsTheSite();
    // The plan shown beforehand said so: 28 pictures, their thumbnails and originals renamed.
    EXPECT_EQ(std::count_if(progress.plan.begin(), progress.plan.end(),
                            [](const PlannedFile& file) { return !file.movedFrom.empty(); }),
              84);

    ASSERT_TRUE(PictureList(photos).Move(1, +1));
    BuildSite(program.Path(), "Thirty");
    EXPECT_EQ(publish(), std::vector<std::string>{});
    serverHoldsTheSite();
}

ScriptedFtpServer::Script SmallSite(ScriptedFtpServer*& server, ScriptHook first) {
    // The folder CWD walks to, as PWD tells it.
    auto folder = std::make_shared<std::string>("/");
    return [&server, first, folder](const std::string& command) -> std::string {
        if (first) {
            if (auto answer = first(command)) return *answer;
        }
        const std::string verb = command.substr(0, command.find(' '));
        if (verb == "AUTH") return "502 No TLS here\r\n";
        if (verb == "USER") return "331 Password please\r\n";
        if (verb == "PASS") return command == "PASS secret" ? "230 Welcome\r\n" : "530 Login incorrect\r\n";
        if (verb == "SYST") return "215 UNIX Type: L8\r\n";
        if (verb == "PWD") return "257 \"" + *folder + "\" is the current folder\r\n";
        if (verb == "CWD") {
            const std::string name = command.substr(4);
            if (name == "..") {
                folder->erase(std::max<std::size_t>(1, folder->rfind('/')));
            } else {
                *folder = name.starts_with("/") ? name : (*folder == "/" ? "" : *folder) + "/" + name;
            }
            return "250 Folder changed\r\n";
        }
        if (verb == "MKD") return "257 Folder made\r\n";
        if (verb == "TYPE") return "200 Type set\r\n";
        if (verb == "PASV") return server->PassiveReply();
        if (verb == "PORT") return server->ActiveReply(command);
        if (verb == "LIST") {
            server->SendOnData("");
            server->ReplyAfterData("226 Listing sent\r\n");
            return "150 Listing follows\r\n";
        }
        if (verb == "STOR") {
            server->ReplyAfterData("226 Stored\r\n");
            return "150 Send it\r\n";
        }
        if (verb == "QUIT") return "CLOSE:221 Bye\r\n";
        return "200 OK\r\n";
    };
}

}  // namespace palimora::testing
