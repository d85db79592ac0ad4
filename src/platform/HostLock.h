#pragma once

#include <QString>

#include <chrono>

namespace zafku {

// Serialises rewrites of a host folder's files among processes on this machine and on
// others that share the folder: a byte-range lock on a lock file in the folder. The
// kernel, or the file server's lock manager, drops the lock when its holder dies, so a
// killed process leaves no stale lock behind. The lock is held until destruction.
class HostLock {
  public:
    HostLock(const QString& hostDir, std::chrono::milliseconds maxWait);
    ~HostLock();
    HostLock(const HostLock&) = delete;
    HostLock& operator=(const HostLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Another process held the lock and was waited for.
    bool waited() const { return waited_; }
    // Why the lock was not taken, in German; empty when held.
    const QString& error() const { return error_; }

  private:
    int fd_ = -1;
    bool waited_ = false;
    QString error_;
};

} // namespace zafku
