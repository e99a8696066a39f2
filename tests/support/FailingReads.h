#pragma once

#include <cstddef>
#include <filesystem>

namespace palimora::testing {

// While the object lives, reading one file fails with EIO once `readable`
// bytes of it were read, as a disk that errors in the middle of a file does:
// the reads before it give their bytes. The file is known by its device and
// inode, whichever descriptor reads it. Only code that reads through
// read(2) from a shared library (the C++ streams do) meets the failure; it
// is meant for the test executables that link FailingReads.cpp directly.
class FailingReads {
public:
    FailingReads(const std::filesystem::path& file, std::size_t readable);
    ~FailingReads();
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;

    // Whether a read failed as planned.
    bool Failed() const;
};

}  // namespace palimora::testing
