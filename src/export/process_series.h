#pragma once
// The drawing process as a series of JPEG pictures, one per history step.
#include <QImage>
#include <functional>
#include <string>

#include "export/series_writer.h"

namespace mirel {

// For each step from 1 to `stepCount`: `composeStep(step)` rebuilds the
// drawing of that step and returns the composed canvas, which is written as
// a JPEG to `frameFile(step)` (overwriting) while the next step is
// composed. The first failure ends the series. `progress(step)` runs after
// each frame handed over. `encoders`: as TPictureSeriesWriter.
TSeriesResult ExportAllSteps(int stepCount, const std::function<const QImage&(int step)>& composeStep,
                             const std::function<std::string(int step)>& frameFile,
                             const std::function<void(int step)>& progress = {}, int encoders = 0);

}  // namespace mirel
