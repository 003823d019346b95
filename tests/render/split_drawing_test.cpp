// Drawing the front figures on another thread, in a layer laid over the
// others, gives the pixels of drawing every figure in order on one.
#include "render/split_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/fig_ops.h"
#include "pixels.h"
#include "support/full_composition.h"
#include "support/mixed_history.h"

namespace mirel::test {
namespace {

TEST(SplitDrawing, FiguresDrawnInTwoHalvesHaveThePixelsOfDrawingThemInOrder) {
  for (const unsigned seed : {5u, 6u}) {
    bench::TMixedHistory maker(seed);
    const QImage background = PatternImage(640, 480);
    TFigList figures;
    // Too few to split, and enough: every kind of figure, in every half.
    for (const int count : {40, 300, 1200}) {
      while (figures.Count() < count) AddCopy(figures, maker.RandomFigure());
      std::vector<const TFigData*> frontFirst;
      for (const TFigItem* i = figures.GetTail(); i != figures.GetHead(); i = i->Prev()) frontFirst.push_back(&i->Data);
      TSurface split(CanvasWidth, CanvasHeight);
      CopyBackground(split, background);
      DrawBackToFront(frontFirst, split);
      ASSERT_EQ(split.Image(), DrawnLiterally(figures, background)) << "seed " << seed << ", " << count << " figures";
    }
  }
}

}  // namespace
}  // namespace mirel::test
