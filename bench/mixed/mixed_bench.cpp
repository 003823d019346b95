// Every cost a child meets in a drawing that was edited as it grew, side by
// side in one run, on the mixed histories (nine steps in ten add a figure,
// one in ten moves, recolours, resizes or deletes an earlier one):
// - the all-steps export of 10,000 steps against 1,000, and against JPEG
//   encoding alone on one core;
// - playback: the next step, the previous step, any step, the first jumps
//   after opening (10,000 steps);
// - one drag step in the window with 1,000 and 5,000 figures;
// - opening a 100,000-step drawing in the window, to the finished canvas,
//   and `mirel-batch render` of its last step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <unistd.h>
#include <filesystem>
#include <random>

#include "batch/batch_commands.h"
#include "batch/batch_drawing.h"
#include "datafile/safe_save.h"
#include "export/jpeg_encoder.h"
#include "editor/process_frames.h"
#include "export/frame_sinks.h"
#include "model/fig_ops.h"
#include "support/mixed_history.h"
#include "support/step_walk.h"
#include "support/window_drag.h"
#include "text/picture_names.h"
#include "ui/mirel_form.h"
#include "ui/paint_box.h"
#include "support/pinned_cores.h"
#include "support/qt_bench_main.h"

namespace mirel {
namespace {

// The mixed histories, written once as data files.
struct TFiles {
  TFiles() {
    for (const int steps : {1000, 10000, 100000}) {
      THistoryList history;
      bench::MakeMixedHistory(history, steps);
      SaveHistoryToFile(history, Path(steps), TBackupRule::SaveAs);
    }
  }
  std::string Path(int steps) const { return Dir.filePath(QStringLiteral("mixed%1.mrl").arg(steps)).toStdString(); }
  QTemporaryDir Dir;
};

TFiles& Files() {
  static TFiles files;
  return files;
}

using bench::TCores;

void FramesPerSecond(benchmark::State& state, double frames) {
  state.counters["frames_per_s"] = benchmark::Counter(frames * static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
}

// The all-steps export as the window and `mirel-batch frames` write it, on
// two cores, into memory (/dev/shm): the shared disk of these machines would
// measure the other programs' writes. Rates are frames per second of wall
// time, as a child waits for the export: the two cores' work overlaps, which
// CPU time (of the whole process, threads included, shown as CPU) would add
// up instead. Measured on an otherwise idle machine, as the load of other
// programs slows it.
void BM_MixedExportAllSteps(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  const TCores cores(2);
  TBatchDrawing drawing;
  drawing.Read(Files().Path(steps));
  const std::filesystem::path folder =
      std::filesystem::path("/dev/shm") / ("mirel-bench-frames" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    const std::unique_ptr<IFrameSink> frames =
        MakeSeriesSink([&]() -> const QImage& { return drawing.BackBuffer.Image(); },
                       [&](int step) { return (folder / SeriesFrameName("m.jpg", step)).string(); }, 2);
    const TResult<> result =
        *RunProcess(*frames, SeriesPlan(steps), [&](std::int32_t step) { drawing.RebuildAndCompose(step); });
    if (!result.Ok) state.SkipWithError("export failed");
  }
  std::filesystem::remove_all(folder);
  FramesPerSecond(state, steps);
  state.counters["figures"] = static_cast<double>(drawing.FigList.Count());
}
BENCHMARK(BM_MixedExportAllSteps)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime()->UseRealTime();

// The same frames' encoding alone, one core: 1,000 frames of the 10,000th
// step, each compressed whole, as a single picture is (the export compresses
// only the bands a step changed).
void BM_MixedEncodingAlone(benchmark::State& state) {
  const TCores cores(1);
  TBatchDrawing drawing;
  drawing.Read(Files().Path(10000));
  drawing.RebuildTo(10000);
  const QImage frame = drawing.Compose();
  TJpegEncoder encoder;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(encoder.Encode(frame).Ok);
  }
  FramesPerSecond(state, 1000);
}
BENCHMARK(BM_MixedEncodingAlone)->Unit(benchmark::kMillisecond)->Iterations(2);

// Playback of the 10,000-step history: a step rebuilt and composed, as the
// window shows it.
struct TPlayback {
  TBatchDrawing Drawing;
  TPlayback() { Drawing.Read(Files().Path(10000)); }
  void Show(int step) { benchmark::DoNotOptimize(Drawing.RebuildAndCompose(step).constBits()); }
};

void BM_MixedPlaybackNextStep(benchmark::State& state) {
  TPlayback p;
  bench::WalkSteps(state, 9000, 10000, [&](int step) { p.Show(step); });
  state.counters["figures"] = static_cast<double>(p.Drawing.FigList.Count());
}
BENCHMARK(BM_MixedPlaybackNextStep)->Unit(benchmark::kMillisecond);

void BM_MixedPlaybackPreviousStep(benchmark::State& state) {
  TPlayback p;
  bench::WalkSteps(state, 10000, 9000, [&](int step) { p.Show(step); });
}
BENCHMARK(BM_MixedPlaybackPreviousStep)->Unit(benchmark::kMillisecond);

// Any step, as the slider jumps once it has been used for a while: a
// figure's pixels are kept as runs from its second drawing on, so the first
// jumps after opening stroke most figures (a tenth of a second or more
// each) and later ones fill them. Unwarmed, the mean depended on how many
// jumps the run timed; here 200 untimed jumps come first, and the first
// jumps after opening are a row of their own.
void BM_MixedPlaybackAnyStep(benchmark::State& state) {
  TPlayback p;
  std::mt19937 rng(11);
  p.Show(10000);
  for (int i = 0; i < 200; ++i) p.Show(static_cast<int>(rng() % 10001));
  for (auto _ : state) p.Show(static_cast<int>(rng() % 10001));
}
BENCHMARK(BM_MixedPlaybackAnyStep)->Unit(benchmark::kMillisecond)->Iterations(300);

// The first ten jumps after opening the drawing at its last step.
void BM_MixedPlaybackFirstJumps(benchmark::State& state) {
  TPlayback p;
  std::mt19937 rng(11);
  p.Show(10000);
  for (auto _ : state) p.Show(static_cast<int>(rng() % 10001));
}
BENCHMARK(BM_MixedPlaybackFirstJumps)->Unit(benchmark::kMillisecond)->Iterations(10);

// One drag step in the window, from the mouse event to the painted canvas:
// the first `range(0)` figures of the mixed drawing, the pointer holding
// whatever lies in front at the corner of the middle figure.
void BM_MixedDragStep(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  TBatchDrawing source;
  source.Read(Files().Path(10000));
  source.RebuildTo(10000);
  TMirelForm form;
  form.show();
  // Drawn through the document, as the window is told of every figure.
  TDocument& document = form.Editor().Document();
  const TFigList& figures = document.Figures();
  for (const TFigItem* i = source.FigList.GetNext(source.FigList.GetHead()); i && figures.Count() < count; i = i->Next()) {
    document.AddFigure(i->Data);
  }
  bench::TimeDragSteps(state, form);
}
BENCHMARK(BM_MixedDragStep)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Opening the 100,000-step drawing from the command line, to the canvas
// painted.
void BM_MixedOpenInWindow(benchmark::State& state) {
  const std::string file = Files().Path(100000);
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<TMirelForm>();
    form->show();
    auto& box = *form->findChild<TPaintBox*>(QStringLiteral("PaintBox"));
    state.ResumeTiming();
    form->FormCreate(QString::fromStdString(file));
    box.repaint();
    state.counters["figures"] = static_cast<double>(form->Editor().Document().Figures().Count());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MixedOpenInWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

// `mirel-batch render` of the last step of the 100,000-step drawing.
void BM_MixedRenderLastStep(benchmark::State& state) {
  TBatchOptions options;
  options.File = Files().Path(100000);
  options.Output = Files().Dir.filePath(QStringLiteral("last.bmp")).toStdString();
  for (auto _ : state) {
    if (RunRenderCommand(options) != kExitOk) state.SkipWithError("render failed");
  }
}
BENCHMARK(BM_MixedRenderLastStep)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace mirel

int main(int argc, char** argv) { return mirel::bench::RunWithQt<QApplication>(argc, argv); }
