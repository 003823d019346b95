#pragma once
// What a rebuild needs from the picture under the canvas. The window and the
// headless programs each provide one.
#include <string>

namespace mirel {

// Results of IBackgroundSurface::LoadBackground.
inline constexpr int kBackgroundLoaded = 0;
inline constexpr int kBackgroundMissing = 1;      // no file of that name
inline constexpr int kBackgroundUndecodable = 2;  // the file is there but is no picture we can show

class IBackgroundSurface {
 public:
  virtual ~IBackgroundSurface() = default;
  // Loads the picture named by a recorded (code page 932) file name. Any
  // result but kBackgroundLoaded leaves the current picture as it was.
  virtual int LoadBackground(const std::string& cp932Name) = 0;
  // Replaces the picture by the blank background.
  virtual void ClearBackground() = 0;
};

}  // namespace mirel
