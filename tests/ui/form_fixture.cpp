#include "ui/form_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include "ui/paint_box.h"

namespace mirel::test {
namespace {

// The offscreen platform says what it cannot do (raise windows, grab the
// keyboard) at every turn; that says nothing about the window under test.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

// The widgets need a QApplication; one serves the whole test program.
class TWidgetEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotes);
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "mirel_test_ui";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

::testing::Environment* const kWidgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new TWidgetEnvironment);

}  // namespace

TFormTest::TFormTest() {
  auto user = std::make_unique<TScriptedUser>();
  user_ = user.get();
  form_ = std::make_unique<TMirelForm>(std::move(user), FixedClock());
  form_->show();
}

TFormTest::~TFormTest() = default;

void TFormTest::Click(const char* name) {
  QAbstractButton* button = Button(name);
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void TFormTest::Choose(const char* itemName) {
  QAction* item = Item(itemName);
  if (!item) return;
  const auto* menu = qobject_cast<QMenu*>(item->parent());
  if (menu && !menu->menuAction()->isEnabled()) return;
  item->trigger();
}

bool TFormTest::MenuEnabled(const char* menuName) {
  QMenu* menu = Find<QMenu>(menuName);
  return menu && menu->menuAction()->isEnabled();
}

void TFormTest::DrawRectangles(int count) {
  for (int i = 0; i < count; ++i) {
    Editor().FinishBoxFigure(dtRectangle, {10 + 60 * i, 10}, {50 + 60 * i, 50});
  }
}

QImage TFormTest::CanvasShot() {
  const auto* box = Find<TPaintBox>("PaintBox");
  const QRect canvas(box->mapTo(form_.get(), QPoint(0, 0)), box->size());
  return form_->grab(canvas).toImage().convertToFormat(QImage::Format_RGB32);
}

void TFormTest::Press(QPoint p) { QTest::mousePress(Find<TPaintBox>("PaintBox"), Qt::LeftButton, {}, p); }

void TFormTest::MoveTo(QPoint p) { QTest::mouseMove(Find<TPaintBox>("PaintBox"), p); }

void TFormTest::Release(QPoint p) {
  QTest::mouseRelease(Find<TPaintBox>("PaintBox"), Qt::LeftButton, {}, p);
}

void TFormTest::Gesture(std::initializer_list<QPoint> path) {
  if (path.size() == 0) return;
  Press(*path.begin());
  for (auto p = path.begin() + 1; p != path.end(); ++p) MoveTo(*p);
  Release(*(path.end() - 1));
}

void TFormTest::SelectAt(QPoint p) {
  if (Editor().EditorMode() == mdDraw) Click("SellectionBtn");
  ClickAt(p);
}

QImage TFormTest::CanvasImage() { return Find<TPaintBox>("PaintBox")->Canvas().Image().copy(); }

}  // namespace mirel::test
