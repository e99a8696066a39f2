#include "common/AtomicFiles.h"

#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/FailureTexts.h"
#include "common/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <set>
#include <system_error>
#include <utility>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// Distinct enough that a file of the user's ("letter.tmp") is never taken for one of ours.
constexpr std::string_view kTemporarySuffix = ".palimora.tmp";

// A descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor_; }
    bool Close() {
        const int descriptor = std::exchange(descriptor_, -1);
        return ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

bool WriteAll(int descriptor, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Writes the temporary of `file` with what `fill` puts into its descriptor;
// false (the temporary removed) when anything failed.
template <typename Fill>
bool WriteTemporary(const fs::path& file, Durability durability, Fill fill) {
    const fs::path temporary = TemporaryFor(file);
    Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    bool whole = out.Get() >= 0 && fill(out.Get());
    if (whole && durability == Durability::Flushed) {
        whole = ::fsync(out.Get()) == 0;
        // On the disk now: its pages need not crowd the memory (a copy of
        // thousands of photos would otherwise push out everything else).
        if (whole) ::posix_fadvise(out.Get(), 0, 0, POSIX_FADV_DONTNEED);
    }
    if (out.Get() >= 0) whole = out.Close() && whole;
    if (!whole) ::unlink(temporary.c_str());
    return whole;
}

void RenameIntoPlace(const fs::path& file, Durability durability) {
    std::error_code error;
    fs::rename(TemporaryFor(file), file, error);
    if (error) {
        fs::remove(TemporaryFor(file), error);
        FailOnFile(Failure::CannotReplace, file);
    }
    if (durability == Durability::Flushed) FlushFolder(file.parent_path());
}

bool CopyInto(const fs::path& source, int out) {
    // Opened without waiting, and copied only when it is an ordinary file: a pipe or a device would block or never end.
    Descriptor in(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (in.Get() < 0 || ::fstat(in.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    // The kernel copies the bytes itself where it can (one copy instead of
    // two through this process); elsewhere they are read and written here,
    // from where it stopped. A file system that copies nothing of a file
    // that has bytes (some do not support it and say so by copying nothing)
    // gets the same.
    for (off_t total = 0;;) {
        const ssize_t copied = ::copy_file_range(in.Get(), nullptr, out, nullptr, 1 << 30, 0);
        if (copied < 0 && errno == EINTR) continue;
        if (copied == 0 && (total > 0 || status.st_size == 0)) {
            ::posix_fadvise(in.Get(), 0, 0, POSIX_FADV_DONTNEED);  // read once, not needed again
            return true;
        }
        if (copied > 0) {
            total += copied;
            continue;
        }
        if (copied < 0 && errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
        break;
    }
    std::array<char, 1 << 16> block;
    while (true) {
        const ssize_t read = ::read(in.Get(), block.data(), block.size());
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return false;  // a file that cannot be read to its end is no copy
        if (read == 0) {
            ::posix_fadvise(in.Get(), 0, 0, POSIX_FADV_DONTNEED);  // read once, not needed again
            return true;
        }
        if (!WriteAll(out, block.data(), static_cast<std::size_t>(read))) return false;
    }
}

}  // namespace

fs::path TemporaryFor(const fs::path& file) {
    fs::path temporary = file;
    temporary += kTemporarySuffix;
    return temporary;
}

bool IsTemporaryName(std::string_view fileName) {
    return fileName.size() > kTemporarySuffix.size() && fileName.ends_with(kTemporarySuffix);
}

void RemoveTemporaries(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsTemporaryName(it->path().filename().string()) && it->is_regular_file(error))
            leftovers.push_back(it->path());
    }
    for (const fs::path& leftover : leftovers) fs::remove(leftover, error);
}

void WriteFileAtomically(const fs::path& file, std::string_view bytes, Durability durability) {
    if (!WriteTemporary(file, durability, [&](int out) { return WriteAll(out, bytes.data(), bytes.size()); })) {
        FailOnFile(Failure::CannotWrite, file);
    }
    RenameIntoPlace(file, durability);
}

void CopyFileAtomically(const fs::path& source, const fs::path& target, Durability durability) {
    if (!WriteTemporary(target, durability, [&](int out) { return CopyInto(source, out); })) {
        FailOnFile(Failure::CannotCopy, source);
    }
    RenameIntoPlace(target, durability);
}

bool WriteFileIfChanged(const fs::path& file, std::string_view bytes) {
    if (FileHolds(file, bytes)) return false;
    WriteFileAtomically(file, bytes);
    return true;
}

bool CopyFileIfChanged(const fs::path& source, const fs::path& target) {
    if (SameFileBytes(source, target)) return false;
    CopyFileAtomically(source, target);
    return true;
}

std::optional<std::uintmax_t> AppendRecords(const fs::path& file, std::string_view bytes, std::size_t unit,
                                            Durability durability) {
    Descriptor out(::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    struct stat status {};
    if (out.Get() < 0 || ::fstat(out.Get(), &status) != 0) FailOnFile(Failure::CannotWrite, file);
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size % unit != 0) return std::nullopt;
    bool whole = WriteAll(out.Get(), bytes.data(), bytes.size());
    if (whole && durability == Durability::Flushed) whole = ::fdatasync(out.Get()) == 0;
    if (!whole) FailOnFile(Failure::CannotWrite, file);
    return size;
}

void FlushFile(const fs::path& file) {
    Descriptor handle(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (handle.Get() >= 0) ::fsync(handle.Get());
}

void FlushFolder(const fs::path& folder) {
    Descriptor handle(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.Get() >= 0) ::fsync(handle.Get());
}

FileTransaction::~FileTransaction() {
    std::error_code ignored;
    for (const fs::path& target : staged_) fs::remove(TemporaryFor(target), ignored);
}

void FileTransaction::Copy(const fs::path& source, const fs::path& target) {
    if (!WriteTemporary(target, Durability::Flushed, [&](int out) { return CopyInto(source, out); })) {
        FailOnFile(Failure::CannotCopy, source);
    }
    staged_.push_back(target);
}

void FileTransaction::Remove(const fs::path& target) { removals_.push_back(target); }

void FileTransaction::Commit() {
    std::set<fs::path> folders;
    for (const fs::path& target : staged_) {
        std::error_code error;
        fs::rename(TemporaryFor(target), target, error);
        if (error) FailOnFile(Failure::CannotReplace, target);
        folders.insert(target.parent_path());
    }
    staged_.clear();
    for (const fs::path& target : removals_) {
        std::error_code ignored;
        fs::remove(target, ignored);
        folders.insert(target.parent_path());
    }
    removals_.clear();
    for (const fs::path& folder : folders) FlushFolder(folder);
}

}  // namespace palimora
