#include "styles/SettingsStore.h"

#include "common/Cp1252.h"
#include "styles/SettingsLayout.h"

namespace palimora {

void SettingsStore::Load(const std::filesystem::path& file) { lines_ = ReadTextLines(file); }

void SettingsStore::Save(const std::filesystem::path& file) const { WriteTextLines(file, lines_); }

std::string SettingsStore::Line(SettingLine line) const {
    const int number = LineNumber(line);
    if (number < 0 || static_cast<std::size_t>(number) >= lines_.size()) return {};
    return std::string(CutToBytes(lines_[number], settings::kMaxLineLength));
}

void SettingsStore::SetLine(SettingLine line, std::string value) {
    const int number = LineNumber(line);
    if (number < 0 || static_cast<std::size_t>(number) >= lines_.size()) return;
    lines_[number] = std::move(value);
}

}  // namespace palimora
