#pragma once
// The real window, offscreen, with a user who answers from a script: every
// question and dialog is answered from a queue, so nothing waits for a person.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <initializer_list>
#include <memory>

#include "editor/editor_fixture.h"
#include "ui/mirel_form.h"

// Qt texts in failure messages, readable.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace mirel::test {

class TFormTest : public ::testing::Test {
 protected:
  TFormTest();
  ~TFormTest() override;

  TMirelForm& Form() { return *form_; }
  TEditor& Editor() { return form_->Editor(); }
  TScriptedUser& User() { return *user_; }
  const THistoryList& History() { return Editor().Document().History(); }

  // Controls by component name; the test fails when there is none.
  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = form_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QAbstractButton* Button(const char* name) { return Find<QAbstractButton>(name); }
  QAction* Item(const char* name) { return Find<QAction>(name); }
  QSlider* Slider(const char* name) { return Find<QSlider>(name); }
  QString BoxText(const char* name) { return Find<QLineEdit>(name)->text(); }

  // A click as the user makes it (nothing happens on a disabled button).
  void Click(const char* name);
  // A menu item as the user chooses it (nothing happens while it or its menu
  // is disabled).
  void Choose(const char* itemName);
  bool MenuEnabled(const char* menuName);

  // Figures drawn as the drawing tools finish them; the next click shows them.
  void DrawRectangles(int count);

  // The canvas as the window shows it.
  QImage CanvasShot();

  // The canvas worked with the mouse, at canvas points, as a user does it.
  // (QTest takes the point (0, 0) for the widget's centre: tests avoid it.)
  void Press(QPoint p);
  void MoveTo(QPoint p);
  void Release(QPoint p);
  void ClickAt(QPoint p) {
    Press(p);
    Release(p);
  }
  // Presses at the first point, moves to each of the others, releases at the last.
  void Gesture(std::initializer_list<QPoint> path);
  // In editing mode, a click at `p` (from drawing mode with the selection tool).
  void SelectAt(QPoint p);
  // The visible canvas surface with the feedback drawn on it.
  QImage CanvasImage();
  // The figures and records the drawing has now.
  int Figures() { return Editor().Document().Figures().Count(); }
  int Steps() { return History().GetStepCount(); }
  const TFigData& LastFigure() { return Editor().Document().Figures().GetTail()->Data; }

 private:
  TScriptedUser* user_ = nullptr;  // owned by the form
  std::unique_ptr<TMirelForm> form_;
};

}  // namespace mirel::test
