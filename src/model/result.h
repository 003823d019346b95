#pragma once
// The outcome of a command or a file operation: done, or failed with the
// message for the user (UTF-8, simple Japanese, shown as it is) kept apart
// from what developers need to know (which file, which system reason).
#include <string>
#include <utility>

namespace mirel {

struct TResult {
  bool Ok = true;
  std::string Message;  // for the user; empty on success and for silent failures
  std::string Detail;   // for developers; may be empty
  // For the user too: why, in simple words ("ディスクが いっぱいです"), shown
  // under the message; empty when there is nothing to say.
  std::string Reason;

  static TResult Done() { return {}; }
  static TResult Failed(std::string message, std::string detail = {}) {
    return TResult{false, std::move(message), std::move(detail), {}};
  }
  explicit operator bool() const { return Ok; }
};

}  // namespace mirel
