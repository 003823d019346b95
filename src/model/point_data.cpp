#include "model/point_data.h"

#include <algorithm>

namespace mirel {

TPointData::TPointData() : TPointData(MaxPoints) {}

TPointData::TPointData(std::int32_t room) {
  points_.reserve(static_cast<std::size_t>(std::clamp(room, 0, MaxPoints)));
}

int TPointData::AddPoint(std::int32_t x, std::int32_t y) {
  if (GetCount() >= MaxPoints) return 1;
  if (points_.empty()) {
    MinX = MaxX = x;
    MinY = MaxY = y;
  }
  if (x < MinX) {
    MinX = x;
  } else if (x > MaxX) {
    MaxX = x;
  }
  if (y < MinY) {
    MinY = y;
  } else if (y > MaxY) {
    MaxY = y;
  }
  points_.push_back({x, y});
  return 0;
}

}  // namespace mirel
