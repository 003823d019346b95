#include "editor/process_frames.h"

#include <algorithm>
#include <cmath>

namespace mirel {

TProcessPlan SeriesPlan(std::int32_t stepCount) { return TProcessPlan{1, stepCount, 1}; }

TProcessPlan VideoPlan(std::int32_t stepCount, int fps, double holdSeconds) {
  return TProcessPlan{0, stepCount, std::max(1, static_cast<int>(std::lround(holdSeconds * fps)))};
}

TProcessPlan ShortVideoPlan(std::int32_t stepCount, int maxFrames, int fps, double holdSeconds) {
  TProcessPlan plan = VideoPlan(stepCount, fps, holdSeconds);
  const std::int32_t steps = std::max<std::int32_t>(stepCount, 1);
  const std::int32_t frames = std::max(maxFrames - 1, 1);
  plan.Stride = (steps + frames - 1) / frames;
  return plan;
}

std::optional<TResult<>> RunProcess(IFrameSink& frames, const TProcessPlan& plan, const std::function<void(std::int32_t step)>& compose,
                         const std::function<bool(int done, int total)>& progress) {
  const int total = plan.Frames();
  const std::int32_t stride = std::max<std::int32_t>(plan.Stride, 1);
  int done = 0;
  for (std::int32_t step = plan.First; step <= plan.Last;
       step = step == plan.Last ? step + 1 : std::min(step + stride, plan.Last)) {
    compose(step);
    if (!frames.AddFrame(step, step == plan.Last ? plan.HoldLast : 1)) break;
    if (progress && !progress(++done, total)) return std::nullopt;
  }
  return frames.Finish();
}

}  // namespace mirel
