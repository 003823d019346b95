#pragma once
// Writing a series of canvas frames as JPEG files while the next frames are
// being composed: encoders on worker threads, one writer putting the files
// in place in frame order, and one sync for the whole series at the end
// instead of one per file. A frame that fails ends the series: the frames
// before it are written, none after it, and no file is ever half-written.
#include <QImage>
#include <memory>
#include <string>

#include "model/result.h"

namespace mirel {

class TPictureSeriesWriter {
 public:
  // `encoders`: the worker threads that encode; 0 chooses by the machine.
  explicit TPictureSeriesWriter(int encoders = 0);
  ~TPictureSeriesWriter();  // without Finish: as Cancel
  TPictureSeriesWriter(const TPictureSeriesWriter&) = delete;
  TPictureSeriesWriter& operator=(const TPictureSeriesWriter&) = delete;

  // Queues `frame` to be written to `path` (a native path, replaced without
  // backup). The frame is shared, not copied: the caller's next drawing on
  // its own image detaches it. Waits while enough frames are under way.
  // False once a frame has failed: stop adding.
  bool Add(const QImage& frame, std::string path);
  // Frames in place so far, in order.
  int FramesWritten() const;
  // Waits for every queued frame and brings them to the disk. A failure
  // tells the user which frame (or folder) failed in Message, and why.
  TResult<> Finish();
  // Drops the frames not yet written and waits for the one being written:
  // what is written stays, complete. Done unless a frame had failed.
  TResult<> Cancel();

  // The encoders chosen for 0: one per core (up to 4).
  static int DefaultEncoders();

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace mirel
