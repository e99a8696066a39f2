#pragma once

#include "publish/PublishRun.h"

#include <cstdint>
#include <string>
#include <vector>

namespace palimora {

class Language;

// A size in the user's language: "850 octets", "12.4 Ko", "3.1 Mo".
std::string SizeText(std::uintmax_t bytes, const Language& language);

// One line a state with its count and total size, states without a file
// left out. Windows-1252, as every text here.
std::string PlanCounts(const std::vector<PlannedFile>& plan, const Language& language);
// The question about the plan, then its counts.
std::string PlanSummary(const std::vector<PlannedFile>& plan, const Language& language);
// One line a file that is not unchanged: its state, path and size.
std::string PlanDetails(const std::vector<PlannedFile>& plan, const Language& language);

}  // namespace palimora
