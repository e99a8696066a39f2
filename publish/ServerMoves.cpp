#include "publish/ServerMoves.h"

#include <map>
#include <set>

namespace palimora {
namespace {

constexpr const char* kTemporarySuffix = ".palimora.tmp";

// A content to move: where it is now and where the site needs it.
struct PendingMove {
    std::string from;
    std::string to;
    SentFile content;
};

// Content at `entry`'s name that the site needs there no longer: the file
// is sent again, or it is gone from the site and may be removed.
bool ContentFreed(const PlanEntry& entry) {
    return (entry.file.state == PlannedFile::State::Changed && entry.send) ||
           (entry.file.state == PlannedFile::State::Removed && entry.remove);
}

std::string UnusedName(const std::string& name, const std::set<std::string>& present) {
    std::string candidate = name + kTemporarySuffix;
    for (int number = 2; present.count(candidate) > 0; ++number) {
        candidate = name + "." + std::to_string(number) + kTemporarySuffix;
    }
    return candidate;
}

}  // namespace

std::vector<ServerMove> PlanServerMoves(std::vector<PlanEntry>& plan, const SiteFolder& folder,
                                        const PublicationRecord& record, bool removeOld) {
    std::set<std::string> present;
    for (const UnixListing::Entry& listed : folder.listing) present.insert(listed.name);
    // The server's copies free to move, by content; a name's recorded content.
    std::map<std::string, std::vector<std::string>> movable;
    std::map<std::string, SentFile> heldAt;
    for (const PlanEntry& entry : plan) {
        if (entry.file.folder != folder.key || !ContentFreed(entry)) continue;
        if (entry.file.state == PlannedFile::State::Removed && !removeOld) continue;
        const SentFile* sent = record.Find(entry.Path());
        if (!sent || !ListedAsSent(folder.listing, entry.file.name, *sent)) continue;
        movable[sent->sha256].push_back(entry.file.name);
        heldAt[entry.file.name] = *sent;
    }
    std::vector<PendingMove> pending;
    for (PlanEntry& entry : plan) {
        // Content already in place (a file sent again because the user asked for everything) stays.
        if (entry.file.folder != folder.key || !entry.send || entry.file.state == PlannedFile::State::Removed ||
            entry.file.state == PlannedFile::State::Unchanged) {
            continue;
        }
        const auto sources = movable.find(entry.described.sha256);
        if (sources == movable.end() || sources->second.empty()) continue;
        const std::string source = sources->second.back();
        sources->second.pop_back();
        entry.file.movedFrom = source;
        pending.push_back({source, entry.file.name, entry.described});
    }
    // Names whose content is still to be moved away.
    std::set<std::string> holding;
    for (const PendingMove& move : pending) holding.insert(move.from);

    std::vector<ServerMove> steps;
    while (!pending.empty()) {
        bool moved = false;
        for (auto move = pending.begin(); move != pending.end();) {
            if (holding.count(move->to) > 0) {
                ++move;
                continue;
            }
            // A server may refuse to rename onto a file (SFTP does): the old content goes first.
            if (present.erase(move->to) > 0) steps.push_back({false, {}, move->to, {}, false});
            steps.push_back({true, move->from, move->to, move->content, true});
            holding.erase(move->from);
            present.erase(move->from);
            present.insert(move->to);
            move = pending.erase(move);
            moved = true;
        }
        if (moved) continue;
        // Every name left is still needed by another move: a cycle. Its first
        // content steps aside under a temporary name, which no move needs.
        PendingMove& aside = pending.front();
        const std::string temporary = UnusedName(aside.from, present);
        steps.push_back({true, aside.from, temporary, heldAt[aside.from], false});
        holding.erase(aside.from);
        present.erase(aside.from);
        present.insert(temporary);
        aside.from = temporary;
    }
    return steps;
}

}  // namespace palimora
