#include "publish/PublishRun.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/TextLines.h"
#include "imaging/PictureReader.h"
#include "lang/ErrorMessages.h"
#include "lang/Language.h"
#include "project/BuiltSite.h"
#include "project/ProjectLayout.h"
#include "publish/FtpTransport.h"
#include "publish/KnownServers.h"
#include "publish/LocalSiteFiles.h"
#include "publish/PlanText.h"
#include "publish/PublicationPlan.h"
#include "publish/RemoteFolders.h"
#include "publish/ServerAddress.h"
#include "publish/ServerMoves.h"
#include "publish/SftpTransport.h"
#include "publish/SocketErrors.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsLayout.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;
namespace {

// Files from this size on are noted when their sending begins, so that a
// run cut off while sending one takes it up where it stopped, next time.
constexpr std::uintmax_t kResumableSize = 1024 * 1024;

// How the project's records name a server and user: "host:port user".
std::string ServerAndUserOf(const FtpServer& server) {
    return ServerName(ParseServerAddress(server.host, server.port)) + " " + server.user;
}

// How a run ends early: the user cancelled, or a failure was told already.
struct RunCancelled {};
struct RunFailed {};

// The words a failure carries (a server's reply line, a system's reason),
// with control characters as blanks and at most a few lines' worth.
std::string EvidenceOf(const std::exception& error) {
    const auto* known = dynamic_cast<const PalimoraError*>(&error);
    if (!known) return {};
    constexpr std::size_t kLongest = 400;
    std::string text = known->UserMessage().substr(0, kLongest);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32 && c != '\n') c = ' ';
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.pop_back();
    return text;
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
          known_(KnownServersFile(request.folder.Root())),
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
            if (done_ > 0) dialogs_.ShowMessageOk(SentSoFar().substr(1));
        } catch (const RunFailed&) {
        } catch (...) {
            dialogs_.ShowMessageOk(UserMessageOf(std::current_exception(), language_));
        }
        Close();
        if (outcome == PublishOutcome::Published) {
            progress_.SetStatus(done_ == 0 ? Text(TextId::NothingToSend)
                                           : Text(TextId::PublishingFinished) + " " + WhatWasDone());
        }
        return outcome;
    }

private:
    std::string Text(TextId text) const { return language_.LangText(text); }

    // "12 files sent (1.4 MB), 3 removed."
    std::string WhatWasDone() const {
        std::string text =
            std::to_string(sent_) + " " + Text(TextId::FilesSentWord) + " (" + SizeText(sentBytes_, language_) + ")";
        if (removed_ > 0) text += ", " + std::to_string(removed_) + " " + Text(TextId::FilesRemovedWord);
        return text + ".";
    }

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
        const bool timedOut = socket && socket->TimedOut();
        std::string told = message;
        if (timedOut) told += (told.empty() ? "" : " ") + Text(TextId::ServerTimedOut);
        // The server's reply or the system's reason goes on a line of its
        // own: a wrong password, a refused port and a full disk read alike otherwise.
        const std::string evidence = EvidenceOf(error);
        if (told.empty()) {
            told = evidence;
        } else if (!timedOut && !evidence.empty() && told.find(evidence) == std::string::npos) {
            told += "\n" + evidence;
        }
        told += SentSoFar();
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
        // Only a site whose build finished goes out, and only what that build left.
        builtFiles_ = built_site::Files(project_);
        if (!builtFiles_) {
            dialogs_.ShowMessageOk(Text(TextId::NotBuiltYet));
            throw RunFailed{};
        }
        pictureFolder_ = local_site::PictureFolderName(*builtFiles_, settings.Number(SettingLine::PictureStrips));
        for (const std::string& name : local_site::ExtraFolderNames(pictureFolder_)) {
            std::error_code error;
            if (fs::is_directory(project_ / name, error)) extraFolders_.push_back(name);
        }
        int count = 10;
        for (const std::string& key : SiteFolderKeys()) count += static_cast<int>(FilesOf(key).size());
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
        login.loggingIn = [this] {
            if (tlsRefused_) ConsentToPlainFtp();
            StepStatus(Text(TextId::LoggingIn));
        };
        login.untrustedIdentity = [this](const IdentityCheck& check) { return TrustIdentity(check); };
        login.tlsAnswer = [this](bool accepted) {
            tlsRefused_ = !accepted;
            if (accepted) NoteHostOffersTls(project_, address_.host);
        };
        switch (address_.protocol) {
            case RemoteProtocol::Sftp: return std::make_unique<SftpTransport>(&progress_, std::move(login));
            case RemoteProtocol::Ftps:
                return std::make_unique<FtpTransport>(&progress_, std::move(login), FtpClient::Encryption::Required);
            case RemoteProtocol::Ftp:
                return std::make_unique<FtpTransport>(&progress_, std::move(login), FtpClient::Encryption::Plain);
            case RemoteProtocol::FtpTlsWhenOffered: break;
        }
        // A host that once took TLS gets the password in clear only when the address says ftp://.
        tlsRemembered_ = HostOfferedTls(project_, address_.host);
        return std::make_unique<FtpTransport>(
            &progress_, std::move(login),
            tlsRemembered_ ? FtpClient::Encryption::Required : FtpClient::Encryption::WhenOffered);
    }

    std::string ServerName() const { return palimora::ServerName(address_); }

    // A server whose certificate or host key did not verify: one accepted
    // before for this host and port, the fingerprint the command line was
    // given, or one the user accepts now goes on, and is remembered. A
    // fingerprint other than the one accepted before is warned about with both.
    bool TrustIdentity(const IdentityCheck& check) {
        const KnownServers::Kind kind = check.kind == IdentityCheck::Kind::Certificate ? KnownServers::Kind::Certificate
                                                                                       : KnownServers::Kind::HostKey;
        // Every data connection is checked too: what this run took is known without reading the store.
        if (SameFingerprint(acceptedFingerprint_, check.fingerprint)) return true;
        const std::optional<std::string> before = known_.Accepted(ServerName(), kind);
        if (before && SameFingerprint(*before, check.fingerprint)) {
            acceptedFingerprint_ = check.fingerprint;
            return true;
        }
        if (!SameFingerprint(request_.server.trustedFingerprint, check.fingerprint)) {
            if (dialogs_.AskTrust(TrustQuestion(check, before)) != kModalYes) {
                identityRefused_ = true;
                return false;
            }
        }
        acceptedFingerprint_ = check.fingerprint;
        Remember(kind, check.fingerprint);
        return true;
    }

    std::string TrustQuestion(const IdentityCheck& check, const std::optional<std::string>& before) const {
        const TextId what = before                                              ? TextId::IdentityChanged
                            : check.kind == IdentityCheck::Kind::ChangedHostKey ? TextId::ChangedHostKey
                            : check.kind == IdentityCheck::Kind::UnknownHostKey ? TextId::UnknownHostKey
                                                                                : TextId::UntrustedCertificate;
        std::string question = Text(what) + "\n" + ServerName();
        if (!check.reason.empty()) question += "\n" + Text(TextId::ReasonLabel) + " " + check.reason;
        if (before) question += "\n" + Text(TextId::AcceptedBeforeLabel) + " " + *before;
        return question + "\n" + Text(TextId::FingerprintLabel) + " " + check.fingerprint + "\n" +
               Text(TextId::ConnectOnlyIfKnown);
    }

    // The server refused AUTH TLS: the password goes in clear only when the
    // caller allows it, or the user did for this server, now or before.
    void ConsentToPlainFtp() {
        switch (request_.server.plainFtp) {
            case FtpServer::PlainFtp::Allowed: return;
            case FtpServer::PlainFtp::Refused:
                dialogs_.ShowMessageOk(Text(TextId::PlainFtpRefused) + "\n" + ServerName());
                throw RunFailed{};
            case FtpServer::PlainFtp::Ask: break;
        }
        if (known_.Accepted(ServerName(), KnownServers::Kind::PlainFtp)) return;
        if (dialogs_.AskTrust(Text(TextId::PlainFtpQuestion) + "\n" + ServerName()) != kModalYes) throw RunCancelled{};
        Remember(KnownServers::Kind::PlainFtp, "yes");
    }

    // A failure to remember is told; this run goes on with what was accepted.
    void Remember(KnownServers::Kind kind, const std::string& value) {
        try {
            known_.Accept(ServerName(), kind, value);
        } catch (const PalimoraError& error) {
            dialogs_.ShowMessageOk(error.UserMessage());
        }
    }

    void Connect() {
        TestCancel();
        try {
            transport_->Open();
        } catch (const PalimoraError& error) {
            Fail(error, Text(tlsRemembered_ && tlsRefused_ ? TextId::TlsNoLongerOffered : TextId::ConnectionFailed));
        }
    }

    void Publish() {
        progress_.SetStatus(Text(TextId::PleaseWait));
        StepStatus(Text(TextId::ReadingServerFolders));
        typedFolder_ = AskSiteFolder();
        if (!NothingToDoSinceLastTime()) SendTheSite();
        for (; steps_ < maximum_; ++steps_) progress_.Step();
    }

    void SendTheSite() {
        try {
            EnterSiteFolder();
            StepStatus(Text(TextId::SendingProject) + " " + request_.projectName);
            PrepareSubFolders();
        } catch (const PalimoraError& error) {
            Fail(error, "");
        }
        try {
            PlanTheRun();
        } catch (const RunCancelled&) {
            throw;
        } catch (const std::exception& error) {
            Fail(error, "");
        }
        StepStatus(Text(TextId::SendingFolder) + " " + siteFolder_);
        // Pictures first, so that no new page shows one still on its way;
        // old files go last, once no new page leads to them. Each folder is
        // entered by its whole path, so that a failure in one cannot send into another.
        for (const std::string& key : SiteFolderKeys()) {
            if (!key.empty()) SendFolder(key, Phase::Send);
        }
        SendFolder("", Phase::SendAndRemove);
        for (const std::string& key : SiteFolderKeys()) {
            if (!key.empty()) SendFolder(key, Phase::Remove);
        }
        SaveRecord();
    }

    // The remote folder, as the user types it: the folder of the last
    // publication there, else the project's name as a web address keeps it.
    std::string AskSiteFolder() {
        std::string offered = LastRemoteFolder(project_, ServerAndUser());
        if (request_.reuseLastFolder && !offered.empty()) return offered;
        if (offered.empty()) offered = WebFolderName(request_.projectName);
        const std::optional<std::string> answer =
            dialogs_.AskText(Text(TextId::ServerFolder), Text(TextId::PublishFolderLabel), offered);
        if (!answer) throw RunCancelled{};
        if (answer->size() > RemoteFolders::kMaxPathLength) {
            dialogs_.ShowMessageOk(Text(TextId::RemotePathTooLong));
            throw RunFailed{};
        }
        if (std::any_of(answer->begin(), answer->end(), [](char c) { return static_cast<unsigned char>(c) < 32; })) {
            dialogs_.ShowMessageOk(Text(TextId::RemotePathUnusable) + " " + *answer);
            throw RunFailed{};
        }
        return *answer;
    }

    void EnterSiteFolder() {
        remote_.ListSiteFolder();
        transport_->CurrentFolder();
        TestCancel();  // a listing cancelled before its first line ends as a success
        if (!typedFolder_.empty()) siteFolder_ = remote_.WalkPath(typedFolder_);
    }

    // The same folder as last time, and nothing in the site that the record
    // of that publication does not hold as sent (by its stamp: nothing is
    // read), nor a file to remove: the plan is told and nothing is listed or
    // entered. Sending everything always looks at the server.
    bool NothingToDoSinceLastTime() {
        if (request_.replace == ReplacePolicy::All) return false;
        const std::optional<std::string> path = LastRemoteFolderPath(project_, ServerAndUser(), typedFolder_);
        if (!path) return false;
        PublicationRecord record(project_, ServerAndUser() + " " + *path);
        record.Load();
        std::vector<SiteFolder> folders;
        for (const std::string& key : SiteFolderKeys()) {
            SiteFolder folder{key, FilesOf(key), key.empty(), {}};
            for (const fs::path& file : folder.files) {
                const SentFile* sent = record.Find(SitePath(key, Cp1252FromPath(file.filename())));
                if (!sent || !StillAsDescribed(file, *sent)) return false;
            }
            // The server is taken to hold what was sent, as it was sent.
            for (const auto& [sentPath, sent] : record.Files()) {
                const std::size_t slash = sentPath.rfind('/');
                if ((slash == std::string::npos ? std::string() : sentPath.substr(0, slash)) != key) continue;
                folder.listing.push_back({"-", sentPath.substr(slash + 1), "", std::to_string(sent.size)});
            }
            folders.push_back(std::move(folder));
        }
        std::vector<PlanEntry> plan = MakePlan(folders, record);
        const bool nothing = std::all_of(plan.begin(), plan.end(), [&](const PlanEntry& entry) {
            return entry.file.state == PlannedFile::State::Unchanged ||
                   (entry.file.state == PlannedFile::State::Removed && !request_.removeOldFiles);
        });
        if (!nothing) return false;
        std::erase_if(plan, [](const PlanEntry& entry) { return entry.file.state == PlannedFile::State::Removed; });
        plan_ = std::move(plan);
        progress_.ReportPlan(PlannedFiles());
        return true;
    }

    void PrepareSubFolders() {
        siteFolderPath_ = transport_->CurrentFolder();
        SaveLastRemoteFolder(project_, ServerAndUser(), typedFolder_, siteFolderPath_);
        remote_.EnterOrCreate(pictureFolder_, pictureFolder_);
        StepStatus(Text(TextId::SendingProject) + " " + siteFolder_ + "/" + pictureFolder_);
        remote_.GoUp();
        for (const std::string& name : extraFolders_) {
            remote_.EnterOrCreate(name, name);
            StepStatus(Text(TextId::SendingProject) + " " + siteFolder_ + "/" + name);
            remote_.GoUp();
        }
    }

    // The files of a site folder ("" for the pages at the top) that the last
    // finished build left; the folder is read once a run.
    const std::vector<fs::path>& FilesOf(const std::string& key) {
        const auto [found, first] = localFiles_.try_emplace(key);
        if (!first) return found->second;
        const fs::path local = key.empty() ? project_ : project_ / key;
        std::error_code error;
        if (!fs::is_directory(local, error)) return found->second;
        std::vector<fs::path>& files = found->second;
        files = key.empty() ? local_site::Pages(local) : local_site::FolderFiles(local);
        // The site shows clips from their web copies: the project's own stay at home.
        const bool pictures = key == project_layout::kPicturesFolder;
        std::erase_if(files, [&](const fs::path& file) {
            const std::string name = file.filename().string();
            return builtFiles_->count(SitePath(key, name)) == 0 ||
                   (pictures && FormatOfName(name) == PictureFormat::Clip);
        });
        return files;
    }

    // The site against the server and the record of what was sent there,
    // then what to send and remove: by the policy, or by the one question.
    void PlanTheRun() {
        record_.emplace(project_, ServerAndUser() + " " + siteFolderPath_);
        record_->Load();
        std::vector<SiteFolder> folders;
        for (const std::string& key : SiteFolderKeys()) {
            const fs::path local = key.empty() ? project_ : project_ / key;
            std::error_code error;
            if (!fs::is_directory(local, error)) {
                // Without its pictures a site is not published; the other folders are optional.
                if (key != pictureFolder_) continue;
                throw PalimoraError(Text(TextId::SendFolderError) + " " + Cp1252FromPath(local) + ".");
            }
            folders.push_back({key, FilesOf(key), key.empty(), remote_.ListingOf(key)});
        }
        plan_ = MakePlan(folders, *record_);
        siteFolders_ = std::move(folders);
        if (!request_.removeOldFiles) {
            std::erase_if(plan_,
                          [](const PlanEntry& entry) { return entry.file.state == PlannedFile::State::Removed; });
        }
        PreviewMoves();
        progress_.ReportPlan(PlannedFiles());
        if (request_.replace != ReplacePolicy::Ask) {
            ChooseInPlan(plan_, request_.replace, request_.removeOldFiles);
        } else {
            const PlanChoice choice = PlanReplacesOrRemoves(plan_) ? AskAboutPlan() : PlanChoice::SendChanges;
            if (choice == PlanChoice::Cancel) throw RunCancelled{};
            ChooseInPlan(plan_, choice, request_.removeOldFiles);
        }
        // What the server holds under another name is renamed rather than sent again.
        for (PlanEntry& entry : plan_) entry.file.movedFrom.clear();
        moves_ = MovesIn(plan_);
        for (const auto& [key, moves] : moves_) maximum_ += static_cast<int>(moves.size());
        progress_.SetMaximum(maximum_);
        toDo_ = static_cast<int>(std::count_if(plan_.begin(), plan_.end(),
                                               [](const PlanEntry& entry) { return entry.send || entry.remove; }));
    }

    // Marks in the plan the files the server would rename rather than get
    // again, as the policy, or the question's first answer, would choose.
    void PreviewMoves() {
        std::vector<PlanEntry> chosen = plan_;
        ChooseInPlan(chosen, request_.replace == ReplacePolicy::Ask ? ReplacePolicy::Changed : request_.replace,
                     request_.removeOldFiles);
        MovesIn(chosen);
        for (std::size_t i = 0; i < plan_.size(); ++i) plan_[i].file.movedFrom = chosen[i].file.movedFrom;
    }

    // The renames of every site folder for `plan`, whose moved files it marks.
    std::map<std::string, std::vector<ServerMove>> MovesIn(std::vector<PlanEntry>& plan) const {
        std::map<std::string, std::vector<ServerMove>> moves;
        for (const SiteFolder& folder : siteFolders_) {
            moves[folder.key] = PlanServerMoves(plan, folder, *record_, request_.removeOldFiles);
        }
        return moves;
    }

    std::string ServerAndUser() const { return ServerAndUserOf(request_.server); }

    std::vector<PlannedFile> PlannedFiles() const {
        std::vector<PlannedFile> files;
        for (const PlanEntry& entry : plan_) files.push_back(entry.file);
        return files;
    }

    std::string SubFolderPath(const std::string& name) const {
        return (siteFolderPath_.ends_with("/") ? siteFolderPath_ : siteFolderPath_ + "/") + name;
    }

    // The site's folders in the order they are sent: the pages ("") last.
    std::vector<std::string> SiteFolderKeys() const {
        std::vector<std::string> keys{pictureFolder_};
        keys.insert(keys.end(), extraFolders_.begin(), extraFolders_.end());
        keys.push_back("");
        return keys;
    }

    PlanChoice AskAboutPlan() {
        const std::vector<std::string> buttons{Text(TextId::SendChangesButton), Text(TextId::SendAllButton),
                                               Text(TextId::Cancel)};
        const int answer = dialogs_.AskChoice(PlanSummary(PlannedFiles(), language_),
                                              PlanDetails(PlannedFiles(), language_), buttons, 0);
        return answer == 0 ? PlanChoice::SendChanges : answer == 1 ? PlanChoice::SendAll : PlanChoice::Cancel;
    }

    // The bytes of `entry` the server already holds from a run cut off while
    // sending this very content (the record's note of it, the listed size
    // below the whole); 0 when it is to be sent whole.
    std::uintmax_t RestartPoint(const PlanEntry& entry) const {
        if (entry.file.folder.empty()) return 0;  // pages go as text: their sizes on the server differ
        const SentFile* started = record_->Started(entry.Path());
        if (!started || started->sha256 != entry.described.sha256) return 0;
        for (const SiteFolder& folder : siteFolders_) {
            if (folder.key != entry.file.folder) continue;
            for (const UnixListing::Entry& listed : folder.listing) {
                if (listed.name != entry.file.name) continue;
                std::uintmax_t held = 0;
                const auto [end, error] =
                    std::from_chars(listed.size.data(), listed.size.data() + listed.size.size(), held);
                if (error != std::errc() || end != listed.size.data() + listed.size.size()) return 0;
                return held > 0 && held < entry.described.size ? held : 0;
            }
        }
        return 0;
    }

    enum class Phase { Send, Remove, SendAndRemove };

    // Carries out the planned work of one site folder in its remote folder:
    // renames on the server, then sends (pages in ASCII mode, anything else
    // in image mode), then removes, as `phase` says. Each is noted in the
    // record once the server confirmed it.
    void SendFolder(const std::string& key, Phase phase) {
        const bool sending = phase != Phase::Remove;
        const bool removing = phase != Phase::Send;
        const auto planned = [&](const PlanEntry& entry) {
            return entry.file.folder == key && ((sending && entry.send) || (removing && entry.remove));
        };
        if (phase == Phase::Remove && std::none_of(plan_.begin(), plan_.end(), planned)) return;
        try {
            remote_.EnterExisting(key.empty() ? siteFolderPath_ : SubFolderPath(key));
            if (sending) MoveOnServer(key);
            transport_->SetTextMode(key.empty());
            for (PlanEntry& entry : plan_) {
                if (!planned(entry)) continue;
                const bool send = sending && entry.send;
                const std::uintmax_t rest = send ? RestartPoint(entry) : 0;
                StepStatus(Text(send ? TextId::Sending : TextId::Removing) + " " + entry.file.name +
                           (rest > 0 ? ", " + Text(TextId::ResumedAfter) + " " + SizeText(rest, language_) : ""));
                if (send) {
                    // A large file cut off on its way is taken up where it stopped, next time.
                    if (entry.described.size >= kResumableSize) record_->NoteStarted(entry.Path(), entry.described);
                    if (rest == 0 || !transport_->UploadRest(entry.local, entry.file.name, rest))
                        transport_->Upload(entry.local, entry.file.name);
                    record_->NoteSent(entry.Path(), entry.described);
                    ++sent_;
                    sentBytes_ += entry.file.size;
                } else {
                    transport_->Remove(entry.file.name);
                    record_->NoteRemoved(entry.Path());
                    ++removed_;
                }
                entry.send = entry.remove = false;
                ++done_;
            }
        } catch (const RunCancelled&) {
            throw;
        } catch (const std::exception& error) {
            Fail(error,
                 Text(TextId::SendFolderError) + " " + Cp1252FromPath(key.empty() ? project_ : project_ / key) + ".");
        }
    }

    // The renames planned in the current folder. A server that refuses one
    // (no RNFR, a name it will not take) gets the files that are left sent
    // instead; the record still tells what each name holds.
    void MoveOnServer(const std::string& key) {
        const std::string prefix = key.empty() ? "" : key + "/";
        for (const ServerMove& move : moves_[key]) {
            StepStatus(Text(TextId::RenamingOnServer) + " " + (move.rename ? move.from + " -> " : "- ") + move.to);
            try {
                if (!move.rename) {
                    transport_->Remove(move.to);
                    record_->NoteRemoved(prefix + move.to);
                    continue;
                }
                transport_->Rename(move.from, move.to);
            } catch (const SockError&) {
                throw;
            } catch (const PalimoraError&) {
                break;
            }
            record_->NoteRemoved(prefix + move.from);
            record_->NoteSent(prefix + move.to, move.content);
            for (PlanEntry& entry : plan_) {
                if (entry.file.folder != key) continue;
                // The target is in place; a file the site lost is gone with the rename.
                const bool placed = move.final && entry.file.name == move.to && entry.send;
                const bool movedAway = entry.file.name == move.from && entry.remove;
                if (!placed && !movedAway) continue;
                entry.send = entry.remove = false;
                ++done_;
            }
        }
        moves_[key].clear();
    }

    void SaveRecord() {
        try {
            record_->Save();
        } catch (const PalimoraError& error) {
            // Everything is online; the next publication sends again what it cannot tell.
            dialogs_.ShowMessageOk(error.UserMessage());
        }
    }

    // After a stop: how much of the plan was carried out, and the first of
    // the files left out.
    std::string SentSoFar() const {
        if (!record_ || toDo_ == 0) return {};
        std::string text =
            "\n" + Text(TextId::DoneBeforeStop) + " " + std::to_string(done_) + " / " + std::to_string(toDo_);
        constexpr int kNamed = 5;
        int named = 0;
        for (const PlanEntry& entry : plan_) {
            if (!(entry.send || entry.remove)) continue;
            text += (named == 0 ? "\n" + Text(TextId::NotDoneLabel) + " " : ", ");
            if (++named > kNamed) {
                text += "...";
                break;
            }
            text += entry.Path();
        }
        return text;
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
    KnownServers known_;
    // Set while the transport is made and opened, so before it.
    bool tlsRemembered_ = false;  // the host took TLS before
    bool tlsRefused_ = false;     // and refused it now
    std::unique_ptr<RemoteTransport> transport_;
    RemoteFolders remote_;
    std::string acceptedFingerprint_;
    bool identityRefused_ = false;
    std::string pictureFolder_;
    std::vector<std::string> extraFolders_;
    std::optional<std::set<std::string>> builtFiles_;          // the site as its last finished build left it
    std::map<std::string, std::vector<fs::path>> localFiles_;  // by site folder
    std::string typedFolder_;                                  // the remote folder as the user gave it
    std::string siteFolder_;
    std::string siteFolderPath_;  // as the server names it
    std::optional<PublicationRecord> record_;
    std::vector<PlanEntry> plan_;
    std::vector<SiteFolder> siteFolders_;
    std::map<std::string, std::vector<ServerMove>> moves_;  // by site folder
    int toDo_ = 0;                                          // files to send or remove
    int done_ = 0;
    int sent_ = 0;
    std::uintmax_t sentBytes_ = 0;
    int removed_ = 0;
    int maximum_ = 0;
    int steps_ = 0;
};

}  // namespace

std::string LastPublishedFolder(const PublishRequest& request) {
    return LastRemoteFolder(request.folder.Project(request.projectName), ServerAndUserOf(request.server));
}

PublishOutcome PublishSite(const PublishRequest& request, const Language& language, UserDialogs& dialogs,
                           PublishProgress& progress) {
    return PublicationRun(request, language, dialogs, progress).Run();
}

}  // namespace palimora
