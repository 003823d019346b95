// The window from the keyboard: Tab reaches every control in a fixed order
// (a click reaches none, so the text box keeps the keyboard), each has a
// name for screen readers, and Return works buttons and the palette.
#include <QTest>

#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

using TKeyboardTest = TFormTest;

// The controls Tab reaches, in order.
std::vector<QString> TabOrder() {
  std::vector<QString> names;
  for (const char* name : {"SellectionBtn", "TextBtn", "LineBtn", "FreeBtn", "OvalBtn", "RectBtn",
                           "PolylineBtn", "PolygonBtn", "StampBtn", "SetStampBtn", "DupBtn", "DeleteBtn",
                           "UndoBtn", "FrontBtn", "BackBtn", "ThinBtn", "ThickBtn", "LineColorBtn",
                           "BodyColorBtn", "ChangeTextBtn", "TextColorBtn", "ClearPanel"}) {
    names.push_back(QString::fromLatin1(name));
  }
  for (int i = 1; i <= 16; ++i) names.push_back(QStringLiteral("ColorPanel%1").arg(i, 2, 10, QLatin1Char('0')));
  for (const char* name : {"HTrackBar", "VTrackBar", "ReverseBtn", "StopBtn", "ForwardBtn", "TimeTrackBar",
                           "SellectDrawBtn", "SellectEditBtn", "SellectPlayBtn", "Memo", "ClearMemoBtn"}) {
    names.push_back(QString::fromLatin1(name));
  }
  return names;
}

TEST_F(TKeyboardTest, TabReachesEveryControlInOrderAndEachHasAName) {
  QWidget* previous = Find<QWidget>("PaintBox");
  for (const QString& name : TabOrder()) {
    auto* control = Form().findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name.toStdString();
    EXPECT_EQ(control->focusPolicy(), Qt::TabFocus) << name.toStdString();
    EXPECT_FALSE(control->accessibleName().isEmpty()) << name.toStdString();
    QWidget* next = previous->nextInFocusChain();
    while (next->focusPolicy() != Qt::TabFocus && next != control) next = next->nextInFocusChain();
    EXPECT_EQ(next, control) << name.toStdString() << " after " << previous->objectName().toStdString();
    previous = control;
  }
  // Names are the hints and captions, or say what a sign or a picture shows.
  const struct {
    const char* control;
    const char* name;
  } names[] = {{"RectBtn", "四角形をかく"},     {"UndoBtn", "ふっかつ"},    {"SellectPlayBtn", "みる"},
               {"ForwardBtn", "ひとつ すすむ"}, {"ColorPanel03", "いろ: あか"}, {"ClearPanel", "ぬりつぶしなし"},
               {"ConfirmPanel", "色がえらばれています"}, {"PaintBox", "えを かく ところ"},
               {"InputEdit", "もじを いれる ところ"}, {"DateYMD", "ひづけ"}, {"StampImage", "スタンプの みほん"}};
  for (const auto& n : names) {
    EXPECT_EQ(Find<QWidget>(n.control)->accessibleName(), QString::fromUtf8(n.name)) << n.control;
  }
}

// The keys are worked under real input in real_input_test.sh; here the ones
// Qt's controls do not take by themselves: Return on buttons, Space and
// Return on the palette.
TEST_F(TKeyboardTest, ReturnPressesAButtonAndSpaceOrReturnChoosesAColour) {
  QTest::keyClick(Button("RectBtn"), Qt::Key_Return);
  EXPECT_EQ(Editor().CurrentTool(), dtRectangle);
  Click("SellectEditBtn");
  QTest::keyClick(Find<QWidget>("ColorPanel03"), Qt::Key_Space);
  EXPECT_EQ(Editor().PaletteColor(), 0x0000FFu);
  QTest::keyClick(Find<QWidget>("ColorPanel07"), Qt::Key_Enter);
  EXPECT_EQ(Editor().PaletteColor(), 0xFF0000u);
}

}  // namespace
}  // namespace mirel::test
