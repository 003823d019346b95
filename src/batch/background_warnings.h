#pragma once
// What mirel-batch says about background pictures that a rebuilt step asks
// for and that cannot be shown: not found, found but not decoded, or named
// as no picture file. One warning per picture, at the first step that asks.
#include <set>
#include <string>
#include <vector>

#include "batch/batch_drawing.h"

namespace mirel {

class TBackgroundWarnings {
 public:
  // Looks at the loads that the rebuild of `step` made; returns the new
  // warnings (without the program's name).
  std::vector<std::string> Collect(int step, const std::vector<TBackgroundAttempt>& attempts);
  bool Any() const { return !warned_.empty(); }

 private:
  std::set<std::string> warned_;  // recorded names already warned about
};

}  // namespace mirel
