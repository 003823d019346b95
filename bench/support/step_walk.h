#pragma once
// Playback one step at a time through a stretch of steps, as the < and >
// buttons go: `show(step)` for each step, starting over (untimed) when the
// stretch is walked through.
#include <benchmark/benchmark.h>

namespace mirel::bench {

// Walks from `from` towards `to` (either direction), one step per iteration.
template <class Show>
void WalkSteps(benchmark::State& state, int from, int to, Show show) {
  const int by = to > from ? 1 : -1;
  int step = from;
  show(step);
  for (auto _ : state) {
    step += by;
    if (step == to + by) {
      state.PauseTiming();
      step = from;
      show(step);
      state.ResumeTiming();
    }
    show(step);
  }
}

}  // namespace mirel::bench
