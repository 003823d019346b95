#include "render/figure_drawing.h"

#include <gtest/gtest.h>

#include "support/figure_builders.h"
#include "gui_environment.h"
#include "pixels.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::PointFig;
using test::Rgb;
using test::RgbOf;
using test::StampFig;
using test::TextFig;

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

// A surface filled with one colour.
void Fill(TSurface& surface, TColor color) {
  surface.State.BrushColor = color;
  surface.State.BrushStyle = TBrushStyle::Solid;
  surface.FillRect({0, 0}, {surface.Width(), surface.Height()});
}

TEST(DrawFigure, NoFillBodiesShowWhatIsBehind) {
  TSurface surface(100, 100);
  Fill(surface, Red);
  for (TDrawingTool tool : {dtRectangle, dtEllipse}) {
    DrawFigure(BoxFig(tool, {10, 10}, {90, 90}, {1, clBlack, clBtnFace}), surface, {}, TPenMode::Copy);
    EXPECT_EQ(Rgb(surface.Image(), 50, 50), 0xFF0000u) << int(tool);
    EXPECT_EQ(surface.State.BrushStyle, TBrushStyle::Clear);
  }
  DrawFigure(PointFig(dtPolygon, {{10, 10}, {90, 10}, {50, 90}}, {1, clBlack, clBtnFace}), surface, {},
             TPenMode::Copy);
  EXPECT_EQ(Rgb(surface.Image(), 50, 40), 0xFF0000u);

  DrawFigure(BoxFig(dtRectangle, {10, 10}, {90, 90}, {1, clBlack, clWhite}), surface, {}, TPenMode::Copy);
  EXPECT_EQ(Rgb(surface.Image(), 50, 50), 0xFFFFFFu);
  DrawFigure(PointFig(dtPolygon, {{10, 10}, {90, 10}, {50, 90}}, {1, clBlack, Blue}), surface, {},
             TPenMode::Copy);
  EXPECT_EQ(Rgb(surface.Image(), 50, 40), RgbOf(Blue));
}

TEST(DrawFigure, OpenFiguresAreNeverFilled) {
  TSurface surface(100, 100);
  DrawFigure(PointFig(dtPolyline, {{10, 10}, {90, 10}, {50, 90}}, {1, clBlack, Blue}), surface, {},
             TPenMode::Copy);
  DrawFigure(PointFig(dtFreeLine, {{10, 10}, {90, 10}, {50, 90}}, {1, clBlack, Blue}), surface, {},
             TPenMode::Copy);
  EXPECT_EQ(Rgb(surface.Image(), 50, 40), 0xFFFFFFu);
  EXPECT_EQ(Rgb(surface.Image(), 50, 10), 0u);
}

TEST(DrawFigure, SetsTheSurfaceStateFromTheFigureAndOffsetsIt) {
  TSurface surface(100, 100);
  SetMarkPen(surface);
  DrawFigure(BoxFig(dtLine, {0, 0}, {20, 0}, {6, Red, Blue}), surface, {30, 40}, TPenMode::Copy);
  EXPECT_EQ(surface.State.PenWidth, 6);
  EXPECT_EQ(surface.State.PenColor, Red);
  EXPECT_EQ(surface.State.PenStyle, TPenStyle::Solid);
  EXPECT_EQ(surface.State.BrushColor, Blue);
  EXPECT_EQ(surface.State.PenMode, TPenMode::Copy);
  EXPECT_EQ(surface.State.PenPos, (TPoint{50, 40}));
  EXPECT_EQ(Rgb(surface.Image(), 40, 40), 0xFF0000u);
  EXPECT_EQ(Rgb(surface.Image(), 10, 0), 0xFFFFFFu);
}

TEST(DrawFigure, TextHasATransparentBackgroundWhateverItsBrush) {
  TSurface surface(200, 60);
  Fill(surface, Red);
  const TFigData text = TextFig({10, 10}, {10, 10}, "\x82\xA0\x82\xA2", 20, Blue, {1, clBlack, clWhite});  // "あい"
  DrawFigure(text, surface, {}, TPenMode::Copy);
  const QImage& image = surface.Image();
  int glyph = 0, other = 0;
  const int width = surface.State.PenPos.X - 10;
  ASSERT_GT(width, 10);
  for (int y = 10; y < 40; ++y) {
    for (int x = 10; x < 10 + width; ++x) {
      const unsigned rgb = Rgb(image, x, y);
      if (rgb == RgbOf(Blue)) {
        ++glyph;
      } else {
        ASSERT_EQ(rgb, 0xFF0000u) << x << "," << y;
        ++other;
      }
    }
  }
  EXPECT_GT(glyph, 20);
  EXPECT_GT(other, glyph);
  EXPECT_EQ(surface.State.FontSize, 20);
  EXPECT_EQ(surface.State.FontColor, Blue);
}

TEST(DrawStamp, NestedStampsAddOffsetsLevelByLevel) {
  // A one-pixel dot at the inner stamp's origin: a line one pixel long.
  const TFigData dot = BoxFig(dtLine, {0, 0}, {1, 0}, {1, Red, clWhite});
  const TFigData inner = StampFig({10, 5}, {10, 5}, {&dot});
  const TFigData outer = StampFig({100, 100}, {100, 100}, {&inner});
  TSurface surface(200, 200);
  DrawFigure(outer, surface, {}, TPenMode::Copy);
  EXPECT_EQ(Rgb(surface.Image(), 110, 105), 0xFF0000u);
  EXPECT_EQ(Rgb(surface.Image(), 100, 100), 0xFFFFFFu);
  EXPECT_EQ(Rgb(surface.Image(), 10, 5), 0xFFFFFFu);

  // The stamp's own End never scales its contents.
  TFigData stretched = outer;
  stretched.End = {190, 190};
  TSurface other(200, 200);
  DrawFigure(stretched, other, {}, TPenMode::Copy);
  EXPECT_EQ(other.Image(), surface.Image());
}

TEST(DrawStamp, DrawsInCopyModeAndLeavesTheLastFiguresAttributes) {
  const TFigData first = BoxFig(dtRectangle, {0, 0}, {20, 20}, {2, Red, Blue});
  const TFigData last = BoxFig(dtEllipse, {30, 0}, {50, 20}, {8, Blue, clBtnFace});
  const TFigData stamp = StampFig({10, 10}, {10, 10}, {&first, &last});
  TSurface surface(100, 100);
  DrawFigure(stamp, surface, {}, TPenMode::NotXor);
  EXPECT_EQ(surface.State.PenMode, TPenMode::Copy);
  EXPECT_EQ(surface.State.PenWidth, 8);
  EXPECT_EQ(surface.State.PenColor, Blue);
  EXPECT_EQ(surface.State.BrushColor, clBtnFace);
  EXPECT_EQ(surface.State.BrushStyle, TBrushStyle::Clear);
  // Copy mode: the fill is the figure's colour, not a not-xor mix with white.
  EXPECT_EQ(Rgb(surface.Image(), 20, 20), RgbOf(Blue));
}

TEST(DrawStamp, EmptyContentsDrawNothing) {
  TSurface surface(50, 50);
  TFigData stamp = StampFig({10, 10}, {10, 10}, std::initializer_list<const TFigData*>{});
  DrawFigure(stamp, surface, {}, TPenMode::Copy);
  const TSurface white(50, 50);
  EXPECT_EQ(surface.Image(), white.Image());
}

TEST(DrawSelectionMark, DrawnTwiceLeavesThePixelsUnchanged) {
  TSurface surface(100, 100);
  const QImage pattern = test::PatternImage(100, 100);
  surface.CopyRect(QRect(0, 0, 100, 100), pattern, pattern.rect());
  // Corners as stored, unordered (a line drawn right to left).
  const TFigData line = BoxFig(dtLine, {80, 70}, {20, 10});
  DrawSelectionMark(line, surface);
  const QImage marked = surface.Image();
  EXPECT_NE(marked, pattern);
  // The box runs from (77, 67) to (23, 13), the far edges excluded. Its
  // dots invert with black; the inside and the outside stay.
  int inverted = 0;
  for (int x = 23; x <= 76; ++x) {
    if (Rgb(marked, x, 13) == (~Rgb(pattern, x, 13) & 0xFFFFFFu)) ++inverted;
    else EXPECT_EQ(Rgb(marked, x, 13), Rgb(pattern, x, 13));
  }
  EXPECT_EQ(Rgb(marked, 77, 13), Rgb(pattern, 77, 13));
  EXPECT_EQ(Rgb(marked, 50, 12), Rgb(pattern, 50, 12));
  EXPECT_GT(inverted, 20);
  EXPECT_LT(inverted, 60);  // dotted, not solid
  EXPECT_EQ(Rgb(marked, 50, 40), Rgb(pattern, 50, 40));
  DrawSelectionMark(line, surface);
  EXPECT_EQ(surface.Image(), pattern);
}

}  // namespace
}  // namespace mirel
