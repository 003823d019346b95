// The all-steps export of mirel-batch on a drawing of 1,000 steps, on one
// core and on two, next to the JPEG encoding of the same number of frames
// alone; and the cost of a frame (rebuild, compose, encode) late in a
// history of 1,000 steps next to one of 100,000.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <memory>

#include "batch/batch_commands.h"
#include "batch/batch_drawing.h"
#include "datafile/safe_save.h"
#include "export/jpeg_encoder.h"
#include "editor/process_frames.h"
#include "export/frame_sinks.h"
#include "text/picture_names.h"
#include "history/history_list.h"
#include "model/fig_ops.h"
#include "support/pinned_cores.h"
#include "support/qt_bench_main.h"

namespace {

using namespace mirel;

constexpr int kSteps = 1000;
constexpr int kLongSteps = 100000;

// Mostly new figures of every kind, every tenth step a move of an earlier
// figure, which makes the canvas be composed anew.
void MakeDrawing(const std::filesystem::path& file, int steps = kSteps) {
  THistoryList history;
  for (int step = 1; step <= steps; ++step) {
    const int x = (step * 37) % 600;
    const int y = (step * 53) % 440;
    TFigData f;
    f.PenWidth = 1 + step % 5;
    f.PenColor = static_cast<TColor>(step * 2654435761u) & 0xFFFFFF;
    f.BrushColor = step % 3 == 0 ? clBtnFace : (f.PenColor ^ 0x808080);
    f.Start = {x, y};
    f.End = {x + 40, y + 30};
    TActionItem* item = nullptr;
    if (steps > kSteps && step % kSteps == 0) {
      // A long session clears the canvas now and then and starts again, so
      // that its drawing stays as large as the short one's.
      item = history.AddAction(TFigData{});
      item->Data.TargetType = TActionKind::ClearDrawing;
    } else if (step % 10 == 0) {
      f.DrawingTool = dtRectangle;
      f.Start = {x + 5, y + 5};
      item = history.AddAction(f);
      item->Data.TargetType = TActionKind::Move;
      item->Data.TargetID = step - 5;
    } else {
      const TDrawingTool tools[] = {dtLine, dtEllipse, dtRectangle, dtFreeLine, dtPolygon};
      f.DrawingTool = tools[step % 5];
      if (IsPointListTool(f.DrawingTool)) {
        f.PointData = std::make_unique<TPointData>();
        for (int i = 0; i < 30; ++i) {
          f.PointData->AddPoint(x + i * 2, y + static_cast<int>(15 * std::sin(i / 3.0)));
        }
      }
      if (step % 10 == 5) f.DrawingTool = dtRectangle;  // the figure the move acts on
      item = history.AddAction(f);
      item->Data.TargetType = TActionKind::Create;
      item->Data.TargetID = step;
    }
    item->Data.ActionTime = {2026, 8, 12, 0, 10, 0, 0};
  }
  SaveHistoryToFile(history, file, TBackupRule::SaveAs);
}

struct TFixture {
  TFixture() {
    MakeDrawing(Dir.filePath("bench.mrl").toStdString());
    MakeDrawing(Dir.filePath("long.mrl").toStdString(), kLongSteps);
  }
  QTemporaryDir Dir;
};

using bench::TCores;

TFixture& Fixture() {
  static TFixture fixture;
  return fixture;
}

void BM_FramesCommand(benchmark::State& state) {
  TBatchOptions options;
  options.File = Fixture().Dir.filePath("bench.mrl").toStdString();
  options.Output = Fixture().Dir.filePath("frames/bench.jpg").toStdString();
  std::filesystem::create_directories(Fixture().Dir.filePath("frames").toStdString());
  for (auto _ : state) {
    if (RunFramesCommand(options) != kExitOk) state.SkipWithError("frames failed");
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FramesCommand)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// The series as the window and mirel-batch write it, on 1 or 2 cores.
void BM_FramesOnCores(benchmark::State& state) {
  const TCores cores(static_cast<int>(state.range(0)));
  TBatchDrawing drawing;
  drawing.Read(Fixture().Dir.filePath("bench.mrl").toStdString());
  const std::filesystem::path folder = Fixture().Dir.filePath("cores").toStdString();
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    const std::unique_ptr<IFrameSink> frames =
        MakeSeriesSink([&]() -> const QImage& { return drawing.BackBuffer.Image(); },
                       [&](int step) { return (folder / SeriesFrameName("c.jpg", step)).string(); },
                       static_cast<int>(state.range(0)));
    const TResult<> result =
        *RunProcess(*frames, SeriesPlan(kSteps), [&](std::int32_t step) { drawing.RebuildAndCompose(step); });
    if (!result.Ok) state.SkipWithError("frames failed");
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FramesOnCores)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// A frame late in a history of 1,000 or 100,000 steps: the last 1,000
// steps rebuilt, composed and encoded one after the other (no disk).
void BM_FramesLateInHistory(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  TBatchDrawing drawing;
  drawing.Read(Fixture().Dir.filePath(steps == kSteps ? "bench.mrl" : "long.mrl").toStdString());
  TJpegEncoder encoder;
  for (auto _ : state) {
    for (int step = steps - kSteps + 1; step <= steps; ++step) {
      benchmark::DoNotOptimize(encoder.Encode(drawing.RebuildAndCompose(step)).Ok);
    }
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FramesLateInHistory)->Arg(kSteps)->Arg(kLongSteps)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_JpegEncodingAlone(benchmark::State& state) {
  TBatchDrawing drawing;
  drawing.Read(Fixture().Dir.filePath("bench.mrl").toStdString());
  drawing.RebuildTo(kSteps);
  const QImage frame = drawing.Compose();
  TJpegEncoder encoder;
  for (auto _ : state) {
    for (int i = 0; i < kSteps; ++i) benchmark::DoNotOptimize(encoder.Encode(frame).Ok);
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JpegEncodingAlone)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return mirel::bench::RunWithQt<QGuiApplication>(argc, argv); }
