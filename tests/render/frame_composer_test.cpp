// Composing step after step redraws only what changed, with the pixels of a
// full composition.
#include "render/frame_composer.h"

#include <gtest/gtest.h>

#include <random>

#include "support/figure_builders.h"
#include "model/fig_ops.h"
#include "pixels.h"
#include "render/canvas_composition.h"
#include "render/figure_drawing.h"

namespace mirel::test {
namespace {

class TChangingDrawing {
 public:
  explicit TChangingDrawing(unsigned seed) : rng_(seed) {}

  TFigData RandomFigure() {
    const TPoint a{Pick(-20, 640), Pick(-20, 480)};
    const TPoint b{a.X + Pick(-90, 90), a.Y + Pick(-90, 90)};
    const TColor brush = Pick(0, 3) == 0 ? clBtnFace : static_cast<TColor>(rng_() & 0xFFFFFF);
    const TColor pen = static_cast<TColor>(rng_() & 0xFFFFFF);
    switch (Pick(0, 4)) {
      case 0: return BoxFig(dtEllipse, a, b, {Pick(1, 9), pen, brush});
      case 1: return PointFig(dtPolygon, {a, b, {a.X, b.Y + 7}}, {Pick(1, 5), pen, brush});
      case 2: return TextFig(a, a, "mirel", Pick(8, 30), pen);
      case 3: {
        const TFigData inner = BoxFig(dtRectangle, {0, 0}, {20, 10}, {2, pen, brush});
        return StampFig(a, a, {&inner});
      }
      default: return BoxFig(dtRectangle, a, b, {Pick(1, 9), pen, brush});
    }
  }

  // One change as a step makes it: a new figure in front, a move, an
  // attribute, a delete, a reorder, or the background.
  void Change() {
    TFigItem* item = Random();
    LastChange = item ? Pick(0, 7) : 0;
    switch (LastChange) {
      case 0: AddCopy(Figures, RandomFigure()); break;
      case 1: OffsetFig(item->Data, Pick(-30, 30), Pick(-30, 30)); break;
      case 2: item->Data.PenColor ^= 0x00FF00; break;
      case 3: DeleteFig(Figures, item); break;
      case 4: Pick(0, 1) ? MoveFront(Figures, item) : MoveBack(Figures, item); break;
      case 5: Background = PatternImage(Pick(100, 700), Pick(100, 500)); break;
      case 6: {
        // A rebuild: the same figures as new copies.
        TFigList copies;
        for (const TFigItem* i = Figures.GetNext(Figures.GetHead()); i; i = i->Next()) AddCopy(copies, i->Data);
        ClearFigList(Figures);
        for (const TFigItem* i = copies.GetNext(copies.GetHead()); i; i = i->Next()) AddCopy(Figures, i->Data);
        break;
      }
      default: AddCopy(Figures, RandomFigure()); break;
    }
  }

  TFigItem* Random() {
    if (Figures.Count() == 0) return nullptr;
    TFigItem* item = Figures.GetNext(Figures.GetHead());
    for (int n = Pick(0, Figures.Count() - 1); n > 0; --n) item = item->Next();
    return item;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  int LastChange = 0;
  TFigList Figures;
  QImage Background = PatternImage(640, 480);

 private:
  std::mt19937 rng_;
};

TEST(FrameComposer, EveryStepHasThePixelsOfAFullComposition) {
  for (const unsigned seed : {1u, 2u, 5u}) {
    TChangingDrawing drawing(seed);
    // Enough figures for kept pictures below the changes.
    for (int i = 0; i < 80; ++i) AddCopy(drawing.Figures, drawing.RandomFigure());
    TFrameComposer composer;
    TSurface stepwise(CanvasWidth, CanvasHeight);
    TSurface full(CanvasWidth, CanvasHeight);
    for (int step = 0; step < 80; ++step) {
      drawing.Change();
      const TFigItem* selected = step % 5 == 0 ? drawing.Random() : nullptr;
      composer.Compose(stepwise, drawing.Background, drawing.Figures, selected);
      ComposeCanvas(full, drawing.Background, drawing.Figures, selected);
      ASSERT_EQ(stepwise.Image(), full.Image()) << "seed " << seed << ", step " << step << " change " << drawing.LastChange;
    }
  }
}

TEST(FrameComposer, DrawnBoundsHoldEveryPixelAFigureTouches) {
  TChangingDrawing drawing(9);
  std::vector<TFigData> figures;
  for (int n = 0; n < 150; ++n) figures.push_back(drawing.RandomFigure());
  // A thin outline of a flat ellipse reaches far out along its length.
  for (int across = 2; across <= 24; across += 2) {
    for (const int along : {120, 300, 460}) {
      TFigData flat = BoxFig(dtEllipse, {(CanvasWidth - along) / 2, 200}, {(CanvasWidth + along) / 2, 200 + across});
      flat.PenWidth = 1;
      figures.push_back(flat);
      if (along > 300) continue;
      std::swap(flat.Start.X, flat.Start.Y);
      std::swap(flat.End.X, flat.End.Y);
      figures.push_back(flat);
    }
  }
  TSurface alone(CanvasWidth, CanvasHeight);
  for (const TFigData& figure : figures) {
    alone.MutableImage().fill(Qt::black);
    DrawFigure(figure, alone, TPoint{}, TPenMode::Copy);
    const QRect bounds = DrawnBounds(figure);
    const QImage& image = alone.Image();
    for (int y = 0; y < CanvasHeight; ++y) {
      for (int x = 0; x < CanvasWidth; ++x) {
        if (Rgb(image, x, y) != 0 && !bounds.contains(x, y)) {
          FAIL() << "tool " << int{figure.DrawingTool} << " draws at " << x << "," << y;
        }
      }
    }
  }
}

TEST(FrameComposer, FingerprintsSeeEveryFieldThatIsDrawn) {
  const TFigData inner = BoxFig(dtRectangle, {0, 0}, {20, 10});
  const TFigData base = StampFig({5, 5}, {5, 5}, {&inner});
  TFigData other = base;
  EXPECT_EQ(FigureFingerprint(base), FigureFingerprint(other));
  other.StampData.MakeUnique().GetTail()->Data.End.X = 21;
  EXPECT_NE(FigureFingerprint(base), FigureFingerprint(other));
  TFigData text = TextFig({1, 1}, {1, 1}, "a", 12, clBlack);
  const std::uint64_t before = FigureFingerprint(text);
  text.Text = "b";
  EXPECT_NE(FigureFingerprint(text), before);
}

}  // namespace
}  // namespace mirel::test
