// Cost of stored copies: every figure entering a list or the history is one.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/fig_ops.h"

namespace mirel {
namespace {

TFigData FreeLine(int points) {
  TFigData line;
  line.DrawingTool = dtFreeLine;
  line.PointData = std::make_unique<TPointData>();
  for (int i = 0; i < points; ++i) line.PointData->AddPoint(i % 640, (i * 7) % 480);
  FitToPoints(line);
  return line;
}

// A stamp whose contents are `width` figures, nested `depth` levels deep; the
// innermost level holds rectangles and 50-point free lines.
TFigData StampTree(int depth, int width) {
  TFigData stamp;
  stamp.DrawingTool = dtStamp;
  stamp.StampData = std::make_unique<TFigList>();
  for (int i = 0; i < width; ++i) {
    if (depth > 1) {
      AddCopy(stamp.StampData.MakeUnique(), StampTree(depth - 1, width));
    } else if (i % 2 == 0) {
      TFigData rect;
      rect.DrawingTool = dtRectangle;
      rect.End = {i, i};
      AddCopy(stamp.StampData.MakeUnique(), rect);
    } else {
      AddCopy(stamp.StampData.MakeUnique(), FreeLine(50));
    }
  }
  return stamp;
}

void BM_AddCopyStampTree(benchmark::State& state) {
  const TFigData stamp = StampTree(static_cast<int>(state.range(0)), 10);
  TFigList list;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AddCopy(list, stamp));
    state.PauseTiming();
    ClearFigList(list);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddCopyStampTree)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_AddCopyFreeLine2000(benchmark::State& state) {
  const TFigData line = FreeLine(TPointData::MaxPoints);
  TFigList list;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AddCopy(list, line));
    state.PauseTiming();
    ClearFigList(list);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddCopyFreeLine2000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirel
