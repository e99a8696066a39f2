#include "common/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>

namespace palimora {

InstanceLock::InstanceLock(const std::filesystem::path& lockFile) {
    const int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) return;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        heldByAnother_ = errno == EWOULDBLOCK;
        ::close(descriptor);
        return;
    }
    descriptor_ = descriptor;
}

InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0) ::close(descriptor_);  // closing releases the lock
}

}  // namespace palimora
