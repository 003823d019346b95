#include "fileio/system_reason.h"

#include <cstring>

namespace mirel {

std::string SystemReason(int error) {
  if (error == 0) return "the system gave no reason";
  char buffer[256];
  // The GNU strerror_r returns its text, which need not be in `buffer`.
  return ::strerror_r(error, buffer, sizeof buffer);
}

}  // namespace mirel
