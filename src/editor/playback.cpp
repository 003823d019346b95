#include "editor/playback.h"

#include <algorithm>

namespace mirel {

TPlayMove TPlayback::Enter(std::int32_t steps) {
  step_ = 0;
  controls_.ForwardEnabled = true;
  controls_.StopEnabled = true;
  controls_.ReverseEnabled = false;
  controls_.Maximum = steps;
  return SetBar(0);
}

TPlayMove TPlayback::Forward(std::int32_t last) {
  if (step_ >= last) return TPlayMove::None;
  ++step_;
  controls_.ReverseEnabled = true;
  const std::int32_t position = controls_.Position + 1;
  const TPlayMove move = position <= controls_.Maximum ? SetBar(position) : TPlayMove::Show;
  if (step_ == last) controls_.ForwardEnabled = false;
  return move;
}

TPlayMove TPlayback::Reverse() {
  if (step_ <= 0) return TPlayMove::None;
  --step_;
  controls_.ForwardEnabled = true;
  const std::int32_t position = controls_.Position - 1;
  const TPlayMove move = position >= 0 ? SetBar(position) : TPlayMove::Show;
  if (step_ == 0) controls_.ReverseEnabled = false;
  return move;
}

TPlayMove TPlayback::Stop() {
  step_ = 0;
  controls_.ForwardEnabled = true;
  controls_.StopEnabled = true;
  controls_.ReverseEnabled = false;
  return controls_.Position != 0 ? SetBar(0) : TPlayMove::Show;
}

TPlayMove TPlayback::Seek(std::int32_t position) {
  const std::int32_t p = std::clamp(position, 0, controls_.Maximum);
  controls_.Position = p;
  if (p == 0) {
    controls_.ReverseEnabled = false;
  } else if (p == controls_.Maximum) {
    controls_.ForwardEnabled = false;
  } else {
    controls_.ReverseEnabled = controls_.ForwardEnabled = true;
  }
  step_ = p;
  return TPlayMove::Seeked;
}

}  // namespace mirel
