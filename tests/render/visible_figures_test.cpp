// Leaving out the figures that cannot show changes no pixel: filled figures
// paint their whole claimed inside, and the canvas drawn without the hidden
// figures is the canvas drawn with all of them, whole or within an area,
// stroked or filled from kept runs.
#include "render/visible_figures.h"

#include <gtest/gtest.h>

#include <random>

#include "model/fig_ops.h"
#include "pixels.h"
#include "render/canvas_composition.h"
#include "render/figure_drawing.h"
#include "render/figure_spans.h"
#include "support/full_composition.h"
#include "support/mixed_history.h"

namespace mirel::test {
namespace {

TEST(VisibleFigures, FilledFiguresPaintAllOfTheirOpaqueInside) {
  std::mt19937 rng(3);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  TSurface onBlack(CanvasWidth, CanvasHeight), onWhite(CanvasWidth, CanvasHeight);
  int checked = 0;
  for (int n = 0; n < 400; ++n) {
    TFigData f;
    f.DrawingTool = pick(0, 1) ? dtRectangle : dtEllipse;
    f.PenWidth = pick(0, 12);
    f.PenColor = static_cast<TColor>(rng() & 0xFFFFFF);
    f.BrushColor = pick(0, 9) == 0 ? 0x80000005u : static_cast<TColor>(rng() & 0xFFFFFF);
    f.Start = {pick(-20, 640), pick(-20, 480)};
    f.End = {f.Start.X + pick(-120, 120), f.Start.Y + pick(-120, 120)};
    std::vector<QRect> boxes;
    OpaqueInterior(f, pick(1, 8), boxes);
    onBlack.MutableImage().fill(Qt::black);
    onWhite.MutableImage().fill(Qt::white);
    DrawFigure(f, onBlack, TPoint{}, TPenMode::Copy);
    DrawFigure(f, onWhite, TPoint{}, TPenMode::Copy);
    for (const QRect& box : boxes) {
      const QRect inside = box.intersected(QRect(0, 0, CanvasWidth, CanvasHeight));
      for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
          ASSERT_EQ(Rgb(onBlack.Image(), x, y), Rgb(onWhite.Image(), x, y))
              << "tool " << int{f.DrawingTool} << " " << f.Start.X << "," << f.Start.Y << " " << f.End.X << ","
              << f.End.Y << " pen " << f.PenWidth << " at " << x << "," << y;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 100000);
  TFigData unfilled;
  unfilled.DrawingTool = dtRectangle;
  unfilled.BrushColor = clBtnFace;
  unfilled.End = {100, 100};
  std::vector<QRect> boxes{QRect(0, 0, 5, 5)};
  OpaqueInterior(unfilled, 4, boxes);
  EXPECT_TRUE(boxes.empty());
}

TEST(VisibleFigures, CanvasAndAreasHaveThePixelsOfEveryFigureDrawn) {
  for (const unsigned seed : {1u, 2u, 3u, 4u}) {
    bench::TMixedHistory maker(seed);
    std::mt19937 rng(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    TFigList figures;
    const QImage background = PatternImage(640, 480);
    TSurface culled(CanvasWidth, CanvasHeight);
    // Sparse drawings and dense ones, where most figures are painted over.
    for (const int count : {5, 60, 400}) {
      while (figures.Count() < count) AddCopy(figures, maker.RandomFigure());
      const QImage expected = DrawnLiterally(figures, background);
      ComposeCanvas(culled, background, figures, nullptr);
      ASSERT_EQ(culled.Image(), expected) << "seed " << seed << ", " << count << " figures";
      for (int n = 0; n < 6; ++n) {
        QRegion area;
        for (int r = pick(1, 3); r > 0; --r) area |= QRect(pick(-30, 620), pick(-30, 460), pick(1, 200), pick(1, 160));
        // Only the area is redrawn, over what was composed.
        TSurface partial(CanvasWidth, CanvasHeight);
        partial.MutableImage() = expected;
        for (const QRect& r : area) partial.CopyRect(r, background, r);
        DrawVisibleFigures(partial, figures, area);
        ASSERT_EQ(partial.Image(), expected) << "seed " << seed << ", area " << n;
      }
      // From kept runs: stroked, then kept, then filled front first.
      TFigureSpans spans;
      const auto bounds = [](const TFigData& f) { return DrawnBounds(f); };
      for (int pass = 0; pass < 3; ++pass) {
        CopyBackground(culled, background);
        DrawVisibleFigures(culled, figures, QRect(0, 0, CanvasWidth, CanvasHeight), bounds, &spans);
        ASSERT_EQ(culled.Image(), expected) << "seed " << seed << ", " << count << " figures, pass " << pass;
        const QRect area(pick(-30, 620), pick(-30, 460), pick(1, 300), pick(1, 200));
        culled.CopyRect(area, background, area);
        DrawVisibleFigures(culled, figures, area, bounds, &spans);
        ASSERT_EQ(culled.Image(), expected) << "seed " << seed << ", " << count << " figures, pass " << pass;
      }
    }
  }
}

}  // namespace
}  // namespace mirel::test
