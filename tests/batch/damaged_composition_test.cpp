// Composing a step from the damage its records report gives the pixels of
// drawing the whole canvas, at every step of random mixed histories (stamps,
// clears, backgrounds, duplicates, undos, reorders and resumes), stepping
// forward, back and jumping.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "batch/batch_drawing.h"
#include "pixels.h"
#include "support/full_composition.h"
#include "support/mixed_history.h"

namespace mirel::test {
namespace {

TEST(DamagedComposition, EveryStepHasThePixelsOfTheWholeCanvasDrawn) {
  QTemporaryDir pictures;
  // bg2.bmp is missing: the background before it stays.
  ASSERT_TRUE(PatternImage(640, 480).save(pictures.filePath("bg0.bmp"), "BMP"));
  ASSERT_TRUE(PatternImage(300, 200).mirrored().save(pictures.filePath("bg1.bmp"), "BMP"));
  constexpr int kSteps = 120;
  for (const unsigned seed : {1u, 2u, 3u}) {
    TBatchDrawing drawing({pictures.path().toStdString()});
    bench::TMixedHistory(seed, true).Make(drawing.History, kSteps);
    std::mt19937 rng(seed);
    auto check = [&](int step) {
      const QImage& composed = drawing.RebuildAndCompose(step);
      ASSERT_EQ(composed, DrawnLiterally(drawing.FigList, drawing.Background.Picture()))
          << "seed " << seed << ", step " << step;
    };
    for (int step = 0; step <= kSteps && !HasFatalFailure(); ++step) {
      check(step);
      if (step % 25 == 24) {
        check(static_cast<int>(rng() % static_cast<unsigned>(step)));  // a jump back
        check(step - 1);                                                // the step before
        check(step);
      }
    }
  }
}

}  // namespace
}  // namespace mirel::test
