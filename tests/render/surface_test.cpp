#include "render/surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <vector>

#include "render/canvas_font.h"
#include "gui_environment.h"
#include "pixels.h"

namespace mirel {
namespace {

using test::Rgb;
using test::RgbOf;

TEST(Surface, NewSurfaceIsWhiteRgb32) {
  TSurface surface(640, 480);
  const QImage& image = surface.Image();
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  EXPECT_EQ(image.size(), QSize(640, 480));
  for (int y = 0; y < 480; y += 37)
    for (int x = 0; x < 640; x += 41) ASSERT_EQ(Rgb(image, x, y), 0xFFFFFFu) << x << "," << y;
}

TEST(Surface, PresetsSetPenBrushAndMode) {
  TSurface surface(8, 8);
  surface.State.FontSize = 20;
  SetMarkPen(surface);
  EXPECT_EQ(surface.State.PenWidth, 1);
  EXPECT_EQ(surface.State.PenStyle, TPenStyle::Dot);
  EXPECT_EQ(surface.State.PenMode, TPenMode::NotXor);
  EXPECT_EQ(surface.State.BrushColor, clWhite);
  EXPECT_EQ(surface.State.BrushStyle, TBrushStyle::Solid);
  SetDrawDefaults(surface.State);
  EXPECT_EQ(surface.State.PenWidth, 4);
  EXPECT_EQ(surface.State.PenStyle, TPenStyle::Solid);
  EXPECT_EQ(surface.State.PenColor, clBlack);
  EXPECT_EQ(surface.State.PenMode, TPenMode::Copy);
  EXPECT_EQ(surface.State.BrushStyle, TBrushStyle::Solid);
  EXPECT_EQ(surface.State.FontSize, 20);  // the font is not part of the presets
}

TEST(Surface, RectangleCoversItsBoxWithoutTheFarEdges) {
  TSurface surface(40, 40);
  surface.State.PenWidth = 1;
  surface.State.BrushStyle = TBrushStyle::Clear;
  // Corners in either order give the same box.
  surface.Rectangle({20, 20}, {10, 10});
  const QImage& image = surface.Image();
  EXPECT_EQ(Rgb(image, 10, 10), 0u);
  EXPECT_EQ(Rgb(image, 19, 19), 0u);
  EXPECT_EQ(Rgb(image, 19, 10), 0u);
  EXPECT_EQ(Rgb(image, 20, 20), 0xFFFFFFu);
  EXPECT_EQ(Rgb(image, 15, 15), 0xFFFFFFu);  // clear brush
}

TEST(Surface, LineToDrawsWithThePenAndMovesThePenPosition) {
  TSurface surface(40, 40);
  surface.State.PenWidth = 1;
  surface.State.PenColor = 0x0000FF;  // red as 0x00BBGGRR
  surface.MoveTo({5, 10});
  surface.LineTo({30, 10});
  EXPECT_EQ(surface.State.PenPos, (TPoint{30, 10}));
  const QImage& image = surface.Image();
  EXPECT_EQ(Rgb(image, 5, 10), 0xFF0000u);
  EXPECT_EQ(Rgb(image, 20, 10), 0xFF0000u);
  EXPECT_EQ(Rgb(image, 20, 11), 0xFFFFFFu);
}

TEST(Surface, SystemColoursUseTheClassicPalette) {
  TSurface surface(10, 10);
  surface.State.BrushColor = clBtnFace;
  surface.FillRect({0, 0}, {10, 10});
  EXPECT_EQ(Rgb(surface.Image(), 5, 5), 0xD4D0C8u);
  surface.State.BrushColor = 0x80000005;  // window background
  surface.FillRect({0, 0}, {10, 10});
  EXPECT_EQ(Rgb(surface.Image(), 5, 5), 0xFFFFFFu);
}

TEST(Surface, NotXorTwiceRestoresEveryPixel) {
  TSurface surface(120, 100);
  const QImage pattern = test::PatternImage(120, 100);
  surface.CopyRect(QRect(0, 0, 120, 100), pattern, pattern.rect());
  SetMarkPen(surface);
  surface.State.PenColor = 0x3366CC;
  const std::vector<TPoint> zigzag = {{5, 5}, {60, 90}, {110, 10}, {20, 50}};
  auto drawAll = [&] {
    surface.Rectangle({10, 10}, {90, 70});
    surface.Ellipse({30, 20}, {100, 95});
    surface.Polyline(zigzag);
    surface.MoveTo({0, 99});
    surface.LineTo({119, 0});
  };
  drawAll();
  EXPECT_NE(surface.Image(), pattern);
  drawAll();
  EXPECT_EQ(surface.Image(), pattern);

  // A wide solid pen and a filled shape restore as well.
  surface.State.PenWidth = 4;
  surface.State.PenStyle = TPenStyle::Solid;
  surface.State.BrushStyle = TBrushStyle::Solid;
  surface.State.BrushColor = 0x00FF00;
  surface.Polygon(zigzag);
  surface.Polygon(zigzag);
  EXPECT_EQ(surface.Image(), pattern);
}

TEST(Surface, NotXorWithBlackInvertsAndWithWhiteKeeps) {
  TSurface surface(20, 20);
  surface.State.BrushColor = 0x204060;
  surface.FillRect({0, 0}, {20, 20});
  surface.State.PenMode = TPenMode::NotXor;
  surface.State.PenWidth = 1;
  surface.State.PenColor = clBlack;
  surface.State.BrushColor = clWhite;
  surface.State.BrushStyle = TBrushStyle::Solid;
  surface.Rectangle({2, 2}, {18, 18});
  const QImage& image = surface.Image();
  EXPECT_EQ(Rgb(image, 2, 2), 0xFFFFFFu ^ RgbOf(0x204060));
  EXPECT_EQ(Rgb(image, 10, 10), RgbOf(0x204060));  // white brush: unchanged
}

TEST(Surface, TextOutMovesPenToRightEndAndPaintsBackgroundPerBrush) {
  TSurface surface(200, 60);
  surface.State.FontSize = 12;
  surface.State.FontColor = clBlack;
  surface.State.BrushColor = 0x00FFFF;  // yellow
  surface.State.BrushStyle = TBrushStyle::Solid;
  const QString text = QString::fromUtf8("あいう");
  surface.TextOut({10, 5}, text);
  const int width = surface.TextWidth(text);
  EXPECT_GT(width, 0);
  EXPECT_EQ(width, CanvasTextWidth(text, 12));
  EXPECT_EQ(surface.State.PenPos, (TPoint{10 + width, 5}));
  // Opaque: the cell's corner takes the brush colour.
  EXPECT_EQ(Rgb(surface.Image(), 10, 5), 0xFFFF00u);

  surface.State.BrushStyle = TBrushStyle::Clear;
  surface.TextOut({10, 30}, text);
  EXPECT_EQ(Rgb(surface.Image(), 10, 30), 0xFFFFFFu);
}

TEST(Surface, TextsUseTheJapaneseGothicFace) {
  const QFont font = CanvasFont(12);
  EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(CanvasFontFamily));
  EXPECT_EQ(font.pixelSize(), 16);  // 12 points at 96 pixels per inch
  EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x3042)));  // "あ"
}

TEST(Surface, CopyRectStretches) {
  TSurface source(20, 20);
  source.State.BrushColor = 0x0000FF;
  source.FillRect({0, 0}, {10, 20});
  TSurface target(10, 10);
  target.CopyRect(QRect(0, 0, 10, 10), source, QRect(0, 0, 20, 20));
  EXPECT_EQ(Rgb(target.Image(), 1, 5), 0xFF0000u);
  EXPECT_EQ(Rgb(target.Image(), 8, 5), 0xFFFFFFu);
}

// Coordinates and widths from a file may be anywhere in 32 bits: drawing
// them must finish quickly and touch only pixels in the picture.
TEST(Surface, ExtremeGeometryIsDrawnSafely) {
  TSurface surface(64, 48);
  surface.State.PenWidth = 2147483647;
  surface.Ellipse({-2147483647 - 1, -2000000000}, {2147483647, 2000000000});
  surface.Rectangle({-2000000000, 10}, {2000000000, 20});
  surface.State.PenWidth = 3;
  surface.MoveTo({-2147483647 - 1, 0});
  surface.LineTo({2147483647, 47});
  const std::vector<TPoint> far = {{-2000000000, -2000000000}, {2000000000, 5}, {5, 2000000000}};
  surface.Polygon(far);
  surface.Polyline(far);
  surface.State.FontSize = 2147483647;
  surface.TextOut({-5, -5}, QStringLiteral("A"));
  EXPECT_EQ(surface.Image().size(), QSize(64, 48));
}

// A text moved to the far end of the coordinate range shows nothing, yet its
// pen position follows as for any text.
TEST(Surface, TextAtTheEndOfTheCoordinateRangeShowsNothing) {
  TSurface surface(64, 48);
  surface.State.FontSize = 200;
  surface.State.BrushStyle = TBrushStyle::Solid;
  surface.State.BrushColor = 0x0000FF;
  const int width = surface.TextWidth(QStringLiteral("Hi"));
  const TPoint at{2147483647 - 10, 2147483647 - 10};
  surface.TextOut(at, QStringLiteral("Hi"));
  EXPECT_EQ(surface.State.PenPos, (TPoint{WrapAdd(at.X, width), at.Y}));
  surface.TextOut({-2147483647 - 1, 2147483647}, QStringLiteral("Hi"));
  const QImage& image = surface.Image();
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(Rgb(image, x, y), 0xFFFFFFu) << x << "," << y;
}

}  // namespace
}  // namespace mirel
