#pragma once
// The long exports' sinks: the canvas as last composed goes to a series of
// JPEG files written on worker threads, or to a video.
#include <QImage>
#include <functional>
#include <memory>
#include <string>

#include "editor/frame_sink.h"

namespace mirel {

// The canvas as composed last.
using TCanvasSource = std::function<const QImage&()>;
// The file of the frame of a step (a native path).
using TFrameFileName = std::function<std::string(int step)>;

// `encoders`: as TPictureSeriesWriter.
std::unique_ptr<IFrameSink> MakeSeriesSink(TCanvasSource canvas, TFrameFileName frameFile, int encoders = 0);
std::unique_ptr<IFrameSink> MakeVideoSink(TCanvasSource canvas, const std::string& path, int fps);

}  // namespace mirel
