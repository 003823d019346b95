// The all-steps export of mirel-batch on a drawing of 1,000 steps, next to
// the JPEG encoding of the same number of frames alone.
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
#include "history/history_list.h"
#include "model/fig_ops.h"

namespace {

using namespace mirel;

constexpr int kSteps = 1000;

// 1,000 steps: mostly new figures of every kind, every tenth step a move of
// an earlier figure, which makes the canvas be composed anew.
void MakeDrawing(const std::filesystem::path& file) {
  THistoryList history;
  for (int step = 1; step <= kSteps; ++step) {
    const int x = (step * 37) % 600;
    const int y = (step * 53) % 440;
    TFigData f;
    f.PenWidth = 1 + step % 5;
    f.PenColor = static_cast<TColor>(step * 2654435761u) & 0xFFFFFF;
    f.BrushColor = step % 3 == 0 ? clBtnFace : (f.PenColor ^ 0x808080);
    f.Start = {x, y};
    f.End = {x + 40, y + 30};
    TActionItem* item = nullptr;
    if (step % 10 == 0) {
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
  }
  QTemporaryDir Dir;
};

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
BENCHMARK(BM_FramesCommand)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_JpegEncodingAlone(benchmark::State& state) {
  TBatchDrawing drawing;
  drawing.Read(Fixture().Dir.filePath("bench.mrl").toStdString());
  drawing.RebuildTo(kSteps);
  const QImage frame = drawing.Compose();
  TJpegEncoder encoder;
  std::string error;
  for (auto _ : state) {
    for (int i = 0; i < kSteps; ++i) benchmark::DoNotOptimize(encoder.Encode(frame, error));
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(kSteps) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JpegEncodingAlone)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
