// Dragging a figure in a large drawing on the real window: one movement of
// the pointer in editing mode, from the mouse event to the canvas shown
// (the figure moved, the canvas composed and copied, the widget painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "model/fig_ops.h"
#include "support/bench_drawing.h"
#include "support/window_drag.h"
#include "ui/mirel_form.h"
#include "support/qt_bench_main.h"

namespace mirel {
namespace {

// One drag step in a drawing of `range(0)` figures of every kind.
void BM_DragStep(benchmark::State& state) {
  TMirelForm form;
  form.show();
  // Drawn through the document, as the window is told of every figure.
  TFigList drawing;
  bench::FillDrawing(drawing, static_cast<int>(state.range(0)));
  for (const TFigItem* i = drawing.GetNext(drawing.GetHead()); i; i = i->Next()) {
    form.Editor().Document().AddFigure(i->Data);
  }
  bench::TimeDragSteps(state, form);
}
BENCHMARK(BM_DragStep)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel

int main(int argc, char** argv) { return mirel::bench::RunWithQt<QApplication>(argc, argv); }
