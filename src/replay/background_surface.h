#pragma once
// What a rebuild needs from the picture under the canvas. The window and the
// headless programs each provide one.
#include <cerrno>
#include <string>

#include "model/result.h"

namespace mirel {

class IBackgroundSurface {
 public:
  virtual ~IBackgroundSurface() = default;
  // Loads the picture named by a recorded (code page 932) file name. A
  // failure leaves the current picture as it was: one that found no file of
  // that name is BackgroundNotFound (nothing to tell), any other found a
  // file that cannot be shown and says why in Message.
  virtual TResult<> LoadBackground(const std::string& cp932Name) = 0;
  // Replaces the picture by the blank background.
  virtual void ClearBackground() = 0;
};

inline TResult<> BackgroundNotFound() {
  TResult<> missing = TResult<>::Failed({});
  missing.Error = ENOENT;
  return missing;
}
inline bool IsBackgroundNotFound(const TResult<>& loaded) { return !loaded && loaded.Error == ENOENT; }

}  // namespace mirel
