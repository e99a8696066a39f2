#pragma once

#include "common/ProgramFolder.h"
#include "common/UserDialogs.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace palimora {

class Language;

// Where and as whom a site is published. The password lives in memory for
// the run only: it is never written to a file or a log.
struct FtpServer {
    // Host name or dotted address, as typed: "ftps://", "sftp://" or "ftp://"
    // before it choose the protocol, ":port" after it the port (see
    // ParseServerAddress); a bare host gets TLS when the server offers it.
    std::string host;
    int port = 21;
    std::string user;
    std::string password;
    // Seconds without a byte before the run ends with the socket's time-out
    // message; 0 waits without end (the window, whose Cancel is there).
    int timeoutSeconds = 0;
    // A certificate or host key with this SHA-256 fingerprint is taken
    // without asking, though it does not verify (the command line's way).
    std::string trustedFingerprint = {};
    // A bare host whose server offers no encryption: the user is asked
    // (once a server: the answer is remembered), or the caller decided.
    enum class PlainFtp { Ask, Allowed, Refused };
    PlainFtp plainFtp = PlainFtp::Ask;
};

// What to do with a file whose name the remote folder already lists.
enum class ReplacePolicy {
    Ask,      // show the plan and ask once (UserDialogs::AskChoice): send the changes, send everything, or stop
    All,      // replace every one
    None,     // replace none
    Changed,  // replace one whose content differs from what was sent, or whose listed size differs
};

// A file of the site against the server: its listing and what the
// publication record says was sent there.
struct PlannedFile {
    enum class State { New, Changed, Unchanged, Removed };
    std::string folder;  // the site's sub-folder, empty for the pages
    std::string name;
    State state = State::New;
    std::uintmax_t size = 0;  // bytes; for a removed file, as it was sent
    // Not sent: the server holds its content under this name, which it renames (see PlanServerMoves).
    std::string movedFrom = {};
};

// How a publication shows itself: the transfer window, or the command line.
// CancelRequested is asked before each step and while waiting.
class PublishProgress : public virtual WorkProgress {
public:
    // Once the remote folders are listed and before anything is sent or
    // removed: every file and its state.
    virtual void ReportPlan(const std::vector<PlannedFile>& plan) { (void)plan; }
};

struct PublishRequest {
    ProgramFolder folder;     // its Projects() holds the project
    std::string projectName;  // Windows-1252; the built site is in its project folder
    FtpServer server;
    ReplacePolicy replace = ReplacePolicy::Ask;
    // Files the program sent there and the site no longer has are deleted
    // from the server; a file it did not send is never deleted.
    bool removeOldFiles = false;
    // The folder last published to on this server as this user is taken
    // without asking; it is asked when there is none.
    bool reuseLastFolder = false;
};

// The remote folder last published to on the request's server as its user,
// as it was typed; empty when none.
std::string LastPublishedFolder(const PublishRequest& request);

enum class PublishOutcome { Published, Cancelled, Failed };

// Publishes the built site of a project: connects and logs in, asks the
// remote folder (UserDialogs::AskText, title text 242, prompt text 243, the
// project name with blanks as "_" offered; not asked again where the request
// reuses the last folder), walks and creates it, then sends
// the picture folders, param, tn_images and tns_images in image mode and
// after them the pages in ASCII mode, each file once; a file whose content
// the server holds under another name it no longer needs is renamed there
// instead (PlanServerMoves). Questions and messages go to
// `dialogs` in the user's language; progress and the cancel test to
// `progress`. Only Published means that every file was sent.
PublishOutcome PublishSite(const PublishRequest& request, const Language& language, UserDialogs& dialogs,
                           PublishProgress& progress);

}  // namespace palimora
