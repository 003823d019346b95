#pragma once
// Finds and loads the video module once, at the first video.
#include <string>

#include "export/video_module.h"
#include "model/result.h"

namespace mirel {

struct TVideoModule {
  decltype(&MirelVideoOpen) Open = nullptr;
  decltype(&MirelVideoAdd) Add = nullptr;
  decltype(&MirelVideoFinish) Finish = nullptr;
  decltype(&MirelVideoClose) Close = nullptr;
};

// The module's functions; a failure's Detail says why it cannot be loaded.
TResult<const TVideoModule*> LoadVideoModule();

}  // namespace mirel
