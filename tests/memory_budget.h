#pragma once
// Runs a piece of a test in a child process whose address space may grow by
// a given number of bytes only (RLIMIT_AS above what it already uses), so
// that "costs about a canvas" is checked, not hoped for. Measuring from the
// current size keeps this usable under AddressSanitizer, whose reserved
// shadow memory counts as address space too.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>
#include <functional>
#include <string>

namespace mirel::test {

// The exit status of `body` run in the child: what it returns, or 128 plus
// the number of the signal that ended it.
inline int RunWithAddressSpaceBudget(std::size_t budgetBytes, const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::size_t usedKiB = 0;
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;) {
      if (word == "VmSize:") {
        status >> usedKiB;
        break;
      }
    }
    const rlim_t limit = static_cast<rlim_t>(usedKiB) * 1024 + budgetBytes;
    const rlimit bounded{limit, limit};
    if (usedKiB == 0 || ::setrlimit(RLIMIT_AS, &bounded) != 0) ::_exit(125);
    ::_exit(body());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace mirel::test
