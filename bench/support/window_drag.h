#pragma once
// One drag step in the real window, from the mouse event to the painted
// canvas: the pointer moves by a pixel, back and forth, holding whatever
// lies in front at the corner of the middle figure of the drawing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "ui/mirel_form.h"
#include "ui/paint_box.h"

namespace mirel::bench {

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

// Times drag steps on `form`, whose drawing is already in its document.
inline void TimeDragSteps(benchmark::State& state, TMirelForm& form) {
  form.Editor().SellectEditBtnClick();  // composes the whole drawing once
  auto& box = *form.findChild<TPaintBox*>(QStringLiteral("PaintBox"));
  const TFigList& figures = form.Editor().Document().Figures();
  const TFigItem* middle = figures.GetNext(figures.GetHead());
  for (int i = 0; i < figures.Count() / 2; ++i) middle = middle->Next();
  const QPoint grip(middle->Data.Start.X, middle->Data.Start.Y);
  SendMouse(box, QEvent::MouseButtonPress, grip, Qt::LeftButton);
  if (!form.Editor().SelectedFig()) state.SkipWithError("no figure under the pointer");
  int step = 0;
  for (auto _ : state) {
    SendMouse(box, QEvent::MouseMove, grip + QPoint(++step % 2, 0), Qt::LeftButton);
    box.repaint();
  }
  SendMouse(box, QEvent::MouseButtonRelease, grip, Qt::NoButton);
  state.counters["figures"] = static_cast<double>(figures.Count());
}

}  // namespace mirel::bench
