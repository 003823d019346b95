#pragma once
// The window's long exports: the canvas as last composed goes to a series
// of JPEG files written on worker threads, or to a video.
#include <QImage>
#include <functional>
#include <memory>
#include <string>

#include "editor/editor_view.h"

namespace mirel {

// The canvas as the last Repaint composed it.
using TCanvasSource = std::function<const QImage&()>;

std::unique_ptr<IFrameSink> MakeSeriesSink(TCanvasSource canvas, std::string chosenPath);
std::unique_ptr<IFrameSink> MakeVideoSink(TCanvasSource canvas, const std::string& path, int fps);

}  // namespace mirel
