#pragma once

#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "publish/PublishRun.h"
#include "tests/support/FtpServers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace palimora::testing {

// Records what a publication shows; CancelRequested answers true once, when
// `cancelWhen` first holds (one press of the Cancel button).
class RecordingPublishProgress : public PublishProgress {
public:
    int maximum = 0;
    int steps = 0;
    std::vector<std::string> statuses;
    std::vector<PlannedFile> plan;
    std::function<bool()> cancelWhen;
    std::optional<std::chrono::steady_clock::time_point> cancelledAt;

    void SetMaximum(int value) override { maximum = value; }
    void Step() override { ++steps; }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void ReportPlan(const std::vector<PlannedFile>& files) override { plan = files; }
    bool CancelRequested() override {
        if (!cancelWhen || !cancelWhen()) return false;
        cancelWhen = nullptr;
        cancelledAt = std::chrono::steady_clock::now();
        return true;
    }
};

// A script for ScriptedFtpServer that plays a small, empty FTP site without
// TLS: user
// "photo" with password "secret", any folder made and entered, empty
// listings, every upload taken. `first` may answer a command before it
// (nullopt: the site answers).
// A built demo site in a program folder of its own, and what a publication
// of it records.
class DemoSitePublishTest : public ::testing::Test {
protected:
    DemoSitePublishTest();

    std::string Text(TextId text) const { return language.LangText(text); }
    // Puts a large clip into the built site (24 MB of noise, clips/000001.mp4)
    // and returns its bytes; Cancel is then pressed while it is being sent,
    // once the server's copy, `arriving`, holds some of it.
    std::string AddLargeClipCutOffOnItsWay(const std::filesystem::path& arriving);
    // Whether the run said it sent the rest of the clip only.
    bool ResumedTheClip() const;
    // Every message shown but the remote-path prompt.
    std::vector<std::string> Messages() const;

    // Publishes a project of 30 photos to `server`'s `remotePath`, then
    // deletes its second picture and swaps the first two, publishing after
    // each: no picture's own file may be sent again (the server renames
    // them), and `remote`, the server's folder on this machine, then holds
    // exactly the site (pages with LF line ends when `pagesAsLf`).
    void ExpectRenumberedPicturesRenamed(const FtpServer& server, const std::string& remotePath,
                                         const std::filesystem::path& remote, bool pagesAsLf);

    TempFolder program;
    ProgramFolder folder{program.Path()};
    std::filesystem::path project;
    Language language;
    ScriptedDialogs dialogs;
    RecordingPublishProgress progress;
};

using ScriptHook = std::function<std::optional<std::string>(const std::string& command)>;
ScriptedFtpServer::Script SmallSite(ScriptedFtpServer*& server, ScriptHook first = {});

}  // namespace palimora::testing
