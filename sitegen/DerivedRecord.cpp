#include "sitegen/DerivedRecord.h"

#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/FileContents.h"
#include "common/FileStamp.h"
#include "common/TextLines.h"
#include "project/ProjectLayout.h"

#include <charconv>
#include <sstream>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "palimora derived pictures 2";

// Whether a file still holds what `recorded` fingerprinted: by its size and
// stamp when they are unchanged, by its bytes otherwise. `recorded` takes the
// file's stamp.
bool StillHolds(const fs::path& file, FileFingerprint& recorded) {
    const std::optional<FileFingerprint> now = FingerprintOf(file, recorded.hash);
    if (!now || now->size != recorded.size) return false;
    if (now->stamp == recorded.stamp) return true;
    if (HashOfFile(file) != recorded.hash) return false;
    recorded.stamp = now->stamp;
    return true;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

template <typename Number>
bool Parse(std::string_view text, Number& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// size, time and hash, from fields[first] on.
bool ParseFingerprint(const std::vector<std::string_view>& fields, std::size_t first, FileFingerprint& print) {
    return Parse(fields[first], print.size) && Parse(fields[first + 1], print.stamp) &&
           Parse(fields[first + 2], print.hash, 16);
}

std::string FingerprintFields(const FileFingerprint& print) {
    std::ostringstream out;
    out << print.size << '\t' << print.stamp << '\t' << std::hex << print.hash;
    return out.str();
}

}  // namespace

std::optional<FileFingerprint> FingerprintOf(const fs::path& file, std::uint64_t hash) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    const std::optional<std::uint64_t> stamp = FileStampOf(file);
    if (error || !stamp) return std::nullopt;
    return FileFingerprint{size, *stamp, hash};
}

DerivedRecord DerivedRecord::Load(const fs::path& projectFolder) {
    DerivedRecord record;
    TextLines lines;
    try {
        lines = ReadTextLines(projectFolder / kDerivedRecordFile);
    } catch (const PalimoraError&) {
        return record;
    }
    if (lines.empty() || lines.front() != kFirstLine) return record;
    Entry* entry = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = Fields(lines[i]);
        FileFingerprint print;
        // A picture line may end with the picture's shown width and height.
        if ((fields.size() == 6 || fields.size() == 8) && fields[0] == "picture" &&
            ParseFingerprint(fields, 3, print)) {
            entry = &record.entries_[std::string(fields[1])];
            if (!Parse(fields[2], entry->settings, 16)) return {};
            if (fields.size() == 8 && !(Parse(fields[6], entry->width) && Parse(fields[7], entry->height))) return {};
            entry->source = print;
        } else if (fields.size() == 5 && fields[0] == "file" && entry && ParseFingerprint(fields, 2, print)) {
            entry->files.emplace_back(std::string(fields[1]), print);
        } else if (!lines[i].empty()) {
            return {};  // damaged: derive everything again rather than trust part of it
        }
    }
    return record;
}

void DerivedRecord::Save(const fs::path& projectFolder) const {
    TextLines lines{std::string(kFirstLine)};
    for (const auto& [picture, entry] : entries_) {
        std::ostringstream settings;
        settings << std::hex << entry.settings;
        std::string line = "picture\t" + picture + '\t' + settings.str() + '\t' + FingerprintFields(entry.source);
        if (entry.width > 0 && entry.height > 0) {
            line += '\t' + std::to_string(entry.width) + '\t' + std::to_string(entry.height);
        }
        lines.push_back(std::move(line));
        for (const auto& [file, print] : entry.files)
            lines.push_back("file\t" + file + '\t' + FingerprintFields(print));
    }
    try {
        WriteFileIfChanged(projectFolder / kDerivedRecordFile, JoinTextLines(lines));
    } catch (const PalimoraError&) {
    }
}

const DerivedRecord::Entry* DerivedRecord::Find(const std::string& picture) const {
    const auto found = entries_.find(picture);
    return found == entries_.end() ? nullptr : &found->second;
}

void DerivedRecord::KeepOnly(const std::vector<std::string>& pictures) {
    std::map<std::string, Entry> kept;
    for (const std::string& picture : pictures) {
        if (auto found = entries_.find(picture); found != entries_.end()) kept.insert(std::move(*found));
    }
    entries_ = std::move(kept);
}

const DerivedRecord::Entry* DerivedRecord::Unchanged(const fs::path& projectFolder, const std::string& picture) const {
    const Entry* recorded = Find(picture);
    if (!recorded) return nullptr;
    const auto now = FingerprintOf(project_layout::PicturesFolder(projectFolder) / picture, 0);
    if (!now || now->size != recorded->source.size || now->stamp != recorded->source.stamp) return nullptr;
    return recorded;
}

std::optional<std::pair<int, int>> DerivedRecord::ShownSize(const fs::path& projectFolder,
                                                            const std::string& picture) const {
    const Entry* recorded = Find(picture);
    if (!recorded || recorded->width <= 0 || recorded->height <= 0) return std::nullopt;
    if (!Unchanged(projectFolder, picture)) return std::nullopt;
    return std::pair{recorded->width, recorded->height};
}

std::optional<std::uint64_t> DerivedRecord::Contents(const fs::path& projectFolder, const std::string& picture) const {
    if (const Entry* recorded = Unchanged(projectFolder, picture)) return recorded->source.hash;
    return HashOfFile(project_layout::PicturesFolder(projectFolder) / picture);
}

std::optional<DerivedRecord::Entry> DerivedRecord::Current(const fs::path& projectFolder, const std::string& picture,
                                                           std::uint64_t settings) const {
    const Entry* recorded = Find(picture);
    if (!recorded || recorded->settings != settings) return std::nullopt;
    Entry entry = *recorded;
    if (!StillHolds(project_layout::PicturesFolder(projectFolder) / picture, entry.source)) return std::nullopt;
    for (auto& [file, print] : entry.files) {
        if (!StillHolds(projectFolder / fs::path(file), print)) return std::nullopt;
    }
    return entry;
}

}  // namespace palimora
