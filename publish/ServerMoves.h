#pragma once

#include "publish/PublicationPlan.h"
#include "publish/PublicationRecord.h"

#include <string>
#include <vector>

namespace palimora {

// A step that puts content the server already holds where the site now
// needs it: a rename within one remote folder, or the deletion of a file
// whose content nothing needs, to make room for a rename.
struct ServerMove {
    bool rename = true;
    std::string from;    // a rename's present name
    std::string to;      // the name renamed to, or deleted
    SentFile content;    // what `to` holds after a rename
    bool final = false;  // `to` is where the site needs it (not a temporary name)
};

// For the files of `folder` the plan sends: those whose content the server
// holds, as the record says and the listing confirms, under a name whose
// content is needed there no longer (a file that is sent again, or one the
// site has lost when `removeOld` allows removing it). Each such file is
// marked (PlannedFile::movedFrom) and the steps are returned in an order that never
// overwrites content still to be moved: a name is emptied before it is
// renamed into, and a temporary name breaks a cycle (two files swapping).
std::vector<ServerMove> PlanServerMoves(std::vector<PlanEntry>& plan, const SiteFolder& folder,
                                        const PublicationRecord& record, bool removeOld);

}  // namespace palimora
