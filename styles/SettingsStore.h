#pragma once

#include "common/TextLines.h"
#include "styles/SettingsLayout.h"

#include <filesystem>
#include <string>

namespace palimora {

// The settings lines of the open project, as loaded from runweb.ini. The
// store never grows: a line at or past the end reads empty and takes no write.
class SettingsStore {
public:
    SettingsStore() = default;
    explicit SettingsStore(TextLines lines) : lines_(std::move(lines)) {}

    // Loads a settings file. Throws PalimoraError when it cannot be read.
    void Load(const std::filesystem::path& file);
    // Writes the whole store through a temporary file renamed over `file`.
    void Save(const std::filesystem::path& file) const;

    // A line, read up to its first 4,096 characters; empty past the end.
    std::string Line(SettingLine line) const;
    // Replaces a line; a line at or past the end is left alone.
    void SetLine(SettingLine line, std::string value);

    std::size_t LineCount() const { return lines_.size(); }

private:
    TextLines lines_;
};

}  // namespace palimora
