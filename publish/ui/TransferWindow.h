#pragma once

#include "common/ui/ProgressWindow.h"
#include "publish/PublishRun.h"

#include <functional>
#include <optional>
#include <string>

namespace palimora {

class Language;

// The address of a published page: a host beginning with "www." is the
// site's own address; a host beginning with "ftp." ("ftp.host.fr") has
// "ftp" replaced by "www" and the user's folder put first. Any other host
// (an address, a name of another kind) gives none. An empty remote folder
// leaves its part out; "ftps://", "sftp://" and a port in the host are left
// out. All texts are Windows-1252.
std::optional<std::string> PublishedPageAddress(const std::string& host, const std::string& user,
                                                const std::string& remoteFolder, const std::string& page);

// TFormFTP2, the transfer window: publishes the built site when it is shown,
// with no time-out (Cancel is there) and asking before it replaces a file.
// Cancel stops the run at its next test and the window closes; so does a
// failed run. Once every file is sent, Cancel says "Close" and "see online" opens the published
// start page and closes the window; where the host does not tell the site's
// address, the user is asked for it once and it is kept with the project.
class TransferWindow : public ProgressWindow, public PublishProgress {
    Q_OBJECT
public:
    using Run = std::function<PublishOutcome(const PublishRequest&, const Language&, UserDialogs&, PublishProgress&)>;

    // `startPage` is the page "see online" opens; `openAddress` opens a web
    // address in the user's browser; `run` is the publication (PublishSite
    // unless a test gives its own).
    TransferWindow(ProgramFolder folder, std::string projectName, FtpServer server, std::string startPage,
                   const Language& language, UserDialogs& dialogs, std::function<void(const std::string&)> openAddress,
                   QWidget* parent, Run run = PublishSite);

    // Publishes to the folder last published to on this server, without asking (asked when there is none).
    void ReuseLastFolder();

    PublishOutcome Outcome() const { return outcome_; }
    // The last part of the remote path the user chose ("" for the login folder).
    const std::string& RemoteFolder() const { return remoteFolder_; }

    void OpenSiteOnline();

    void SetStatus(const std::string& cp1252Text) override;
    // A large file on its way shows its share sent beside its name.
    void BytesSent(std::uint64_t done, std::uint64_t total) override;

private:
    class RemotePathAnswers;

    void RunWork() override;
    // The saved web address of the site, or the one the user gives now; empty when none.
    std::string SiteWebAddress();

    PublishRequest request_;
    std::string startPage_;
    const Language& language_;
    UserDialogs& dialogs_;
    std::function<void(const std::string&)> openAddress_;
    Run run_;
    std::string remoteFolder_;
    PublishOutcome outcome_ = PublishOutcome::Failed;
    std::string status_;   // the run's last status, without the share sent
    int shownShare_ = -1;  // the percentage shown beside it
};

}  // namespace palimora
