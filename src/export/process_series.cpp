#include "export/process_series.h"

namespace mirel {

TSeriesResult ExportAllSteps(int stepCount, const std::function<const QImage&(int step)>& composeStep,
                             const std::function<std::string(int step)>& frameFile,
                             const std::function<void(int step)>& progress, int encoders) {
  TPictureSeriesWriter writer(encoders);
  for (int step = 1; step <= stepCount; ++step) {
    if (!writer.Add(composeStep(step), frameFile(step))) break;
    if (progress) progress(step);
  }
  return writer.Finish();
}

}  // namespace mirel
