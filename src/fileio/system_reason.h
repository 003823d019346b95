#pragma once
// The system's own words for a failed call, for messages.
#include <string>

namespace mirel {

// The text of errno value `error` (in the user's language where the system
// has it). Zero, a failure that set no errno, still gets a reason.
std::string SystemReason(int error);

}  // namespace mirel
