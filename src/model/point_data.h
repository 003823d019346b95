#pragma once
// The points of one free line, polyline or polygon, with their bounds.
#include <cstdint>
#include <span>
#include <vector>

#include "model/geometry.h"

namespace mirel {

class TPointData {
 public:
  static constexpr std::int32_t MaxPoints = 2000;
  static constexpr std::int32_t NoBound = -100;

  // Room for MaxPoints points.
  TPointData();
  // Room for `room` points (a copy of another list).
  explicit TPointData(std::int32_t room);
  // A copy of `points` (the first MaxPoints), as if each was appended.
  explicit TPointData(std::span<const TPoint> points);

  // 0 when the point was appended, 1 when the list is full.
  int AddPoint(std::int32_t x, std::int32_t y);
  std::int32_t GetCount() const { return static_cast<std::int32_t>(points_.size()); }
  // Forgets the points; the bounds stay until the next AddPoint re-seeds them.
  void ResetPoints() { points_.clear(); }

  const TPoint& Point(std::int32_t index) const { return points_[static_cast<std::size_t>(index)]; }
  TPoint& Point(std::int32_t index) { return points_[static_cast<std::size_t>(index)]; }
  std::span<const TPoint> Points() const { return points_; }

  // Bounds of the points appended with AddPoint; stale after direct changes.
  std::int32_t MinX = NoBound;
  std::int32_t MinY = NoBound;
  std::int32_t MaxX = NoBound;
  std::int32_t MaxY = NoBound;

 private:
  std::vector<TPoint> points_;
};

}  // namespace mirel
