#include "export/frame_sinks.h"

#include "export/series_writer.h"
#include "export/timelapse_writer.h"
#include "fileio/user_words.h"

namespace mirel {
namespace {

class TSeriesSink final : public IFrameSink {
 public:
  TSeriesSink(TCanvasSource canvas, TFrameFileName frameFile, int encoders)
      : canvas_(std::move(canvas)), frameFile_(std::move(frameFile)), writer_(encoders) {}
  bool AddFrame(int step, int) override { return writer_.Add(canvas_(), frameFile_(step)); }
  TResult<> Finish() override { return writer_.Finish(); }

 private:
  TCanvasSource canvas_;
  TFrameFileName frameFile_;
  TPictureSeriesWriter writer_;  // dropped unfinished, it writes no more
};

class TVideoSink final : public IFrameSink {
 public:
  TVideoSink(TCanvasSource canvas, std::string path, int fps) : canvas_(std::move(canvas)), path_(std::move(path)) {
    state_ = video_.Open(path_, fps);
  }
  bool AddFrame(int, int times) override {
    if (state_.Ok) state_ = video_.AddFrame(canvas_(), times);
    return state_.Ok;
  }
  TResult<> Finish() override {
    if (state_.Ok) state_ = video_.Finish();
    return state_ ? state_ : state_.Told(std::string(msg::kVideoWriteFailed) + path_);
  }

 private:
  TCanvasSource canvas_;
  std::string path_;
  TTimelapseWriter video_;  // dropped unfinished, it leaves no file
  TResult<> state_;
};

}  // namespace

std::unique_ptr<IFrameSink> MakeSeriesSink(TCanvasSource canvas, TFrameFileName frameFile, int encoders) {
  return std::make_unique<TSeriesSink>(std::move(canvas), std::move(frameFile), encoders);
}

std::unique_ptr<IFrameSink> MakeVideoSink(TCanvasSource canvas, const std::string& path, int fps) {
  return std::make_unique<TVideoSink>(std::move(canvas), path, fps);
}

}  // namespace mirel
