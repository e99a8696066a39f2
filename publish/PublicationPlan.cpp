#include "publish/PublicationPlan.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

namespace palimora {
namespace fs = std::filesystem;
namespace {

const UnixListing::Entry* Listed(const std::vector<UnixListing::Entry>& listing, const std::string& name) {
    const auto found = std::find_if(listing.begin(), listing.end(),
                                    [&](const UnixListing::Entry& entry) { return entry.name == name; });
    return found == listing.end() ? nullptr : &*found;
}

// A folder's listing by name, for a plan that looks up each of its files.
class ListingIndex {
public:
    explicit ListingIndex(const std::vector<UnixListing::Entry>& listing) {
        for (const UnixListing::Entry& entry : listing) byName_.try_emplace(entry.name, &entry);
    }
    const UnixListing::Entry* Find(const std::string& name) const {
        const auto found = byName_.find(name);
        return found == byName_.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::string, const UnixListing::Entry*> byName_;
};

bool HasSentSize(const UnixListing::Entry* listed, const SentFile& file) {
    // A page goes in ASCII mode and a server may store it with its own line
    // ends: either size is the size that was sent.
    return listed && (listed->size == std::to_string(file.size) || listed->size == std::to_string(file.lfSize));
}

}  // namespace

bool ListedAsSent(const std::vector<UnixListing::Entry>& listing, const std::string& name, const SentFile& file) {
    return HasSentSize(Listed(listing, name), file);
}

std::vector<PlanEntry> MakePlan(const std::vector<SiteFolder>& folders, const PublicationRecord& record) {
    std::vector<PlanEntry> plan;
    std::set<std::string> sitePaths;
    std::map<std::string, ListingIndex> listings;
    for (const SiteFolder& folder : folders) listings.try_emplace(folder.key, folder.listing);
    for (const SiteFolder& folder : folders) {
        const ListingIndex& listing = listings.at(folder.key);
        for (const fs::path& file : folder.files) {
            PlanEntry entry;
            entry.local = file;
            // Names on the server and in the record are Windows-1252, as the transports send them.
            entry.file = {folder.key, Cp1252FromPath(file.filename()), PlannedFile::State::New, 0};
            const SentFile* recorded = record.Find(entry.Path());
            entry.described = DescribeLocalFile(file, folder.pages, recorded);
            entry.file.size = entry.described.size;
            const bool sameContent = recorded && recorded->sha256 == entry.described.sha256;
            const UnixListing::Entry* listed = listing.Find(entry.file.name);
            entry.file.state = !listed                                               ? PlannedFile::State::New
                               : sameContent && HasSentSize(listed, entry.described) ? PlannedFile::State::Unchanged
                                                                                     : PlannedFile::State::Changed;
            sitePaths.insert(entry.Path());
            plan.push_back(std::move(entry));
        }
    }
    for (const auto& [path, sent] : record.Files()) {
        if (sitePaths.count(path) > 0) continue;
        const std::size_t slash = path.rfind('/');
        const std::string key = slash == std::string::npos ? "" : path.substr(0, slash);
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        const auto listing = listings.find(key);
        if (listing == listings.end()) continue;
        // Replaced by someone else since, or gone already: not the program's to remove.
        if (!HasSentSize(listing->second.Find(name), sent)) continue;
        PlanEntry entry;
        entry.file = {key, name, PlannedFile::State::Removed, sent.size};
        entry.described = sent;
        plan.push_back(std::move(entry));
    }
    return plan;
}

void ChooseInPlan(std::vector<PlanEntry>& plan, PlanChoice choice, bool removeOld) {
    for (PlanEntry& entry : plan) {
        const PlannedFile::State state = entry.file.state;
        entry.remove = removeOld && choice != PlanChoice::Cancel && state == PlannedFile::State::Removed;
        entry.send = state != PlannedFile::State::Removed &&
                     (choice == PlanChoice::SendAll ||
                      (choice == PlanChoice::SendChanges && state != PlannedFile::State::Unchanged));
    }
}

void ChooseInPlan(std::vector<PlanEntry>& plan, ReplacePolicy policy, bool removeOld) {
    ChooseInPlan(plan, policy == ReplacePolicy::All ? PlanChoice::SendAll : PlanChoice::SendChanges, removeOld);
    if (policy != ReplacePolicy::None) return;
    for (PlanEntry& entry : plan) entry.send = entry.file.state == PlannedFile::State::New;
}

bool PlanReplacesOrRemoves(const std::vector<PlanEntry>& plan) {
    return std::any_of(plan.begin(), plan.end(), [](const PlanEntry& entry) {
        return entry.file.state == PlannedFile::State::Changed || entry.file.state == PlannedFile::State::Removed;
    });
}

}  // namespace palimora
