#pragma once
// Where the frames of a long export go, one at a time.
#include "model/result.h"

namespace mirel {

// Dropped without Finish (a cancel), a sink keeps only whole files: the
// pictures written so far, and no video at all.
class IFrameSink {
 public:
  virtual ~IFrameSink() = default;
  // The canvas as composed last becomes the frame of `step`, lasting
  // `times` frame times in a video. False once a frame has failed: the
  // export stops.
  virtual bool AddFrame(int step, int times) = 0;
  // Waits until every frame is written and on the disk. A failure tells the
  // user which file could not be written in Message, and why.
  virtual TResult<> Finish() = 0;
};

}  // namespace mirel
