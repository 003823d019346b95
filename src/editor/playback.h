#pragma once
// Watching mode's panel: the step shown and the buttons and time track bar
// that move it. It only keeps the state; the editor rebuilds and shows the
// step a move names.
#include <cstdint>

#include "editor/editor_types.h"

namespace mirel {

// What a move of the panel asks to be shown.
enum class TPlayMove {
  None,     // nothing moved
  Show,     // the step is shown again
  Seeked,   // the track bar moved: the step's record is logged, then shown
};

class TPlayback {
 public:
  // The step shown or to be rebuilt (0 = before the first record).
  std::int32_t Step() const { return step_; }
  void SetStep(std::int32_t step) { step_ = step; }
  const TPlayControls& Controls() const { return controls_; }

  // Watching starts at step 0 of `steps`, the track bar at 0.
  TPlayMove Enter(std::int32_t steps);
  // The buttons, with `last` the history's step count now.
  TPlayMove Forward(std::int32_t last);
  TPlayMove Reverse();
  TPlayMove Stop();
  // The time track bar set to `position`, kept within its range.
  TPlayMove Seek(std::int32_t position);

 private:
  // Setting the bar moves it only when the position really changes.
  TPlayMove SetBar(std::int32_t position) { return position != controls_.Position ? Seek(position) : TPlayMove::None; }

  std::int32_t step_ = 0;
  TPlayControls controls_;
};

}  // namespace mirel
