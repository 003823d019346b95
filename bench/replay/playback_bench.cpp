// Playback as the window shows it: a step rebuilt and composed, on a drawing
// of about 3,000 figures at 10,000 steps: the next step, and any step.
#include <benchmark/benchmark.h>

#include <QImage>

#include "render/frame_composer.h"
#include "session.h"
#include "support/step_walk.h"

namespace mirel {
namespace {

using namespace mirel::bench;

struct TPlayback {
  TDrawing d;
  TSurface backBuffer{CanvasWidth, CanvasHeight};
  TFrameComposer composer;
  QImage background{CanvasWidth, CanvasHeight, QImage::Format_RGB32};
  TPlayback() {
    MakeSession(d, 10000);
    background.fill(Qt::white);
  }
  void Show(std::int32_t step) {
    d.Engine.RebuildStep(step);
    composer.Compose(backBuffer, background, d.FigList, nullptr);
  }
};

void BM_PlaybackNextStep(benchmark::State& state) {
  TPlayback p;
  bench::WalkSteps(state, 9000, 10000, [&](int step) { p.Show(step); });
  state.counters["figures"] = static_cast<double>(p.d.FigList.Count());
}
BENCHMARK(BM_PlaybackNextStep)->Unit(benchmark::kMillisecond);

// Stepping back rebuilds from the nearest checkpoint; the canvas changes
// as little as stepping forward.
void BM_PlaybackPreviousStep(benchmark::State& state) {
  TPlayback p;
  bench::WalkSteps(state, 10000, 9000, [&](int step) { p.Show(step); });
}
BENCHMARK(BM_PlaybackPreviousStep)->Unit(benchmark::kMillisecond);

void BM_PlaybackAnyStep(benchmark::State& state) {
  TPlayback p;
  std::mt19937 rng(11);
  for (auto _ : state) p.Show(static_cast<std::int32_t>(rng() % 10001));
}
BENCHMARK(BM_PlaybackAnyStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel

namespace mirel {
namespace {

// The rebuild alone, for the share of the two.
void BM_RebuildNextStep(benchmark::State& state) {
  TDrawing d;
  MakeSession(d, 10000);
  std::int32_t step = 9000;
  d.Engine.RebuildStep(step);
  for (auto _ : state) {
    if (++step > 10000) {
      state.PauseTiming();
      step = 9000;
      d.Engine.RebuildStep(step);
      state.ResumeTiming();
    }
    d.Engine.RebuildStep(step);
  }
}
BENCHMARK(BM_RebuildNextStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirel
