// The walk through the steps that every long export shares: which steps
// become frames, how long the last one lasts, and how a failure or a cancel
// ends it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "editor/process_frames.h"

namespace mirel {
namespace {

class TCollectingSink final : public IFrameSink {
 public:
  explicit TCollectingSink(int failAt = -1) : failAt_(failAt) {}
  bool AddFrame(int step, int times) override {
    Frames.emplace_back(step, times);
    return step != failAt_;
  }
  TResult<> Finish() override {
    ++Finished;
    return failAt_ >= 0 ? TResult<>::Failed("broken") : TResult<>::Done();
  }
  std::vector<std::pair<int, int>> Frames;
  int Finished = 0;

 private:
  int failAt_;
};

std::vector<std::pair<int, int>> Walk(const TProcessPlan& plan) {
  TCollectingSink sink;
  std::vector<int> composed;
  const std::optional<TResult<>> result = RunProcess(sink, plan, [&](std::int32_t step) { composed.push_back(step); });
  EXPECT_TRUE(result && result->Ok);
  EXPECT_EQ(sink.Finished, 1);
  EXPECT_EQ(static_cast<int>(sink.Frames.size()), plan.Frames());
  EXPECT_EQ(composed.size(), sink.Frames.size()) << "every frame handed over is composed first";
  return sink.Frames;
}

TEST(ProcessFrames, PlansWalkTheirStepsAndHoldTheLast) {
  using TFrames = std::vector<std::pair<int, int>>;
  EXPECT_EQ(Walk(SeriesPlan(3)), (TFrames{{1, 1}, {2, 1}, {3, 1}}));
  EXPECT_EQ(Walk(SeriesPlan(0)), TFrames{});
  // The window's video and mirel-batch's default: 10 frames a second, 2 s.
  EXPECT_EQ(Walk(VideoPlan(2)), (TFrames{{0, 1}, {1, 1}, {2, 20}}));
  EXPECT_EQ(Walk(VideoPlan(0)), (TFrames{{0, 20}}));
  EXPECT_EQ(Walk(VideoPlan(1, 30, 0.5)), (TFrames{{0, 1}, {1, 15}}));
  // No hold still shows the finished picture once.
  EXPECT_EQ(Walk(VideoPlan(1, 10, 0)), (TFrames{{0, 1}, {1, 1}}));
  EXPECT_EQ(Walk(VideoPlan(1, 10, 0.04)), (TFrames{{0, 1}, {1, 1}}));
}

TEST(ProcessFrames, ShortVideosKeepTheirFrameBudgetAndEndOnTheLastStep) {
  for (const int steps : {0, 1, 2, 5, 9, 10, 11, 99, 100, 101, 1000, 4999, 5000}) {
    for (const int budget : {2, 3, 10, 150}) {
      const TProcessPlan plan = ShortVideoPlan(steps, budget);
      const std::vector<std::pair<int, int>> frames = Walk(plan);
      ASSERT_FALSE(frames.empty());
      EXPECT_LE(static_cast<int>(frames.size()), std::max(budget, 2)) << steps << " steps, budget " << budget;
      EXPECT_EQ(frames.front().first, 0);
      EXPECT_EQ(frames.back(), std::make_pair(steps, 20));
      for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_LT(frames[i - 1].first, frames[i].first);
      EXPECT_EQ(plan.FrameTimes(), static_cast<int>(frames.size()) - 1 + 20);
      if (steps + 1 <= budget) {
        EXPECT_EQ(static_cast<int>(frames.size()), steps + 1) << "every step when they fit";
      }
    }
  }
}

TEST(ProcessFrames, AFailedFrameEndsTheWalkAndTheSinkTellsWhy) {
  TCollectingSink sink(/*failAt=*/2);
  int progressCalls = 0;
  const std::optional<TResult<>> result = RunProcess(sink, SeriesPlan(5), [](std::int32_t) {}, [&](int, int) {
    ++progressCalls;
    return true;
  });
  ASSERT_TRUE(result.has_value()) << "not cancelled";
  EXPECT_FALSE(result->Ok);
  EXPECT_EQ(result->Message, "broken");
  EXPECT_EQ(sink.Frames.size(), 2u);
  EXPECT_EQ(progressCalls, 1) << "no progress for the frame that failed";
}

TEST(ProcessFrames, ACancelStopsWithoutFinishing) {
  TCollectingSink sink;
  std::vector<std::pair<int, int>> seen;
  const std::optional<TResult<>> result = RunProcess(sink, VideoPlan(10), [](std::int32_t) {}, [&](int done, int total) {
    seen.emplace_back(done, total);
    return done < 3;
  });
  EXPECT_FALSE(result && result->Ok);
  EXPECT_FALSE(result.has_value()) << "cancelled";
  EXPECT_EQ(sink.Finished, 0) << "an unfinished sink keeps whole files only";
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 11}, {2, 11}, {3, 11}}));
}

}  // namespace
}  // namespace mirel
