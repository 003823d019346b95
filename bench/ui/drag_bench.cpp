// Dragging a figure in a large drawing on the real window: one movement of
// the pointer in editing mode, from the mouse event to the canvas shown
// (the figure moved, the canvas composed and copied, the widget painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <memory>

#include "model/fig_ops.h"
#include "support/bench_drawing.h"
#include "ui/mirel_form.h"
#include "ui/paint_box.h"

namespace mirel {
namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

// One drag step: the pointer moves by a pixel, back and forth, holding the
// front-most figure at a corner of the middle figure, in a drawing of
// `range(0)` figures of every kind.
void BM_DragStep(benchmark::State& state) {
  TMirelForm form;
  form.show();
  const int count = static_cast<int>(state.range(0));
  bench::FillDrawing(form.Editor().Document().FigList, count);
  form.Editor().SellectEditBtnClick();  // composes the whole drawing once
  auto& box = *form.findChild<TPaintBox*>(QStringLiteral("PaintBox"));
  // A figure from the middle of the drawing: half the drawing lies over it.
  const TFigList& figures = form.Editor().Document().FigList;
  const TFigItem* middle = figures.GetNext(figures.GetHead());
  for (int i = 0; i < count / 2; ++i) middle = middle->Next();
  const QPoint grip(middle->Data.Start.X, middle->Data.Start.Y);
  Send(box, QEvent::MouseButtonPress, grip, Qt::LeftButton);
  if (!form.Editor().SelectedFig()) state.SkipWithError("no figure under the pointer");
  int step = 0;
  for (auto _ : state) {
    Send(box, QEvent::MouseMove, grip + QPoint(++step % 2, 0), Qt::LeftButton);
    box.repaint();
  }
  Send(box, QEvent::MouseButtonRelease, grip, Qt::NoButton);
}
BENCHMARK(BM_DragStep)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
