#include "replay/background_step.h"

#include "text/path_utils.h"

namespace mirel {

void ShowReplayBackground(IBackgroundSurface& surface, const std::string& wanted, std::string& shown) {
  if (wanted != shown) {
    if (wanted.empty()) {
      surface.ClearBackground();
    } else if (IsBackgroundNotFound(surface.LoadBackground(wanted))) {
      const std::string local = LastComponentCp932(wanted);
      // A name without folders was just looked up where it would be again.
      if (!local.empty() && local != wanted) surface.LoadBackground(local);
    }
  }
  shown = wanted;
}

}  // namespace mirel
