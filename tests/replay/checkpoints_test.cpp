#include "replay/checkpoints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace mirel::test {
namespace {

// A rebuild from step 0 to `target` of a drawing that gains a figure a step
// up to step `growsTo`: the steps whose copies it makes.
std::vector<std::int32_t> CopiesMade(TCheckpoints& checkpoints, std::int32_t target,
                                     std::int32_t growsTo = std::numeric_limits<std::int32_t>::max()) {
  std::vector<std::int32_t> made;
  for (std::int32_t step = 1; step <= target; ++step) {
    const std::int64_t figures = std::min(step, growsTo);
    if (!checkpoints.Wants(step, target, figures)) continue;
    auto copy = std::make_unique<TCheckpoint>();
    copy->Weight = copy->Count = figures;
    checkpoints.Keep(step, std::move(copy));
    made.push_back(step);
  }
  return made;
}

// A long rebuild makes only copies that it keeps: none is made only to be
// thinned out again on the way, and memory stays within the budget.
TEST(Checkpoints, ALongRebuildMakesOnlyTheCopiesItKeeps) {
  for (const std::int32_t target : {40, 1000, 100'000}) {
    SCOPED_TRACE(target);
    TCheckpoints checkpoints(4, 2'000);
    const std::vector<std::int32_t> made = CopiesMade(checkpoints, target);
    ASSERT_FALSE(made.empty());
    std::int64_t held = 0;
    for (const std::int32_t step : made) {
      EXPECT_NE(checkpoints.At(step), nullptr) << "copy of step " << step << " made and let go";
      if (checkpoints.At(step)) held += checkpoints.At(step)->Weight;
    }
    EXPECT_LE(held, 2'000 + target);  // the newest may pass the budget alone
    // The newest steps start from a copy near them.
    EXPECT_GE(made.back(), target - 3 * 4);
  }
}

// Copies left out where a rebuild expected a larger drawing (this one stops
// growing) are made by the rebuilds that pass them later.
TEST(Checkpoints, ALaterRebuildMakesTheCopiesLeftOut) {
  TCheckpoints checkpoints(4, 2'000);
  CopiesMade(checkpoints, 1000, 10);
  EXPECT_EQ(checkpoints.At(8), nullptr);
  CopiesMade(checkpoints, 20, 10);
  EXPECT_NE(checkpoints.At(8), nullptr);
}

// Opening a drawing rebuilds its last step with no copy to start from: only
// the newest copies are made, and the first rebuild of an earlier step
// makes those on its way.
TEST(Checkpoints, AFirstRebuildMakesOnlyTheNewestCopies) {
  for (const std::int32_t target : {40, 1000}) {
    SCOPED_TRACE(target);
    TCheckpoints checkpoints(4, 2'000);
    const std::vector<std::int32_t> made = CopiesMade(checkpoints, target);
    ASSERT_FALSE(made.empty());
    EXPECT_LE(made.size(), 2u);
    EXPECT_GT(made.front(), target / 2);
    const std::vector<std::int32_t> later = CopiesMade(checkpoints, target / 2);
    ASSERT_FALSE(later.empty());
    EXPECT_LE(later.back(), target / 2);
    for (const std::int32_t step : made) EXPECT_NE(checkpoints.At(step), nullptr) << step;
  }
}

}  // namespace
}  // namespace mirel::test
