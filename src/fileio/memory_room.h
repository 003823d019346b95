#pragma once
// How much memory a file read may still take, so that a file too large to
// hold is refused with a message instead of ending the program half-way.
#include <cstdint>

namespace mirel {

// Bytes this process can still allocate: the memory the system has
// available and free swap, within the process's address-space limit.
std::uint64_t AvailableMemory();

}  // namespace mirel
