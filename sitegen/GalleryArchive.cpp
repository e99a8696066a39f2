#include "sitegen/GalleryArchive.h"

#include "common/AtomicFiles.h"
#include "common/FailureTexts.h"
#include "imaging/PhotoFacts.h"

#include <zip.h>

#include <cctype>
#include <cstdio>
#include <ctime>
#include <memory>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr const char* kMarkStart = "palimora-gallery ";

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using OpenArchive = std::unique_ptr<zip_t, ArchiveCloser>;

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// FNV-1a over the entries' names and contents, as the mark the archive carries.
std::string MarkOf(const std::vector<ArchiveEntry>& entries, const std::vector<std::uint64_t>& contents) {
    std::uint64_t hash = 1469598103934665603ULL;
    auto add = [&hash](std::string_view bytes) {
        for (const unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ULL;
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        add(entries[i].name);
        add(std::string(1, '\0'));
        add(Hex(i < contents.size() ? contents[i] : 0));
    }
    return kMarkStart + std::to_string(entries.size()) + " " + Hex(hash);
}

// An entry's time: when the photo was taken, as its camera's clock said
// (a ZIP's times have no zone), else the first time a ZIP can hold. Never
// the file's own time, so that the same pictures always make the same bytes.
time_t EntryTime(const fs::path& picture) {
    std::tm time{};
    time.tm_year = 80;
    time.tm_mday = 1;
    const std::string taken = DateTakenOf(picture);  // "YYYY:MM:DD HH:MM:SS"
    if (taken.size() == 19 &&
        std::sscanf(taken.c_str(), "%d:%d:%d %d:%d:%d", &time.tm_year, &time.tm_mon, &time.tm_mday, &time.tm_hour,
                    &time.tm_min, &time.tm_sec) == 6 &&
        time.tm_year >= 1980) {
        time.tm_year -= 1900;
        time.tm_mon -= 1;
    } else {
        time = std::tm{};
        time.tm_year = 80;
        time.tm_mday = 1;
    }
    time.tm_isdst = -1;
    return std::mktime(&time);
}

void Add(zip_t* archive, const ArchiveEntry& entry, const fs::path& target) {
    // Length -1: the whole file.
    zip_source_t* source = zip_source_file(archive, entry.file.c_str(), 0, -1);
    ;
    if (!source) FailOnFile(Failure::CannotRead, entry.file);
    const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        FailOnFile(Failure::CannotWrite, target);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), EntryTime(entry.file), 0);
}

}  // namespace

GalleryArchive::GalleryArchive(std::vector<ArchiveEntry> entries, const std::vector<std::uint64_t>& contents)
    : entries_(std::move(entries)), mark_(MarkOf(entries_, contents)) {}

bool GalleryArchive::IsIn(const fs::path& archive) const {
    int error = 0;
    const OpenArchive open(zip_open(archive.c_str(), ZIP_RDONLY, &error));
    if (!open) return false;
    int length = 0;
    const char* comment = zip_get_archive_comment(open.get(), &length, ZIP_FL_ENC_RAW);
    return comment && std::string_view(comment, static_cast<std::size_t>(length)) == mark_ &&
           zip_get_num_entries(open.get(), 0) == static_cast<zip_int64_t>(entries_.size());
}

bool GalleryArchive::WriteTo(const fs::path& archive) const {
    if (IsIn(archive)) return false;
    const fs::path temporary = TemporaryFor(archive);
    std::error_code ignored;
    fs::remove(temporary, ignored);
    int error = 0;
    OpenArchive open(zip_open(temporary.c_str(), ZIP_CREATE | ZIP_EXCL, &error));
    if (!open) FailOnFile(Failure::CannotWrite, archive);
    try {
        for (const ArchiveEntry& entry : entries_) Add(open.get(), entry, archive);
        if (zip_set_archive_comment(open.get(), mark_.c_str(), static_cast<zip_uint16_t>(mark_.size())) != 0)
            FailOnFile(Failure::CannotWrite, archive);
        // The pictures are read and the archive written here, at its closing.
        if (zip_close(open.get()) != 0) FailOnFile(Failure::CannotWrite, archive);
        open.release();
        fs::rename(temporary, archive);
    } catch (...) {
        open.reset();
        fs::remove(temporary, ignored);
        throw;
    }
    return true;
}

std::string ArchiveEntryName(int place, const std::string& extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", place);
    std::string name = number;
    for (const char c : extension) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace palimora
