#include "model/point_data.h"

#include <algorithm>

namespace mirel {

TPointData::TPointData() : TPointData(MaxPoints) {}

TPointData::TPointData(std::int32_t room) {
  points_.reserve(static_cast<std::size_t>(std::clamp(room, 0, MaxPoints)));
}

TPointData::TPointData(std::span<const TPoint> points)
    : points_(points.begin(), points.begin() + std::min<std::size_t>(points.size(), MaxPoints)) {
  if (points_.empty()) return;
  MinX = MaxX = points_.front().X;
  MinY = MaxY = points_.front().Y;
  for (const TPoint& p : points_) {
    MinX = std::min(MinX, p.X);
    MaxX = std::max(MaxX, p.X);
    MinY = std::min(MinY, p.Y);
    MaxY = std::max(MaxY, p.Y);
  }
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
