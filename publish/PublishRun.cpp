#include "publish/PublishRun.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/TextLines.h"
#include "lang/ErrorMessages.h"
#include "lang/Language.h"
#include "publish/FtpTransport.h"
#include "publish/LocalSiteFiles.h"
#include "publish/RemoteFolders.h"
#include "publish/ServerAddress.h"
#include "publish/SftpTransport.h"
#include "publish/SocketErrors.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsLayout.h"

#include <algorithm>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
namespace {

// How a run ends early: the user cancelled, or a failure was told already.
struct RunCancelled {};
struct RunFailed {};

// A page goes in ASCII mode and a server on another system may store it with
// its own line ends: the size with LF ends counts as the same size.
std::uintmax_t SizeWithLfEnds(const fs::path& page, std::uintmax_t size) {
    const std::string bytes = ReadFileBytes(page);
    return size - static_cast<std::uintmax_t>(std::count(bytes.begin(), bytes.end(), '\r'));
}

PlannedFile::State StateOf(const std::vector<UnixListing::Entry>& listing, const fs::path& file, bool page) {
    const std::string name = file.filename().string();
    const auto listed = std::find_if(listing.begin(), listing.end(),
                                     [&](const UnixListing::Entry& entry) { return entry.name == name; });
    if (listed == listing.end()) return PlannedFile::State::New;
    const std::uintmax_t size = fs::file_size(file);
    const std::string remoteSize = listed->size;
    const bool same = remoteSize == std::to_string(size) ||
                      (page && remoteSize == std::to_string(SizeWithLfEnds(file, size)));
    return same ? PlannedFile::State::Unchanged : PlannedFile::State::Changed;
}

class PublicationRun {
public:
    PublicationRun(const PublishRequest& request, const Language& language, UserDialogs& dialogs,
                   PublishProgress& progress)
        : request_(request),
          language_(language),
          dialogs_(dialogs),
          progress_(progress),
          project_(request.folder.Project(request.projectName)),
          address_(ParseServerAddress(request.server.host, request.server.port)),
          transport_(MakeTransport()),
          remote_(*transport_, dialogs, language, request.projectName) {}

    PublishOutcome Run() {
        PublishOutcome outcome = PublishOutcome::Failed;
        try {
            Prepare();
            Connect();
            Publish();
            outcome = PublishOutcome::Published;
        } catch (const RunCancelled&) {
            outcome = PublishOutcome::Cancelled;
            transport_->NoteCancelSeen();  // the clean-up below then waits briefly only
        } catch (const RunFailed&) {
        } catch (...) {
            dialogs_.ShowMessageOk(UserMessageOf(std::current_exception(), language_));
        }
        Close();
        return outcome;
    }

private:
    std::string Text(TextId text) const { return language_.LangText(text); }

    bool CancelNoted() { return transport_->CancelSeen() || progress_.CancelRequested(); }

    void TestCancel() {
        if (CancelNoted()) throw RunCancelled{};
    }

    void StepStatus(const std::string& text) {
        TestCancel();
        progress_.SetStatus(text);
        progress_.Step();
        ++steps_;
    }

    // A failure inside a step: a cancel that reached a wait ends the run as
    // cancelled; otherwise `message` (none when empty) is told, followed by
    // the time-out text when the server stopped answering.
    [[noreturn]] void Fail(const std::exception& error, const std::string& message) {
        if (transport_->CancelSeen() || identityRefused_) throw RunCancelled{};
        const auto* socket = dynamic_cast<const SockError*>(&error);
        std::string told = message;
        if (socket && socket->TimedOut()) told += (told.empty() ? "" : " ") + Text(TextId::ServerTimedOut);
        // A failure told by nothing else (the remote folder could not be entered) tells its own words.
        if (told.empty()) {
            if (const auto* known = dynamic_cast<const PalimoraError*>(&error)) told = known->UserMessage();
        }
        if (!told.empty()) dialogs_.ShowMessageOk(told);
        throw RunFailed{};
    }

    void Prepare() {
        progress_.SetStatus(Text(TextId::Connecting));
        ProjectSettings settings;
        try {
            settings.LoadWorking(request_.folder, request_.projectName);
        } catch (const PalimoraError& error) {
            dialogs_.ShowMessageOk(error.UserMessage());
            throw RunFailed{};
        }
        pictureFolder_ = local_site::PictureFolderName(settings.Number(SettingLine::PictureStrips));
        for (const std::string& name : local_site::ExtraFolderNames()) {
            std::error_code error;
            if (fs::is_directory(project_ / name, error)) extraFolders_.push_back(name);
        }
        int count = static_cast<int>(local_site::Pages(project_).size());
        for (const std::string& name : extraFolders_) count += local_site::CountFiles(project_ / name);
        count += local_site::CountFiles(project_ / pictureFolder_) + 10;
        maximum_ = count;
        progress_.SetMaximum(count);
        progress_.SetStatus(Text(TextId::ConnectingTo) + " " + request_.server.host);
    }

    std::unique_ptr<RemoteTransport> MakeTransport() {
        TransportLogin login;
        login.host = address_.host;
        login.port = address_.port;
        login.user = request_.server.user;
        login.password = request_.server.password;
        login.timeOutMilliseconds = request_.server.timeoutSeconds * 1000;
        login.loggingIn = [this] { StepStatus(Text(TextId::LoggingIn)); };
        login.untrustedIdentity = [this](const IdentityCheck& check) { return TrustIdentity(check); };
        switch (address_.protocol) {
            case RemoteProtocol::Sftp: return std::make_unique<SftpTransport>(&progress_, std::move(login));
            case RemoteProtocol::Ftps:
                return std::make_unique<FtpTransport>(&progress_, std::move(login), FtpClient::Encryption::Required);
            case RemoteProtocol::Ftp:
                return std::make_unique<FtpTransport>(&progress_, std::move(login), FtpClient::Encryption::Plain);
            case RemoteProtocol::FtpTlsWhenOffered: break;
        }
        return std::make_unique<FtpTransport>(&progress_, std::move(login), FtpClient::Encryption::WhenOffered);
    }

    // A server whose certificate or host key did not verify: the fingerprint
    // the command line was given, or one the user accepted in this run, goes
    // on; else the user is asked, once.
    bool TrustIdentity(const IdentityCheck& check) {
        for (const std::string& trusted : {request_.server.trustedFingerprint, acceptedFingerprint_}) {
            if (SameFingerprint(trusted, check.fingerprint)) return true;
        }
        const TextId what = check.kind == IdentityCheck::Kind::ChangedHostKey ? TextId::ChangedHostKey
                            : check.kind == IdentityCheck::Kind::UnknownHostKey ? TextId::UnknownHostKey
                                                                                : TextId::UntrustedCertificate;
        std::string question = Text(what) + "\n" + address_.host + ":" + std::to_string(address_.port);
        if (!check.reason.empty()) question += "\n" + Text(TextId::ReasonLabel) + " " + check.reason;
        question += "\n" + Text(TextId::FingerprintLabel) + " " + check.fingerprint + "\n" +
                    Text(TextId::ConnectOnlyIfKnown);
        if (dialogs_.AskTrust(question) == kModalYes) {
            acceptedFingerprint_ = check.fingerprint;
            return true;
        }
        identityRefused_ = true;
        return false;
    }

    void Connect() {
        TestCancel();
        try {
            transport_->Open();
        } catch (const PalimoraError& error) {
            Fail(error, Text(TextId::ConnectionFailed));
        }
    }

    void Publish() {
        progress_.SetStatus(Text(TextId::PleaseWait));
        StepStatus(Text(TextId::ReadingServerFolders));
        try {
            ChooseSiteFolder();
            StepStatus(Text(TextId::SendingProject) + " " + request_.projectName);
            PrepareSubFolders();
        } catch (const PalimoraError& error) {
            Fail(error, "");
        }
        if (request_.replace == ReplacePolicy::Changed) {
            try {
                ReportPlan();
            } catch (const std::exception& error) {
                Fail(error, "");
            }
        }
        StepStatus(Text(TextId::SendingFolder) + " " + siteFolder_);
        SendFolder(project_, "", [&] {});
        SendFolder(project_ / pictureFolder_, pictureFolder_, [&] { remote_.EnterExisting(pictureFolder_); });
        for (const std::string& name : extraFolders_) {
            SendFolder(project_ / name, name, [&] {
                remote_.GoUp();
                remote_.EnterExisting(name);
            });
        }
        for (; steps_ < maximum_; ++steps_) progress_.Step();
        progress_.SetStatus(Text(TextId::PublishingFinished));
    }

    void ChooseSiteFolder() {
        remote_.ListSiteFolder();
        transport_->CurrentFolder();
        TestCancel();  // a listing cancelled before its first line ends as a success
        const std::string offered = WebFolderName(request_.projectName);
        const std::optional<std::string> answer =
            dialogs_.AskText(Text(TextId::ServerFolder), Text(TextId::PublishFolderLabel), offered);
        if (!answer) throw RunCancelled{};
        if (answer->size() > RemoteFolders::kMaxPathLength) {
            dialogs_.ShowMessageOk(Text(TextId::RemotePathTooLong));
            throw RunFailed{};
        }
        if (std::any_of(answer->begin(), answer->end(), [](char c) { return static_cast<unsigned char>(c) < 32; })) {
            dialogs_.ShowMessageOk(Text(TextId::RemotePathUnusable) + " " + Cp1252ForDisplay(*answer));
            throw RunFailed{};
        }
        if (!answer->empty()) siteFolder_ = remote_.WalkPath(*answer);
    }

    void PrepareSubFolders() {
        transport_->CurrentFolder();
        remote_.EnterOrCreate(pictureFolder_, pictureFolder_);
        StepStatus(Text(TextId::SendingProject) + " " + siteFolder_ + "/" + pictureFolder_);
        remote_.GoUp();
        for (const std::string& name : extraFolders_) {
            remote_.EnterOrCreate(name, name);
            StepStatus(Text(TextId::SendingProject) + " " + siteFolder_ + "/" + name);
            remote_.GoUp();
        }
    }

    std::vector<fs::path> FilesOf(const fs::path& local, bool pages) const {
        return pages ? local_site::Pages(local) : local_site::FolderFiles(local);
    }

    void ReportPlan() {
        std::vector<PlannedFile> plan;
        const auto add = [&](const std::string& key, bool pages) {
            std::error_code error;
            if (!fs::is_directory(key.empty() ? project_ : project_ / key, error)) return;
            for (const fs::path& file : FilesOf(key.empty() ? project_ : project_ / key, pages)) {
                plan.push_back({key, file.filename().string(), StateOf(remote_.ListingOf(key), file, pages)});
            }
        };
        add("", true);
        add(pictureFolder_, false);
        for (const std::string& name : extraFolders_) add(name, false);
        progress_.ReportPlan(plan);
    }

    // Whether a file is sent, by the replace policy when the folder lists it.
    bool ShouldSend(const fs::path& file, bool page) {
        const PlannedFile::State state = StateOf(remote_.Current(), file, page);
        if (state == PlannedFile::State::New) return true;
        switch (request_.replace) {
            case ReplacePolicy::All: return true;
            case ReplacePolicy::None: return false;
            case ReplacePolicy::Changed: return state == PlannedFile::State::Changed;
            case ReplacePolicy::Ask: break;
        }
        const int answer = dialogs_.AskYesNoCancel(Text(TextId::RemoteFileWord) + " " + Cp1252FromPath(file.filename()) +
                                                   " " + Text(TextId::ReplaceRemoteQuestion));
        if (answer == kModalCancel) throw RunCancelled{};
        return answer == kModalYes;
    }

    // Sends the files of one local folder into the remote folder that
    // `enter` makes current: pages in ASCII mode, anything else in image mode.
    template <typename Enter>
    void SendFolder(const fs::path& local, const std::string& key, Enter enter) {
        const bool pages = key.empty();
        try {
            enter();
            const std::vector<fs::path> files = FilesOf(local, pages);
            transport_->SetTextMode(pages);
            for (const fs::path& file : files) {
                StepStatus(Text(TextId::Sending) + " " + Cp1252FromPath(file.filename()));
                if (ShouldSend(file, pages)) transport_->Upload(file, file.filename().string());
            }
            remote_.Relist(key);
        } catch (const RunCancelled&) {
            throw;
        } catch (const std::exception& error) {
            Fail(error, Text(TextId::SendFolderError) + " " + Cp1252FromPath(local) + ".");
        }
    }

    void Close() {
        if (!transport_->Connected()) return;
        progress_.SetStatus(Text(TextId::Disconnecting));
        try {
            transport_->Close();
        } catch (const PalimoraError&) {
            // Everything that counts was told; the connection is closed all the same.
        }
    }

    const PublishRequest& request_;
    const Language& language_;
    UserDialogs& dialogs_;
    PublishProgress& progress_;
    fs::path project_;
    ServerAddress address_;
    std::unique_ptr<RemoteTransport> transport_;
    RemoteFolders remote_;
    std::string acceptedFingerprint_;
    bool identityRefused_ = false;
    std::string pictureFolder_;
    std::vector<std::string> extraFolders_;
    std::string siteFolder_;
    int maximum_ = 0;
    int steps_ = 0;
};

}  // namespace

PublishOutcome PublishSite(const PublishRequest& request, const Language& language, UserDialogs& dialogs,
                           PublishProgress& progress) {
    return PublicationRun(request, language, dialogs, progress).Run();
}

}  // namespace palimora
