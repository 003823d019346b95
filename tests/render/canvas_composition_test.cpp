#include "render/canvas_composition.h"

#include <gtest/gtest.h>

#include "support/figure_builders.h"
#include "gui_environment.h"
#include "model/fig_ops.h"
#include "render/figure_drawing.h"
#include "pixels.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::Rgb;
using test::RgbOf;

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;

QImage Solid(int width, int height, QRgb color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

TEST(ComposeCanvas, EmptyDrawingWithoutBackgroundIsWhite) {
  TSurface back(CanvasWidth, CanvasHeight);
  back.State.BrushColor = Red;
  back.FillRect({0, 0}, {640, 480});  // leftovers of an earlier frame
  TFigList figures;
  ComposeCanvas(back, Solid(640, 480, qRgb(255, 255, 255)), figures, nullptr);
  EXPECT_EQ(back.Image(), TSurface(CanvasWidth, CanvasHeight).Image());
  ComposeCanvas(back, QImage(), figures, nullptr);
  EXPECT_EQ(back.Image(), TSurface(CanvasWidth, CanvasHeight).Image());
}

TEST(ComposeCanvas, BackgroundShowsItsTopLeftAndWhiteBeyondASmallerOne) {
  TSurface back(CanvasWidth, CanvasHeight);
  TFigList figures;
  QImage large = Solid(800, 600, qRgb(0, 0, 255));
  large.setPixel(639, 479, qRgb(1, 2, 3));
  ComposeCanvas(back, large, figures, nullptr);
  EXPECT_EQ(Rgb(back.Image(), 0, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(back.Image(), 639, 479), 0x010203u);

  ComposeCanvas(back, Solid(100, 50, qRgb(0, 0, 255)), figures, nullptr);
  EXPECT_EQ(Rgb(back.Image(), 99, 49), 0x0000FFu);
  EXPECT_EQ(Rgb(back.Image(), 100, 49), 0xFFFFFFu);
  EXPECT_EQ(Rgb(back.Image(), 99, 50), 0xFFFFFFu);
}

TEST(ComposeCanvas, LaterFiguresCoverEarlierOnes) {
  TSurface back(CanvasWidth, CanvasHeight);
  TFigList figures;
  AddCopy(figures, BoxFig(dtRectangle, {10, 10}, {60, 60}, {1, clBlack, Red}));
  TFigItem* front = AddCopy(figures, BoxFig(dtEllipse, {30, 30}, {90, 90}, {1, clBlack, Green}));
  const QImage background = Solid(640, 480, qRgb(255, 255, 255));
  ComposeCanvas(back, background, figures, nullptr);
  EXPECT_EQ(Rgb(back.Image(), 50, 50), RgbOf(Green));
  EXPECT_EQ(Rgb(back.Image(), 20, 20), RgbOf(Red));

  MoveBack(figures, front);
  ComposeCanvas(back, background, figures, nullptr);
  EXPECT_EQ(Rgb(back.Image(), 50, 50), RgbOf(Red));
}

TEST(ComposeCanvas, SelectedFigureGetsOneMarkOverTheFigures) {
  TSurface back(CanvasWidth, CanvasHeight);
  TFigList figures;
  TFigItem* item = AddCopy(figures, BoxFig(dtRectangle, {100, 100}, {200, 150}, {1, clBlack, clBtnFace}));
  const QImage background = Solid(640, 480, qRgb(255, 255, 255));
  ComposeCanvas(back, background, figures, nullptr);
  const QImage plain = back.Image();
  ComposeCanvas(back, background, figures, item);
  const QImage marked = back.Image();
  EXPECT_NE(marked, plain);
  EXPECT_EQ(Rgb(marked, 97, 97), 0u);  // the mark's first dot, black on white
  // A repaint gives the same single mark, not a toggled one.
  ComposeCanvas(back, background, figures, item);
  EXPECT_EQ(back.Image(), marked);
  // Erasing the mark on the composed picture gives the unmarked frame.
  DrawSelectionMark(item->Data, back);
  EXPECT_EQ(back.Image(), plain);
}

}  // namespace
}  // namespace mirel
