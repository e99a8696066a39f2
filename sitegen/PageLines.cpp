#include "sitegen/PageLines.h"

#include "common/AtomicFiles.h"
#include "common/TextLines.h"

#include <algorithm>

namespace palimora {
namespace {

bool IsMarkerLike(const std::string& line) { return line.rfind("<!--", 0) == 0; }

}  // namespace

std::string PageLines::Get(int index) const { return index >= 0 && index < Count() ? lines_[index] : std::string(); }

void PageLines::Put(int index, std::string line) {
    if (index < 0 || index >= Count()) return;
    Unindex(index);
    lines_[index] = std::move(line);
    IndexLine(index);
}

void PageLines::Insert(int index, std::string line) { InsertLines(index, {std::move(line)}); }

void PageLines::Delete(int index) {
    if (index >= 0 && index < Count()) DeleteLines(index, index);
}

void PageLines::InsertLines(int index, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    index = std::clamp(index, 0, Count());
    lines_.insert(lines_.begin() + index, lines.begin(), lines.end());
    if (!indexed_) return;
    const int count = static_cast<int>(lines.size());
    Shift(index, count);
    for (int i = index; i < index + count; ++i) IndexLine(i);
}

void PageLines::DeleteLines(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    if (last < first) return;
    for (int i = first; i <= last; ++i) Unindex(i);
    lines_.erase(lines_.begin() + first, lines_.begin() + last + 1);
    Shift(last + 1, first - last - 1);
}

void PageLines::Clear() {
    lines_.clear();
    markerLines_.clear();
    indexed_ = false;
}

int PageLines::FindMarkerLine(std::string_view markerLine, int start) const {
    Index();
    const auto found = markerLines_.find(std::string(markerLine));
    if (found == markerLines_.end()) return -1;
    const std::vector<int>& places = found->second;
    const auto at = std::lower_bound(places.begin(), places.end(), std::max(start, 0));
    return at == places.end() ? -1 : *at;
}

void PageLines::Index() const {
    if (indexed_) return;
    markerLines_.clear();
    indexed_ = true;
    for (int i = 0; i < Count(); ++i) IndexLine(i);
}

void PageLines::Unindex(int index) const {
    if (!indexed_ || !IsMarkerLike(lines_[index])) return;
    std::vector<int>& places = markerLines_[lines_[index]];
    places.erase(std::lower_bound(places.begin(), places.end(), index));
}

void PageLines::IndexLine(int index) const {
    if (!indexed_ || !IsMarkerLike(lines_[index])) return;
    std::vector<int>& places = markerLines_[lines_[index]];
    places.insert(std::lower_bound(places.begin(), places.end(), index), index);
}

void PageLines::Shift(int from, int by) const {
    if (!indexed_) return;
    for (auto& [line, places] : markerLines_) {
        for (int& place : places) {
            if (place >= from) place += by;
        }
    }
}

void PageLines::Load(const std::filesystem::path& file) {
    lines_ = ReadTextLines(file);
    markerLines_.clear();
    indexed_ = false;
}

void PageLines::Save(const std::filesystem::path& file) const { WriteTextLines(file, lines_, Durability::Renamed); }

void PageLines::SaveIfChanged(const std::filesystem::path& file) const {
    WriteFileIfChanged(file, JoinTextLines(lines_));
}

}  // namespace palimora
