#pragma once
// The making of a drawing as frames, the same for the window, mirel-batch
// and the gallery: which steps become frames, how long the finished picture
// stays in a video, and the loop that hands them to a sink.
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/frame_sink.h"

namespace mirel {

// Steps First, First + Stride, ... and always Last.
struct TProcessPlan {
  std::int32_t First = 1;
  std::int32_t Last = 0;
  int HoldLast = 1;  // frame times the last frame lasts
  std::int32_t Stride = 1;
  int Frames() const { return Last >= First ? (Last - First + Stride - 1) / Stride + 1 : 0; }
  // Frame times of the whole video.
  int FrameTimes() const { return Frames() > 0 ? Frames() - 1 + HoldLast : 0; }
};

// Videos: kVideoFps frames a second, the finished picture held kVideoHoldSeconds.
inline constexpr int kVideoFps = 10;
inline constexpr double kVideoHoldSeconds = 2.0;

// The series of pictures: steps 1 to the last, one picture each.
TProcessPlan SeriesPlan(std::int32_t stepCount);
// A video opens on the blank canvas (step 0) and stays on the finished
// picture for `holdSeconds` (at least one frame time).
TProcessPlan VideoPlan(std::int32_t stepCount, int fps = kVideoFps, double holdSeconds = kVideoHoldSeconds);
// The same, showing every so many steps so that the steps take at most
// `maxFrames` frames (a long drawing in a short video).
TProcessPlan ShortVideoPlan(std::int32_t stepCount, int maxFrames, int fps = kVideoFps,
                            double holdSeconds = kVideoHoldSeconds);

// Walks `plan`: `compose(step)` makes the canvas of the step, `frames`
// takes it. `progress(done, total)` runs after each frame handed over;
// false from it cancels (the sink is not finished: it keeps whole files
// only), and nothing is returned. The first frame that fails ends the walk;
// Finish reports it.
std::optional<TResult<>> RunProcess(IFrameSink& frames, const TProcessPlan& plan, const std::function<void(std::int32_t step)>& compose,
                         const std::function<bool(int done, int total)>& progress = {});

}  // namespace mirel
