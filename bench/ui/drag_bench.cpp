// Dragging a figure in a large drawing on the real window: one movement of
// the pointer in editing mode, from the mouse event to the canvas shown
// (the figure moved, the canvas composed and copied, the widget painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <memory>

#include "model/fig_ops.h"
#include "ui/mirel_form.h"
#include "ui/paint_box.h"

namespace mirel {
namespace {

TFigData Figure(TDrawingTool tool, int i) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = 2 + (i % 4) * 2;
  f.PenColor = static_cast<TColor>((i * 2654435761u) & 0xFFFFFF);
  f.BrushColor = i % 3 == 0 ? clBtnFace : static_cast<TColor>((i * 40503u) & 0xFFFFFF);
  const int x = (i * 37) % 560;
  const int y = (i * 53) % 400;
  f.Start = {x, y};
  f.End = {x + 20 + i % 60, y + 15 + i % 50};
  if (IsPointListTool(tool)) {
    f.PointData = std::make_unique<TPointData>();
    for (int k = 0; k < 60; ++k) {
      f.PointData->AddPoint(x + k * 2, y + static_cast<int>(20 * std::sin(k * 0.3 + i)));
    }
    FitToPoints(f);
  }
  if (tool == dtText) {
    f.Text = "\x82\xA8\x82\xCD\x82\xE6\x82\xA4 Mirel";  // "おはよう Mirel"
    f.TextSize = 12 + i % 12;
    f.TextColor = f.PenColor;
  }
  return f;
}

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
  constexpr TDrawingTool Kinds[] = {dtLine, dtFreeLine, dtEllipse, dtRectangle, dtPolyline, dtPolygon, dtText};
  const int count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) AddCopy(form.Editor().Document().FigList, Figure(Kinds[i % 7], i));
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
