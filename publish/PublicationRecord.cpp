#include "publish/PublicationRecord.h"

#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/FileStamp.h"
#include "common/TextLines.h"
#include "project/SiteAddress.h"
#include "publish/Sha256.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace palimora {
namespace fs = std::filesystem;
namespace {

constexpr const char* kTlsHostsFile = "tls-hosts.txt";

std::vector<std::string> LinesOf(const fs::path& file) {
    std::vector<std::string> lines;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return lines;
    std::string bytes;
    try {
        bytes = ReadFileBytes(file);
    } catch (...) {
        return lines;  // unreadable: nothing known
    }
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool ParseNumber(std::string_view text, std::uintmax_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The fields of "S<TAB>size<TAB>lfSize<TAB>modified<TAB>sha256<TAB>path";
// the path is the rest of the line, tabs included.
bool ParseSent(const std::string& line, std::string& path, SentFile& file) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (int i = 0; i < 5; ++i) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) return false;
        fields.emplace_back(line.data() + start, tab - start);
        start = tab + 1;
    }
    path = line.substr(start);
    file.sha256 = std::string(fields[4]);
    return fields[0] == "S" && !path.empty() && file.sha256.size() == 64 && ParseNumber(fields[1], file.size) &&
           ParseNumber(fields[2], file.lfSize) && ParseNumber(fields[3], file.stamp);
}

std::string SentLine(const std::string& path, const SentFile& file) {
    return "S\t" + std::to_string(file.size) + "\t" + std::to_string(file.lfSize) + "\t" + std::to_string(file.stamp) +
           "\t" + file.sha256 + "\t" + path;
}

bool Storable(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
}

}  // namespace

fs::path PublicationFolder(const fs::path& projectFolder) { return projectFolder / kPublicationFolderName; }

bool StillAsDescribed(const fs::path& file, const SentFile& known) {
    // The stamp holds the size too.
    const std::uint64_t stamp = FileStampOf(file).value_or(0);
    return stamp != 0 && known.stamp == stamp;
}

SentFile DescribeLocalFile(const fs::path& file, bool page, const SentFile* known) {
    // As a build tool trusts a file's stamp: one rewritten gets a new one,
    // even with its old size and write time.
    if (known && StillAsDescribed(file, *known)) return *known;
    SentFile described;
    described.stamp = FileStampOf(file).value_or(0);
    const std::string bytes = page ? ReadFileBytes(file) : std::string();
    described.size = page ? bytes.size() : fs::file_size(file);
    described.lfSize = described.size - (page ? std::count(bytes.begin(), bytes.end(), '\r') : 0);
    described.sha256 = page ? Sha256Of(bytes) : Sha256OfFile(file);
    return described;
}

PublicationRecord::PublicationRecord(const fs::path& projectFolder, std::string where)
    : file_(PublicationFolder(projectFolder) / ("to-" + Sha256Of(where).substr(0, 16) + ".txt")),
      where_(std::move(where)) {}

void PublicationRecord::Load() {
    files_.clear();
    started_.clear();
    for (const std::string& line : LinesOf(file_)) {
        std::string path;
        SentFile file;
        if (ParseSent(line, path, file)) {
            files_[path] = file;
            started_.erase(path);
        } else if (line.starts_with("R\t")) {
            files_.erase(line.substr(2));
        } else if (line.starts_with("P\t") && ParseSent("S" + line.substr(1), path, file)) {
            started_[path] = file;
        }
    }
}

const SentFile* PublicationRecord::Find(const std::string& path) const {
    const auto found = files_.find(path);
    return found == files_.end() ? nullptr : &found->second;
}

void PublicationRecord::Append(const std::string& line) {
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << line << '\n';
}

void PublicationRecord::NoteSent(const std::string& path, const SentFile& file) {
    if (!Storable(path)) return;
    files_[path] = file;
    started_.erase(path);
    Append(SentLine(path, file));
}

void PublicationRecord::NoteStarted(const std::string& path, const SentFile& file) {
    if (!Storable(path)) return;
    started_[path] = file;
    Append("P" + SentLine(path, file).substr(1));
}

const SentFile* PublicationRecord::Started(const std::string& path) const {
    const auto found = started_.find(path);
    return found == started_.end() ? nullptr : &found->second;
}

void PublicationRecord::NoteRemoved(const std::string& path) {
    if (files_.erase(path) > 0) Append("R\t" + path);
}

void PublicationRecord::Save() const {
    std::string text = "# Files sent by Palimora to " + (Storable(where_) ? where_ : std::string("?")) + "\n";
    for (const auto& [path, file] : files_) text += SentLine(path, file) + "\n";
    for (const auto& [path, file] : started_) text += "P" + SentLine(path, file).substr(1) + "\n";
    fs::create_directories(file_.parent_path());
    WriteFileAtomically(file_, text, Durability::Flushed);
}

bool HostOfferedTls(const fs::path& projectFolder, const std::string& host) {
    const std::vector<std::string> hosts = LinesOf(PublicationFolder(projectFolder) / kTlsHostsFile);
    return std::find(hosts.begin(), hosts.end(), host) != hosts.end();
}

void NoteHostOffersTls(const fs::path& projectFolder, const std::string& host) {
    if (host.empty() || !Storable(host) || HostOfferedTls(projectFolder, host)) return;
    std::error_code error;
    fs::create_directories(PublicationFolder(projectFolder), error);
    std::ofstream(PublicationFolder(projectFolder) / kTlsHostsFile, std::ios::binary | std::ios::app) << host << '\n';
}

fs::path LastFolderFile(const fs::path& projectFolder, const std::string& serverAndUser) {
    return PublicationFolder(projectFolder) / ("folder-" + Sha256Of(serverAndUser).substr(0, 16) + ".txt");
}

std::string LastRemoteFolder(const fs::path& projectFolder, const std::string& serverAndUser) {
    const std::vector<std::string> lines = LinesOf(LastFolderFile(projectFolder, serverAndUser));
    return lines.empty() ? std::string() : lines.front();
}

std::optional<std::string> LastRemoteFolderPath(const fs::path& projectFolder, const std::string& serverAndUser,
                                                const std::string& typed) {
    // The folder as typed, then the server's path of it (older files have the first line only).
    const std::vector<std::string> lines = LinesOf(LastFolderFile(projectFolder, serverAndUser));
    if (lines.size() < 2 || lines[0] != typed || lines[1].empty()) return std::nullopt;
    return lines[1];
}

void SaveLastRemoteFolder(const fs::path& projectFolder, const std::string& serverAndUser, const std::string& folder,
                          const std::string& serverPath) {
    if (!Storable(folder)) return;
    std::error_code error;
    fs::create_directories(PublicationFolder(projectFolder), error);
    try {
        WriteFileAtomically(LastFolderFile(projectFolder, serverAndUser),
                            folder + "\n" + (Storable(serverPath) ? serverPath : std::string()) + "\n");
    } catch (const PalimoraError&) {
        // Only a convenience: the next run offers the project's name instead.
    }
}

}  // namespace palimora
