#include "fileio/memory_room.h"

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

namespace mirel {
namespace {

// A value of /proc/meminfo in bytes; none when the system does not say.
std::uint64_t MemInfo(const std::string& key, bool& found) {
  std::ifstream in("/proc/meminfo");
  std::string name;
  std::uint64_t kilobytes = 0;
  std::string unit;
  while (in >> name >> kilobytes) {
    std::getline(in, unit);
    if (name == key + ":") {
      found = true;
      return kilobytes * 1024;
    }
  }
  return 0;
}

// Virtual memory the process has mapped already.
std::uint64_t MappedNow() {
  std::ifstream in("/proc/self/statm");
  std::uint64_t pages = 0;
  in >> pages;
  return pages * 4096;
}

}  // namespace

std::uint64_t AvailableMemory() {
  bool found = false;
  std::uint64_t room = MemInfo("MemAvailable", found);
  if (!found) return std::numeric_limits<std::uint64_t>::max();  // no way to know: no limit
  bool swap = false;
  room += MemInfo("SwapFree", swap);
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    const std::uint64_t mapped = MappedNow();
    room = std::min<std::uint64_t>(room, limit.rlim_cur > mapped ? limit.rlim_cur - mapped : 0);
  }
  return room;
}

}  // namespace mirel
