#include "tests/support/ImmutableFile.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace palimora::testing {
namespace {

bool SetImmutable(const std::filesystem::path& file, bool on) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace

ImmutableFile::ImmutableFile(std::filesystem::path file) : file_(std::move(file)) {
    marked_ = SetImmutable(file_, true);
}

ImmutableFile::~ImmutableFile() {
    if (marked_) SetImmutable(file_, false);
}

}  // namespace palimora::testing
