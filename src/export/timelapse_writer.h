#pragma once
// The making of a picture as a video: canvas frames in order, each shown for
// one frame time, the last one held on. H.264 in MP4 for ".mp4", VP9 in
// WebM for ".webm". The video is written under a temporary name beside the
// target and renamed into place only when it is complete, so a failure or a
// cancel never leaves a half-written video behind the name.
#include <QImage>
#include <memory>
#include <string>

#include "model/result.h"

namespace mirel {

class TTimelapseWriter {
 public:
  TTimelapseWriter();
  ~TTimelapseWriter();  // without Finish, the temporary file goes
  TTimelapseWriter(const TTimelapseWriter&) = delete;
  TTimelapseWriter& operator=(const TTimelapseWriter&) = delete;

  // Starts a video of canvas-sized frames at `fps` frames a second.
  TResult<> Open(const std::string& path, int fps);
  // Adds `frame` (Format_RGB32, canvas-sized) shown for `count` frame times.
  TResult<> AddFrame(const QImage& frame, int count = 1);
  // Completes the video and gives it its name.
  TResult<> Finish();

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace mirel
