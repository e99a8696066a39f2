#include "publish/PlanText.h"

#include "common/Cp1252.h"
#include "lang/Language.h"

#include <array>
#include <cstdio>

namespace palimora {
namespace {

constexpr std::array<TextId, 4> kStateTexts = {TextId::PlanNew, TextId::PlanChanged, TextId::PlanUnchanged,
                                               TextId::PlanRemoved};
constexpr std::array<TextId, 4> kCountTexts = {TextId::PlanNewCount, TextId::PlanChangedCount,
                                               TextId::PlanUnchangedCount, TextId::PlanRemovedCount};

std::vector<std::string> Units(const Language& language) {
    std::vector<std::string> units;
    const std::string all = language.LangText(TextId::SizeUnits);
    std::size_t start = 0;
    for (std::size_t comma; (comma = all.find(',', start)) != std::string::npos; start = comma + 1) {
        units.push_back(all.substr(start, comma - start));
    }
    units.push_back(all.substr(start));
    while (units.size() < 4) units.push_back("?");
    return units;
}

}  // namespace

std::string SizeText(std::uintmax_t bytes, const Language& language) {
    const std::vector<std::string> units = Units(language);
    if (bytes < 1024) return std::to_string(bytes) + " " + units[0];
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 1;
    for (; value >= 1024 && unit < 3; ++unit) value /= 1024;
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", value);
    return std::string(number) + " " + units[unit];
}

std::string PlanCounts(const std::vector<PlannedFile>& plan, const Language& language) {
    std::array<int, 4> counts{};
    std::array<std::uintmax_t, 4> sizes{};
    int moved = 0;  // also counted as new or changed
    std::uintmax_t movedSize = 0;
    for (const PlannedFile& file : plan) {
        const auto state = static_cast<std::size_t>(file.state);
        ++counts[state];
        sizes[state] += file.size;
        if (!file.movedFrom.empty()) {
            ++moved;
            movedSize += file.size;
        }
    }
    std::string text;
    const auto countLine = [&](TextId label, int count, std::uintmax_t size) {
        if (count > 0) {
            text +=
                "  " + language.LangText(label) + " " + std::to_string(count) + " (" + SizeText(size, language) + ")\n";
        }
    };
    for (std::size_t state = 0; state < kCountTexts.size(); ++state)
        countLine(kCountTexts[state], counts[state], sizes[state]);
    countLine(TextId::PlanMovedCount, moved, movedSize);
    return text;
}

std::string PlanSummary(const std::vector<PlannedFile>& plan, const Language& language) {
    std::string counts = PlanCounts(plan, language);
    if (!counts.empty()) counts.pop_back();
    return language.LangText(TextId::PlanQuestion) + "\n\n" + counts;
}

std::string PlanDetails(const std::vector<PlannedFile>& plan, const Language& language) {
    std::string text;
    for (const PlannedFile& file : plan) {
        if (file.state == PlannedFile::State::Unchanged) continue;
        text +=
            language.LangText(kStateTexts[static_cast<std::size_t>(file.state)]) + "  " +
            (file.folder.empty() ? file.name : file.folder + "/" + file.name) + "  " + SizeText(file.size, language) +
            (file.movedFrom.empty() ? ""
                                    : "  (" + language.LangText(TextId::PlanMovedFrom) + " " + file.movedFrom + ")") +
            "\n";
    }
    return text;
}

}  // namespace palimora
