#include "sitegen/PageLines.h"

#include "common/TextLines.h"

#include <algorithm>

namespace palimora {

std::string PageLines::Get(int index) const {
    return index >= 0 && index < Count() ? lines_[index] : std::string();
}

void PageLines::Put(int index, std::string line) {
    if (index >= 0 && index < Count()) lines_[index] = std::move(line);
}

void PageLines::Insert(int index, std::string line) {
    index = std::clamp(index, 0, Count());
    lines_.insert(lines_.begin() + index, std::move(line));
}

void PageLines::Delete(int index) {
    if (index >= 0 && index < Count()) lines_.erase(lines_.begin() + index);
}

void PageLines::Load(const std::filesystem::path& file) { lines_ = ReadTextLines(file); }

void PageLines::Save(const std::filesystem::path& file) const { WriteTextLines(file, lines_); }

}  // namespace palimora
