#pragma once
// What a rebuild needs from the picture under the canvas. The window and the
// headless programs each provide one.
#include <string>

namespace mirel {

class IBackgroundSurface {
 public:
  virtual ~IBackgroundSurface() = default;
  // Loads the picture named by a recorded (code page 932) file name.
  // 0 when it was loaded; 1 when not, leaving the current picture as it was.
  virtual int LoadBackground(const std::string& cp932Name) = 0;
  // Replaces the picture by the blank background.
  virtual void ClearBackground() = 0;
};

}  // namespace mirel
