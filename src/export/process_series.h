#pragma once
// The drawing process as a series of JPEG pictures, one per history step.
#include <QImage>
#include <functional>
#include <string>

namespace mirel {

struct TSeriesResult {
  bool Ok = true;
  std::string Error;   // what failed, with the file name
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
