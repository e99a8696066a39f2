#pragma once

#include <filesystem>

namespace palimora {

// One running copy of the program per program folder: the copy that holds
// the lock file's lock is the one that may touch the working folder. The
// lock belongs to the process, so a copy that crashed leaves nothing behind
// that keeps the next start out.
class InstanceLock {
public:
    explicit InstanceLock(const std::filesystem::path& lockFile);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another running copy holds the lock (or the file cannot be made).
    bool Held() const { return descriptor_ >= 0; }
    // True when another running copy holds the lock (not when the file cannot be made).
    bool HeldByAnother() const { return heldByAnother_; }

private:
    int descriptor_ = -1;
    bool heldByAnother_ = false;
};

}  // namespace palimora
