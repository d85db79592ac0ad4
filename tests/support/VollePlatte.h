#pragma once

#include <csignal>
#include <sys/resource.h>

// A full disk while it lives: no file of this process (or of one it starts) grows, and a
// write that would grow one fails instead of ending the process.
class VollePlatte {
  public:
    VollePlatte() {
        getrlimit(RLIMIT_FSIZE, &vorher_);
        rlimit voll = vorher_;
        voll.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &voll);
    }
    ~VollePlatte() {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, signal_);
    }

  private:
    void (*signal_)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher_{};
};
