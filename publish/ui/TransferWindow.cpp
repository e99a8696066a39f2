#include "publish/ui/TransferWindow.h"

#include "common/Error.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/CommandGuard.h"
#include "project/SiteAddress.h"
#include "publish/PublicationRecord.h"
#include "publish/ServerAddress.h"

#include <QPushButton>

#include <algorithm>

namespace palimora {

std::optional<std::string> PublishedPageAddress(const std::string& typedHost, const std::string& user,
                                                const std::string& remoteFolder, const std::string& page) {
    // The web server is named after the host, without its protocol and port;
    // only a host named www... or ftp... says which it is.
    const std::string host = ParseServerAddress(typedHost).host;
    std::string address = "http://";
    if (host.compare(0, 4, "www.") == 0) {
        address += host + "/";
    } else if (host.compare(0, 4, "ftp.") == 0) {
        address += "www" + host.substr(3) + "/" + user + "/";
    } else {
        return std::nullopt;
    }
    if (!remoteFolder.empty()) address += remoteFolder + "/";
    return address + page;
}

namespace {

// The last part of a remote path: the folder the site is in.
std::string LastPart(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

// Passes every question on to the user and keeps the remote path the run
// was given: its last part is the folder "see online" looks in.
class TransferWindow::RemotePathAnswers : public UserDialogs {
public:
    RemotePathAnswers(UserDialogs& user, std::string folderTitle, std::string& remoteFolder)
        : user_(user), folderTitle_(std::move(folderTitle)), remoteFolder_(remoteFolder) {}

    int ShowMessageOk(const std::string& text) override { return user_.ShowMessageOk(text); }
    int AskYesNoCancel(const std::string& text) override { return user_.AskYesNoCancel(text); }
    int AskOkCancel(const std::string& text) override { return user_.AskOkCancel(text); }
    int AskTrust(const std::string& text) override { return user_.AskTrust(text); }
    int AskChoice(const std::string& text, const std::string& details, const std::vector<std::string>& buttons,
                  int defaultButton) override {
        return user_.AskChoice(text, details, buttons, defaultButton);
    }
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override {
        auto answer = user_.AskText(title, prompt, initial);
        if (answer && title == folderTitle_) remoteFolder_ = LastPart(*answer);
        return answer;
    }
    void Beep() override { user_.Beep(); }

private:
    UserDialogs& user_;
    std::string folderTitle_;
    std::string& remoteFolder_;
};

namespace {

constexpr ProgressWindow::Layout kLayout{
    {536, 115}, {24, 14, 489, 20}, {24, 40, 489, 16}, {56, 74, 105, 25}, {368, 72, 105, 25}};

ProgressWindow::Texts TextsOf(const Language& language) {
    return {ToScreen(language.LangText(TextId::Publishing)), ToScreen(language.LangText(TextId::Connecting)),
            ToScreen(language.LangText(TextId::ViewOnline)), ToScreen(language.LangText(TextId::Cancel))};
}

}  // namespace

TransferWindow::TransferWindow(ProgramFolder folder, std::string projectName, FtpServer server, std::string startPage,
                               const Language& language, UserDialogs& dialogs,
                               std::function<void(const std::string&)> openAddress, QWidget* parent, Run run)
    : ProgressWindow(kLayout, TextsOf(language), parent),
      request_{std::move(folder), std::move(projectName), std::move(server), ReplacePolicy::Ask, true},
      startPage_(std::move(startPage)),
      language_(language),
      dialogs_(dialogs),
      openAddress_(std::move(openAddress)),
      run_(std::move(run)) {
    setObjectName(QStringLiteral("TFormFTP2"));  // its designed name
    // No time-out: the user is there to press Cancel.
    request_.server.timeoutSeconds = 0;
    const CommandGuard guard(dialogs_, language_);
    guard.Connect(ResultButton, &QPushButton::clicked, this, [this] { OpenSiteOnline(); });
}

void TransferWindow::RunWork() {
    RemotePathAnswers answers(dialogs_, language_.LangText(TextId::ServerFolder), remoteFolder_);
    CommandGuard(dialogs_, language_).Run([&] { outcome_ = run_(request_, language_, answers, *this); });
    if (outcome_ == PublishOutcome::Published) {
        // The run's last words stay: what was sent, or that nothing needed sending.
        ShowSucceeded();
        CancelButton->setText(ToScreen(language_.LangText(TextId::CloseButton)));
    } else {
        // Cancelled, or failed after telling the user why: nothing more to show.
        done(kModalCancel);
    }
}

void TransferWindow::SetStatus(const std::string& cp1252Text) {
    status_ = cp1252Text;
    shownShare_ = -1;
    ProgressWindow::SetStatus(cp1252Text);
}

void TransferWindow::BytesSent(std::uint64_t done, std::uint64_t total) {
    constexpr std::uint64_t kShownFrom = 1024 * 1024;
    if (total < kShownFrom) return;
    const int share = static_cast<int>(std::min<std::uint64_t>(done, total) * 100 / total);
    if (share == shownShare_) return;
    shownShare_ = share;
    ProgressWindow::SetStatus(status_ + " (" + std::to_string(share) + " %)");
}

void TransferWindow::ReuseLastFolder() {
    request_.reuseLastFolder = true;
    remoteFolder_ = LastPart(LastPublishedFolder(request_));
}

void TransferWindow::OpenSiteOnline() {
    std::optional<std::string> address =
        PublishedPageAddress(request_.server.host, request_.server.user, remoteFolder_, startPage_);
    if (!address) {
        const std::string site = SiteWebAddress();
        if (!site.empty()) address = site + startPage_;
    }
    if (address && openAddress_) openAddress_(*address);
    done(kModalOk);
}

std::string TransferWindow::SiteWebAddress() {
    // Asked once, then kept with the project.
    const std::filesystem::path project = request_.folder.Project(request_.projectName);
    std::string site = SavedWebAddress(project);
    if (!site.empty()) return site;
    const std::string host = ParseServerAddress(request_.server.host).host;
    const std::optional<std::string> answer =
        dialogs_.AskText(language_.LangText(TextId::WebAddressTitle), language_.LangText(TextId::WebAddressPrompt),
                         "http://" + host + "/" + (remoteFolder_.empty() ? "" : remoteFolder_ + "/"));
    if (!answer) return {};
    site = WebAddressAnswered(*answer);
    if (site.empty()) return {};
    try {
        SaveWebAddress(project, site);
    } catch (const PalimoraError& error) {
        dialogs_.ShowMessageOk(error.UserMessage());  // used this time all the same
    }
    return site;
}

}  // namespace palimora
