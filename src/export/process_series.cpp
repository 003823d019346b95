#include "export/process_series.h"

#include "export/jpeg_encoder.h"
#include "export/picture_file.h"

namespace mirel {

TSeriesResult ExportAllSteps(int stepCount, const std::function<const QImage&(int step)>& composeStep,
                             const std::function<std::string(int step)>& frameFile,
                             const std::function<void(int step)>& progress) {
  TSeriesResult result;
  TJpegEncoder encoder;  // one compressor for the whole series
  for (int step = 1; step <= stepCount; ++step) {
    const QImage& frame = composeStep(step);
    const std::string file = frameFile(step);
    std::string error;
    if (!encoder.Encode(frame, error)) {
      return {false, file + ": " + error, result.FramesWritten};
    }
    const TPictureFileResult written = WritePictureFile(encoder.Data(), file, "");
    if (!written.Ok) return {false, written.Error, result.FramesWritten};
    ++result.FramesWritten;
    if (progress) progress(step);
  }
  return result;
}

}  // namespace mirel
