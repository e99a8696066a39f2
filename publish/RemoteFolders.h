#pragma once

#include "publish/UnixListing.h"

#include <map>
#include <string>
#include <vector>

namespace palimora {

class RemoteTransport;
class Language;
class UserDialogs;

// The remote folder offered for a project: its name as a web address keeps
// it everywhere, letters without accents, digits, "-" and "_" (a blank and
// anything else becomes "_"), or "site" when nothing but "_" would be left.
// `cp1252Name` is the project's name.
std::string WebFolderName(const std::string& cp1252Name);

// The remote side of a publication: moving through the server's folders,
// creating the missing ones, and the listing of each folder as last read.
class RemoteFolders {
public:
    // The longest remote path the walk takes.
    static constexpr std::size_t kMaxPathLength = 400;

    RemoteFolders(RemoteTransport& remote, UserDialogs& dialogs, const Language& language, std::string projectName);

    // Lists the folder the session is in, as the site's own folder.
    void ListSiteFolder();
    // Walks a path the user typed: "/" separates the parts, ".." goes up,
    // every other part (an empty one too) is entered or created; the last
    // part becomes the site's folder and its name is returned. Throws what
    // the transport throws while entering an existing folder.
    std::string WalkPath(const std::string& path);
    // Enters `name` from the current folder: when the listing names it, or
    // else after creating it; a failed creation is told (text 111) and the
    // run goes on where it is. `key` names the listing kept for it.
    void EnterOrCreate(const std::string& name, const std::string& key);
    // Back to the parent folder; a failure is told (text 201) and the run goes on.
    void GoUp();
    // Enters an existing folder, checking that the server did.
    void EnterExisting(const std::string& name) { Enter(name); }

    // The listing of a folder by key ("" for the site's folder).
    const std::vector<UnixListing::Entry>& ListingOf(const std::string& key) const;

private:
    void List(const std::string& key);
    // Enters a folder and checks, by asking where it is, that it did.
    void Enter(const std::string& name);
    bool Listed(const std::string& name) const;

    RemoteTransport& remote_;
    UserDialogs& dialogs_;
    const Language& language_;
    std::string projectName_;
    std::vector<UnixListing::Entry> current_;
    std::map<std::string, std::vector<UnixListing::Entry>> byKey_;
};

}  // namespace palimora
