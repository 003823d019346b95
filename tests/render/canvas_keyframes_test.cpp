// Kept canvases spread over the steps shown, serve the steps near them and
// stay within their number however long the history.
#include "render/canvas_keyframes.h"

#include <gtest/gtest.h>

#include <random>

namespace mirel::test {
namespace {

QImage Canvas(QRgb colour) {
  QImage canvas(8, 4, QImage::Format_RGB32);
  canvas.fill(colour);
  return canvas;
}

TEST(CanvasKeyframes, KeptCanvasesStayWithinTheirNumberOverAHundredThousandSteps) {
  TCanvasKeyframes kept;
  std::mt19937 rng(19);
  for (int n = 0; n < 100'000; ++n) {
    const auto step = static_cast<std::int32_t>(rng() % 100'001);
    kept.Offer(step, 1, 7, Canvas(static_cast<QRgb>(step)));
    ASSERT_LE(kept.Count(), TCanvasKeyframes::kMaxKept);
  }
  EXPECT_EQ(kept.Count(), TCanvasKeyframes::kMaxKept);
  // Whatever was let go, a canvas found is the one composed for its step.
  for (std::int32_t step = 0; step <= 100'000; step += 997) {
    if (const TKeyframe* before = kept.Before(step, 1, 7)) {
      EXPECT_LE(before->Step, step);
      EXPECT_EQ(before->Canvas.pixel(0, 0), Canvas(static_cast<QRgb>(before->Step)).pixel(0, 0));
    }
  }
}

TEST(CanvasKeyframes, AStepNearAKeptCanvasIsServedByIt) {
  constexpr std::int32_t kNear = TCanvasKeyframes::kSpacing;
  struct TCase {
    const char* What;
    std::int32_t Step;
    std::uint64_t History;
    qint64 Background;
    std::int32_t Serving;  // the step of the kept canvas nearest Step
    std::size_t Count;
  };
  // Step 100 of history 1 over background 7 is kept first. A canvas near
  // it over the same background is not kept too; one over another
  // background or of another history takes its place.
  const TCase cases[] = {
      {"near after", 100 + kNear, 1, 7, 100, 1},
      {"near before", 100 - kNear, 1, 7, 100, 1},
      {"far enough after", 100 + kNear + 1, 1, 7, 100 + kNear + 1, 2},
      {"far enough before", 100 - kNear - 1, 1, 7, 100 - kNear - 1, 2},
      {"another background", 105, 1, 8, 105, 1},
      {"another history", 500, 2, 7, 500, 1},
  };
  for (const TCase& c : cases) {
    TCanvasKeyframes kept;
    kept.Offer(100, 1, 7, Canvas(1));
    kept.Offer(c.Step, c.History, c.Background, Canvas(2));
    EXPECT_EQ(kept.Count(), c.Count) << c.What;
    const TKeyframe* before = kept.Before(c.Step, c.History, c.Background);
    const TKeyframe* after = kept.After(c.Step, c.History, c.Background);
    const TKeyframe* nearest = !before || (after && after->Step - c.Step < c.Step - before->Step) ? after : before;
    ASSERT_TRUE(nearest) << c.What;
    EXPECT_EQ(nearest->Step, c.Serving) << c.What;
    EXPECT_EQ(nearest->Canvas, Canvas(nearest->Step == 100 ? 1 : 2)) << c.What;
  }
}

}  // namespace
}  // namespace mirel::test
