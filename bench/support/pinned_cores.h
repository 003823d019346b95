#pragma once
// Runs the calling thread and the threads it starts on `cores` CPUs while
// it lives, so that a figure "on one core" is one.
#include <sched.h>

namespace mirel::bench {

class TCores {
 public:
  explicit TCores(int cores) {
    sched_getaffinity(0, sizeof old_, &old_);
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu = 0, taken = 0; cpu < CPU_SETSIZE && taken < cores; ++cpu) {
      if (CPU_ISSET(cpu, &old_)) {
        CPU_SET(cpu, &set);
        ++taken;
      }
    }
    sched_setaffinity(0, sizeof set, &set);
  }
  ~TCores() { sched_setaffinity(0, sizeof old_, &old_); }
  TCores(const TCores&) = delete;
  TCores& operator=(const TCores&) = delete;

 private:
  cpu_set_t old_;
};

}  // namespace mirel::bench
