#include "publish/UnixListing.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace palimora {
namespace {

struct Word {
    std::size_t begin;
    std::size_t end;
};

std::vector<Word> Words(std::string_view line) {
    std::vector<Word> words;
    std::size_t i = 0;
    if (!line.empty() && line[0] == ' ') words.push_back({0, 0});  // a leading blank makes an empty first word
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size()) break;
        const std::size_t begin = i;
        while (i < line.size() && line[i] != ' ') ++i;
        words.push_back({begin, i});
    }
    return words;
}

bool IsMonth(std::string_view word) {
    static constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::find(kMonths.begin(), kMonths.end(), word) != kMonths.end();
}

bool IsDigits(std::string_view word, std::size_t minimum, std::size_t maximum) {
    return word.size() >= minimum && word.size() <= maximum &&
           std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool IsTimeOrYear(std::string_view word) {
    if (IsDigits(word, 4, 4)) return true;
    const auto colon = word.find(':');
    return colon != std::string_view::npos && IsDigits(word.substr(0, colon), 1, 2) &&
           IsDigits(word.substr(colon + 1), 2, 2);
}

}  // namespace

void UnixListing::Parse(std::string_view line) {
    const std::vector<Word> words = Words(line);
    if (words.size() <= 7) return;
    auto text = [&](std::size_t index) {
        const Word& word = words[index];
        return std::string(line.substr(word.begin, std::min(word.end - word.begin, kMaxWord)));
    };
    Entry entry;
    entry.attributes = text(0);
    // The date: a month, a day and a time or year, after the size.
    for (std::size_t i = 2; i + 3 < words.size(); ++i) {
        const auto word = [&](std::size_t k) { return line.substr(words[k].begin, words[k].end - words[k].begin); };
        if (IsMonth(word(i)) && IsDigits(word(i + 1), 1, 2) && IsTimeOrYear(word(i + 2))) {
            entry.size = text(i - 1);
            entry.date = text(i) + " " + text(i + 1) + " " + text(i + 2);
            entry.name = std::string(line.substr(words[i + 2].end + 1));
            entries_.push_back(std::move(entry));
            return;
        }
    }
    const std::size_t n = words.size();
    entry.size = text(n - 5);
    entry.date = text(n - 4) + " " + text(n - 3) + " " + text(n - 2);
    entry.name = text(n - 1);
    entries_.push_back(std::move(entry));
}

bool UnixListing::Contains(std::string_view name) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.name == name; });
}

}  // namespace palimora
