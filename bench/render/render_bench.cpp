// Composing canvas frames and writing them as pictures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <memory>
#include <string>

#include "export/bmp_encoder.h"
#include "export/jpeg_encoder.h"
#include "model/fig_ops.h"
#include "support/bench_drawing.h"
#include "render/canvas_composition.h"
#include "render/figure_drawing.h"
#include "support/qt_bench_main.h"

namespace mirel {
namespace {

using bench::FillDrawing;
using bench::Figure;

void BM_ComposeCanvas(benchmark::State& state) {
  TFigList figures;
  FillDrawing(figures, static_cast<int>(state.range(0)));
  TSurface back(CanvasWidth, CanvasHeight);
  QImage background(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  background.fill(Qt::white);
  for (auto _ : state) {
    ComposeCanvas(back, background, figures, figures.GetTail());
    benchmark::DoNotOptimize(back.Image().constBits());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComposeCanvas)->Arg(1000)->Unit(benchmark::kMillisecond);

// One kind at a time, to see where a frame's time goes.
void BM_DrawFigureKind(benchmark::State& state) {
  const auto kind = static_cast<TDrawingTool>(state.range(0));
  TFigList figures;
  for (int i = 0; i < 100; ++i) AddCopy(figures, Figure(kind, i));
  TSurface back(CanvasWidth, CanvasHeight);
  for (auto _ : state) {
    for (const TFigItem* item = figures.GetNext(figures.GetHead()); item; item = item->Next()) {
      DrawFigure(item->Data, back, TPoint{}, TPenMode::Copy);
    }
    benchmark::DoNotOptimize(back.Image().constBits());
  }
  state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_DrawFigureKind)->DenseRange(dtText, dtPolygon)->Unit(benchmark::kMicrosecond);

QImage ComposedFrame() {
  TFigList figures;
  FillDrawing(figures, 200);
  TSurface back(CanvasWidth, CanvasHeight);
  QImage background(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  background.fill(Qt::white);
  ComposeCanvas(back, background, figures, nullptr);
  return back.Image();
}

void BM_EncodeJpegFrame(benchmark::State& state) {
  const QImage frame = ComposedFrame();
  TJpegEncoder encoder;
  for (auto _ : state) {
    if (const TResult<std::span<const unsigned char>> encoded = encoder.Encode(frame); !encoded) {
      state.SkipWithError(encoded.Detail.c_str());
    }
    benchmark::DoNotOptimize(encoder.Data().data());
  }
}
BENCHMARK(BM_EncodeJpegFrame)->Unit(benchmark::kMicrosecond);

void BM_EncodeBmpFrame(benchmark::State& state) {
  const QImage frame = ComposedFrame();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp32(frame));
}
BENCHMARK(BM_EncodeBmpFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirel

int main(int argc, char** argv) { return mirel::bench::RunWithQt<QGuiApplication>(argc, argv); }
