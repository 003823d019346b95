#pragma once
// Where the frames of a long export go, one at a time.
#include <string>

#include "model/result.h"

namespace mirel {

struct TFramesResult : TResult<> {
  std::string File;  // the file that could not be written, when one could not
  bool Cancelled = false;
};

// Dropped without Finish (a cancel), a sink keeps only whole files: the
// pictures written so far, and no video at all.
class IFrameSink {
 public:
  virtual ~IFrameSink() = default;
  // The canvas as composed last becomes the frame of `step`, lasting
  // `times` frame times in a video. False once a frame has failed: the
  // export stops.
  virtual bool AddFrame(int step, int times) = 0;
  // Waits until every frame is written and on the disk.
  virtual TFramesResult Finish() = 0;
};

}  // namespace mirel
