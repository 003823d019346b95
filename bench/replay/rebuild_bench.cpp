// Cost of rebuilding the drawing: the last step of long histories (the time
// per record must not grow with the length), and a chain of branches each
// resuming from the one before it.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "model/fig_ops.h"
#include "replay/replay_engine.h"
#include "session.h"

namespace mirel {
namespace {

using namespace mirel::bench;

void BM_RebuildLastStep(benchmark::State& state) {
  TDrawing d;
  MakeSession(d, state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.Engine.RebuildDrawing(d.History.GetTail()));
  }
  state.counters["figures"] = static_cast<double>(d.FigList.Count());
  state.counters["per_record"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_RebuildLastStep)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same sessions cleared every 500 records: the drawing stays small and
// only the history grows.
void BM_RebuildLastStepSmallDrawing(benchmark::State& state) {
  TDrawing d;
  MakeSession(d, state.range(0), 500);
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.Engine.RebuildDrawing(d.History.GetTail()));
  }
  state.counters["figures"] = static_cast<double>(d.FigList.Count());
  state.counters["per_record"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_RebuildLastStepSmallDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Sixty branches, each resuming from the branch before it, over a small
// drawing: replaying each branch's steps again would double the work at
// every branch.
void BM_RebuildBranchChain(benchmark::State& state) {
  TDrawing d;
  std::mt19937 rng(3);
  for (std::int32_t id = 1; id <= 20; ++id) {
    const TFigData fig = FreeLine(rng);
    Append(d.History, TActionKind::Create, id, &fig);
  }
  for (std::int32_t k = 21; k < 21 + state.range(0); ++k) Append(d.History, TActionKind::Branch, k - 1);
  const TFigData last = Rect(rng);
  Append(d.History, TActionKind::Create, 21, &last);
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.Engine.RebuildDrawing(d.History.GetTail()));
  }
  state.counters["figures"] = static_cast<double>(d.FigList.Count());
}
BENCHMARK(BM_RebuildBranchChain)->Arg(60)->Unit(benchmark::kMicrosecond);

// Playback of a whole session, one rebuild per step, as the all-steps
// export does.
void BM_RebuildEveryStep(benchmark::State& state) {
  TDrawing d;
  MakeSession(d, state.range(0));
  for (auto _ : state) {
    for (const TActionItem* i = d.History.GetHead(); i; i = i->Next()) {
      benchmark::DoNotOptimize(d.Engine.RebuildDrawing(i));
    }
  }
}
BENCHMARK(BM_RebuildEveryStep)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel

namespace mirel {
namespace {

// The floor under a rebuild: one walk over the records, touching each once,
// as the rebuild's first pass does. Its time per record shows what the
// memory of a long history costs by itself.
void BM_WalkHistoryOnly(benchmark::State& state) {
  TDrawing d;
  MakeSession(d, state.range(0), 500);
  for (auto _ : state) {
    std::int64_t creating = 0;
    for (TActionItem* i = d.History.GetHead(); i; i = i->Next()) {
      i->Data.LiveItem = nullptr;
      creating += IsCreatingKind(i->Data.TargetType);
    }
    benchmark::DoNotOptimize(creating);
  }
  state.counters["per_record"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_WalkHistoryOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel
