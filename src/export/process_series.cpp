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
    TPictureFileResult written;
    if (encoder.Encode(frame, error)) {
      written = WritePictureFile(encoder.Data(), file, "");
    } else {
      written = TResult::Failed("ファイルにかきだせませんでした: " + file + " (" + error + ")",
                                "cannot encode " + file + ": " + error);
    }
    if (!written.Ok) {
      result.Ok = false;
      result.Message = std::move(written.Message);
      result.Detail = std::move(written.Detail);
      return result;
    }
    ++result.FramesWritten;
    if (progress) progress(step);
  }
  return result;
}

}  // namespace mirel
