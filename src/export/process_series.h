#pragma once
// The drawing process as a series of JPEG pictures, one per history step.
#include <QImage>
#include <functional>
#include <string>

#include "model/result.h"

namespace mirel {

// On failure, Message and Detail are those of the frame that failed.
struct TSeriesResult : TResult {
  int FramesWritten = 0;
};

// For each step from 1 to `stepCount`: `composeStep(step)` rebuilds the
// drawing of that step and returns the composed canvas, which is written as
// a JPEG to `frameFile(step)` (overwriting). The first failure ends the
// series. `progress(step)` runs after each frame written.
TSeriesResult ExportAllSteps(int stepCount, const std::function<const QImage&(int step)>& composeStep,
                             const std::function<std::string(int step)>& frameFile,
                             const std::function<void(int step)>& progress = {});

}  // namespace mirel
