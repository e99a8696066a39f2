#include "publish/RemoteFolders.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/UserDialogs.h"
#include "lang/Language.h"
#include "publish/RemoteTransport.h"
#include "publish/SocketErrors.h"

#include <cctype>
#include <string_view>

namespace palimora {
namespace {

// A cancel or a time-out ends the run wherever it happens, even where other
// failures are told and the run goes on.
bool EndsTheRun(const PalimoraError& error, const RemoteTransport& remote) {
    const auto* socket = dynamic_cast<const SockError*>(&error);
    return remote.CancelSeen() || (socket && socket->TimedOut());
}

}  // namespace

std::string WebFolderName(const std::string& cp1252Name) {
    std::string name;
    for (std::size_t pos = 0, length = 0; pos < cp1252Name.size(); pos += length) {
        length = CharacterLength(cp1252Name, pos);
        const char base = length > 1 ? '_' : Cp1252BaseLetter(cp1252Name[pos]);
        const bool kept =
            std::isalnum(static_cast<unsigned char>(base)) != 0 && static_cast<unsigned char>(base) < 0x80;
        name += kept || base == '-' || base == '_' ? base : '_';
    }
    // A name in another script leaves nothing of itself.
    if (name.find_first_not_of('_') == std::string::npos) return "site";
    return name;
}

RemoteFolders::RemoteFolders(RemoteTransport& remote, UserDialogs& dialogs, const Language& language,
                             std::string projectName)
    : remote_(remote), dialogs_(dialogs), language_(language), projectName_(std::move(projectName)) {}

void RemoteFolders::List(const std::string& key) {
    current_ = remote_.List();
    byKey_[key] = current_;
}

bool RemoteFolders::Listed(const std::string& name) const {
    for (const auto& entry : current_) {
        if (entry.name == name) return true;  // exact, letter case included
    }
    return false;
}

void RemoteFolders::ListSiteFolder() { List(""); }

const std::vector<UnixListing::Entry>& RemoteFolders::ListingOf(const std::string& key) const {
    static const std::vector<UnixListing::Entry> kNone;
    const auto found = byKey_.find(key);
    return found == byKey_.end() ? kNone : found->second;
}

std::string RemoteFolders::WalkPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1) {
        parts.push_back(path.substr(start, slash - start));
    }
    parts.push_back(path.substr(start));
    if (path.starts_with("/")) Enter("/");  // from the server's top folder
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i].empty()) continue;  // a doubled or leading "/"
        if (parts[i] == "..") {
            GoUp();
        } else {
            EnterOrCreate(parts[i], parts[i]);
        }
    }
    EnterOrCreate(parts.back(), "");
    return parts.back();
}

void RemoteFolders::EnterOrCreate(const std::string& name, const std::string& key) {
    if (!Listed(name)) {
        try {
            remote_.MakeFolder(name);
        } catch (const PalimoraError& error) {
            // It may be there all the same, under a name the listing spells
            // otherwise: entering it tells. A folder neither made nor
            // entered ends the run, so that nothing lands elsewhere.
            if (EndsTheRun(error, remote_)) throw;
            try {
                Enter(name);
            } catch (const PalimoraError&) {
                throw PalimoraError(language_.LangText(TextId::CannotCreateFolder) + " " + projectName_ + "/" + name +
                                    "\n" + error.UserMessage());
            }
            List(key);
            return;
        }
    }
    Enter(name);
    List(key);
}

void RemoteFolders::Enter(const std::string& name) {
    // The server's word is checked against where it says it is: a reply
    // that is no reply, or a folder that did not change, is no entering.
    const std::string before = remote_.CurrentFolder();
    try {
        remote_.Enter(name);
    } catch (const PalimoraError& error) {
        if (EndsTheRun(error, remote_)) throw;
        throw PalimoraError(language_.LangText(TextId::FolderNotEntered) + " " + name + "\n" + error.UserMessage());
    }
    const std::string after = remote_.CurrentFolder();
    const bool there = name.starts_with("/") ? after == name : !after.empty() && after != before;
    if (!there) throw PalimoraError(language_.LangText(TextId::FolderNotEntered) + " " + name + "\n" + after);
}

void RemoteFolders::GoUp() {
    try {
        remote_.Up();
        List("");
    } catch (const PalimoraError& error) {
        if (EndsTheRun(error, remote_)) throw;
        dialogs_.ShowMessageOk(language_.LangText(TextId::CannotGoUp));
    }
}

}  // namespace palimora
