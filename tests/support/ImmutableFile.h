#pragma once

#include <filesystem>

namespace palimora::testing {

// Sets the file system's immutable mark on a file (as chattr +i does), so
// that nobody, root included, can delete, rename or write it; the mark is
// taken off again when the object goes. Marked() is false where the file
// system or the process's rights do not allow the mark.
class ImmutableFile {
public:
    explicit ImmutableFile(std::filesystem::path file);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool Marked() const { return marked_; }

private:
    std::filesystem::path file_;
    bool marked_ = false;
};

}  // namespace palimora::testing
