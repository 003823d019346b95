#pragma once
// Finds and loads the video module once, at the first video.
#include <string>

#include "export/video_module.h"

namespace mirel {

struct TVideoModule {
  decltype(&MirelVideoOpen) Open = nullptr;
  decltype(&MirelVideoAdd) Add = nullptr;
  decltype(&MirelVideoFinish) Finish = nullptr;
  decltype(&MirelVideoClose) Close = nullptr;
};

// The module's functions; none when it cannot be loaded, `whyNot` saying why.
const TVideoModule* LoadVideoModule(std::string& whyNot);

}  // namespace mirel
