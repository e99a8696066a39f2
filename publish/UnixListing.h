#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace palimora {

// The folder listing of a server as parsed from LIST lines in the Unix
// `ls -l` layout: attributes, size, date (three words) and name.
class UnixListing {
public:
    struct Entry {
        std::string attributes;
        std::string name;
        std::string date;
        std::string size;
    };

    // Lines of 7 words or fewer (a "total" line) are passed over. The name is
    // the rest of the line after the date, blanks included; when no date is
    // recognised, the last word. Words are cut to 255 characters.
    void Parse(std::string_view line);
    void Clear() { entries_.clear(); }
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Contains(std::string_view name) const;

    static constexpr std::size_t kMaxWord = 255;

private:
    std::vector<Entry> entries_;
};

}  // namespace palimora
