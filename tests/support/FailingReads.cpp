#include "tests/support/FailingReads.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <stdexcept>

namespace {

std::atomic<bool> armed{false};
dev_t failingDevice = 0;
ino_t failingInode = 0;
std::atomic<std::size_t> readableLeft{0};
std::atomic<bool> failed{false};

bool IsTheFailingFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && status.st_dev == failingDevice && status.st_ino == failingInode;
}

}  // namespace

// Takes the place of the C library's read for the whole test executable;
// every read that is not of the failing file goes straight to the kernel.
extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    if (armed.load() && IsTheFailingFile(fd)) {
        const std::size_t left = readableLeft.load();
        if (left == 0) {
            failed = true;
            errno = EIO;
            return -1;
        }
        if (count > left) count = left;
        const auto got = static_cast<ssize_t>(::syscall(SYS_read, fd, buffer, count));
        if (got > 0) readableLeft -= static_cast<std::size_t>(got);
        return got;
    }
    return static_cast<ssize_t>(::syscall(SYS_read, fd, buffer, count));
}

namespace palimora::testing {

FailingReads::FailingReads(const std::filesystem::path& file, std::size_t readable) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) throw std::runtime_error("no file to fail: " + file.string());
    failingDevice = status.st_dev;
    failingInode = status.st_ino;
    readableLeft = readable;
    failed = false;
    armed = true;
}

FailingReads::~FailingReads() { armed = false; }

bool FailingReads::Failed() const { return failed.load(); }

}  // namespace palimora::testing
