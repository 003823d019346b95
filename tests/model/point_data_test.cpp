#include "model/point_data.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(PointData, NewListHasNoPointsAndSentinelBounds) {
  const TPointData points;
  EXPECT_EQ(points.GetCount(), 0);
  EXPECT_EQ(points.MinX, -100);
  EXPECT_EQ(points.MinY, -100);
  EXPECT_EQ(points.MaxX, -100);
  EXPECT_EQ(points.MaxY, -100);
}

TEST(PointData, CapOf2000Points) {
  TPointData points;
  for (int i = 0; i < 1999; ++i) ASSERT_EQ(points.AddPoint(i % 100, i / 100), 0);
  EXPECT_EQ(points.AddPoint(500, 7), 0);  // the 2000th
  EXPECT_EQ(points.GetCount(), 2000);
  EXPECT_EQ(points.AddPoint(-5000, 9000), 1);  // the 2001st is dropped
  EXPECT_EQ(points.GetCount(), 2000);
  EXPECT_EQ(points.MinX, 0);
  EXPECT_EQ(points.MaxX, 500);
  EXPECT_EQ(points.MinY, 0);
  EXPECT_EQ(points.MaxY, 19);
  EXPECT_EQ(points.Point(1999), (TPoint{500, 7}));
}

TEST(PointData, CopiedListWithSmallRoomIsStillCappedAt2000) {
  TPointData points(3);
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(points.AddPoint(i, i), 0);
  EXPECT_EQ(points.AddPoint(1, 1), 1);
}

TEST(PointData, BoundsAfterResetAreReseeded) {
  TPointData points;
  points.AddPoint(-50, -60);
  points.AddPoint(300, 400);
  points.ResetPoints();
  EXPECT_EQ(points.GetCount(), 0);
  EXPECT_EQ(points.MaxX, 300);  // stale until the next point
  points.AddPoint(7, 8);
  EXPECT_EQ(points.MinX, 7);
  EXPECT_EQ(points.MaxX, 7);
  EXPECT_EQ(points.MinY, 8);
  EXPECT_EQ(points.MaxY, 8);
}

TEST(PointData, BoundsFollowEveryAppendedPoint) {
  TPointData points;
  points.AddPoint(10, 50);
  points.AddPoint(10, 20);
  points.AddPoint(10, 90);
  EXPECT_EQ(points.MinX, 10);
  EXPECT_EQ(points.MaxX, 10);
  EXPECT_EQ(points.MinY, 20);
  EXPECT_EQ(points.MaxY, 90);
}

}  // namespace
}  // namespace mirel
