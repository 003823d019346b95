// Cost of a long history: appending records with a snapshot, and the
// recorder's walk back to a figure's ID at the end of such a history.
#include <benchmark/benchmark.h>

#include "history/action_recorder.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

TFigData SmallRect() {
  TFigData rect;
  rect.DrawingTool = dtRectangle;
  rect.Start = {10, 20};
  rect.End = {110, 90};
  return rect;
}

void BM_AppendRecords(benchmark::State& state) {
  const TFigData rect = SmallRect();
  const auto records = state.range(0);
  for (auto _ : state) {
    THistoryList history;
    for (std::int64_t i = 0; i < records; ++i) history.AddAction(rect);
    benchmark::DoNotOptimize(history.GetTail());
    state.PauseTiming();
    history.ClearHistory();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_AppendRecords)->Arg(100000)->Unit(benchmark::kMillisecond);

// Recording through the recorder (snapshot, ID, clock, log off).
void BM_RecordCreation(benchmark::State& state) {
  const auto records = state.range(0);
  for (auto _ : state) {
    state.PauseTiming();
    THistoryList history;
    TInternalLog log;
    TFigList figures;
    TActionRecorder recorder(history, log);
    state.ResumeTiming();
    for (std::int64_t i = 0; i < records; ++i) {
      recorder.RecordCreation(TActionKind::Create, AddCopy(figures, SmallRect()));
    }
    state.PauseTiming();
    history.ClearHistory();
    ClearFigList(figures);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_RecordCreation)->Arg(100000)->Unit(benchmark::kMillisecond);

// Moving the first figure of a drawing whose history is long: the ID lookup
// must not walk the history.
void BM_MoveAfterLongHistory(benchmark::State& state) {
  THistoryList history;
  TInternalLog log;
  TFigList figures;
  TActionRecorder recorder(history, log);
  TFigItem* first = AddCopy(figures, SmallRect());
  recorder.RecordCreation(TActionKind::Create, first);
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    recorder.RecordCreation(TActionKind::Create, AddCopy(figures, SmallRect()));
  }
  TActionItem* record = recorder.RecordEdit(TActionKind::Front, figures.GetTail());
  for (auto _ : state) {
    record->Data.TargetID = 0;
    recorder.FindFigureID(*record, &first->Data);
    benchmark::DoNotOptimize(record->Data.TargetID);
  }
}
BENCHMARK(BM_MoveAfterLongHistory)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirel
