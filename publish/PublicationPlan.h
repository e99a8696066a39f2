#pragma once

#include "publish/PublicationRecord.h"
#include "publish/PublishRun.h"
#include "publish/UnixListing.h"

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// A site file's path in the record: "page.htm", "images/000001.jpg".
inline std::string SitePath(const std::string& folderKey, const std::string& name) {
    return folderKey.empty() ? name : folderKey + "/" + name;
}

// One folder of the built site against its remote folder.
struct SiteFolder {
    std::string key;  // the site's sub-folder, empty for the pages
    std::vector<std::filesystem::path> files;
    bool pages = false;
    std::vector<UnixListing::Entry> listing;
};

// A file of the plan, with what the run does with it.
struct PlanEntry {
    PlannedFile file;
    std::filesystem::path local;  // empty for a removed file
    SentFile described;           // as it is recorded once sent
    bool send = false;
    bool remove = false;

    std::string Path() const { return SitePath(file.folder, file.name); }
};

// Every file of `folders` against its listing and `record`: new when not
// listed; changed when its content differs from what the record says was
// sent (or nothing was recorded) or its size from the listing; else
// unchanged. A recorded file the site no longer has, in one of those
// folders and listed with the size it was sent with, is removed; nothing
// else is ever removed. Throws PalimoraError when a local file cannot be read
// or its name has a character Windows-1252 cannot hold.
std::vector<PlanEntry> MakePlan(const std::vector<SiteFolder>& folders, const PublicationRecord& record);

// Whether `listing` holds `name` with the size `file` was sent with.
bool ListedAsSent(const std::vector<UnixListing::Entry>& listing, const std::string& name, const SentFile& file);

enum class PlanChoice { SendChanges, SendAll, Cancel };

// Marks what is sent and removed. `choice` SendChanges sends the new and
// changed files, SendAll every file; removing needs `removeOld`.
void ChooseInPlan(std::vector<PlanEntry>& plan, PlanChoice choice, bool removeOld);
// By a policy that asks nothing (All, Changed, None: only the new files).
void ChooseInPlan(std::vector<PlanEntry>& plan, ReplacePolicy policy, bool removeOld);

// Whether the plan holds a file already on the server that would be
// replaced or removed: a plan of new files only asks nothing.
bool PlanReplacesOrRemoves(const std::vector<PlanEntry>& plan);

}  // namespace palimora
