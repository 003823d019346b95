// The mode buttons, tool buttons, menus' enable rules, the palette, the
// canvas and the editing panel, driven through the window's controls.
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "ui/color_panel.h"
#include "ui/form_fixture.h"
#include "ui/paint_box.h"

namespace mirel::test {
namespace {

using enum TActionKind;

class TModeTest : public TFormTest {
 protected:
  // Which panel shows and which mode button is down.
  void ExpectMode(TEditorMode mode) {
    EXPECT_EQ(Editor().EditorMode(), mode);
    EXPECT_EQ(Find<QWidget>("DrawPanel")->isVisible(), mode == mdDraw);
    EXPECT_EQ(Find<QWidget>("EditPanel")->isVisible(), mode == mdEdit);
    EXPECT_EQ(Find<QWidget>("PlayPanel")->isVisible(), mode == mdPlay);
    const char* buttons[] = {"SellectDrawBtn", "SellectEditBtn", "SellectPlayBtn"};
    EXPECT_TRUE(Button(buttons[mode])->isChecked()) << buttons[mode];
  }
  void PressCanvas(QPoint p) { QTest::mouseClick(Find<TPaintBox>("PaintBox"), Qt::LeftButton, {}, p); }
  TActionData LastRecord() { return History().GetTail()->Data; }
};

// Japanese text arrives from the input method as a committed string.
void Type(QWidget* box, const QString& text) {
  QInputMethodEvent input;
  input.setCommitString(text);
  QCoreApplication::sendEvent(box, &input);
}

int DarkPixelsInRow(const QImage& image, int y) {
  int dark = 0;
  for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

TEST_F(TModeTest, WatchingAnEmptyHistoryOnlySaysSo) {
  Click("LineBtn");
  Click("SellectPlayBtn");
  EXPECT_EQ(User().Notices, std::vector<std::string>{"さいせいする絵がありません"});
  ExpectMode(mdDraw);
  EXPECT_TRUE(Button("SellectionBtn")->isChecked());
}

TEST_F(TModeTest, WatchingShowsThePlayPanelFromAnEmptyCanvas) {
  DrawRectangles(2);
  Click("SellectPlayBtn");
  ExpectMode(mdPlay);
  EXPECT_EQ(Slider("TimeTrackBar")->maximum(), 2);
  EXPECT_EQ(Slider("TimeTrackBar")->value(), 0);
  EXPECT_FALSE(Button("ReverseBtn")->isEnabled());
  EXPECT_TRUE(Button("ForwardBtn")->isEnabled());
  EXPECT_TRUE(Find<QWidget>("DatePanel")->isVisible());
  EXPECT_EQ(CanvasShot().pixel(30, 10), qRgb(255, 255, 255));  // the rectangles' edge, not drawn yet
  // At the last step, drawing goes on without a question.
  Slider("TimeTrackBar")->setValue(2);
  Click("SellectDrawBtn");
  ExpectMode(mdDraw);
  EXPECT_TRUE(User().Questions.empty());
  EXPECT_EQ(CanvasShot().pixel(30, 10), qRgb(0, 0, 0));
}

TEST_F(TModeTest, TheResumeQuestionsThreeAnswers) {
  const struct {
    TAnswer answer;
    TEditorMode mode;
    int figures;
    int steps;
  } cases[] = {{TAnswer::Yes, mdEdit, 1, 3}, {TAnswer::No, mdEdit, 2, 2}, {TAnswer::Cancel, mdPlay, 1, 2}};
  for (const auto& c : cases) {
    Editor().ResetEditor();
    DrawRectangles(2);
    Click("SellectPlayBtn");
    Click("ForwardBtn");
    User().Questions.clear();
    User().YesNoCancel = {c.answer};
    Click("SellectEditBtn");
    EXPECT_EQ(User().Questions, std::vector<std::string>{"かくにん: ここからえがきなおしますか？"});
    ExpectMode(c.mode);
    EXPECT_EQ(Editor().Document().Figures().Count(), c.figures);
    EXPECT_EQ(History().GetStepCount(), c.steps);
    if (c.mode == mdPlay) {
      EXPECT_EQ(Slider("TimeTrackBar")->value(), 1);
      EXPECT_FALSE(Item("ReadDataMenu")->isEnabled());
    } else {
      EXPECT_TRUE(Item("ReadDataMenu")->isEnabled());
      EXPECT_TRUE(MenuEnabled("DrawMenu"));
    }
    Click("SellectDrawBtn");  // leaves watching after Cancel too
  }
}

TEST_F(TModeTest, MenusFollowTheMode) {
  DrawRectangles(1);
  Click("SellectPlayBtn");
  EXPECT_TRUE(MenuEnabled("FileMenu"));
  for (const char* item : {"ReadDataMenu", "OverWriteDataMenu", "WriteDataMenu"}) {
    EXPECT_FALSE(Item(item)->isEnabled()) << item;
  }
  EXPECT_TRUE(Item("ExitMenu")->isEnabled());
  EXPECT_FALSE(MenuEnabled("DrawMenu"));
  EXPECT_TRUE(MenuEnabled("ToolMenu"));
  EXPECT_TRUE(Item("ExitByForce")->isEnabled());
  User().YesNoCancel = {TAnswer::No};
  Click("SellectEditBtn");
  EXPECT_TRUE(Item("ReadDataMenu")->isEnabled());
  EXPECT_TRUE(MenuEnabled("DrawMenu"));
}

TEST_F(TModeTest, APolylineUnderWayHoldsToolsModesAndMenus) {
  Click("PolygonBtn");
  Editor().BeginPolyline();
  for (const char* button : {"SellectEditBtn", "SellectPlayBtn", "LineBtn", "SellectDrawBtn"}) {
    Click(button);
    ExpectMode(mdDraw);
    EXPECT_TRUE(Button("PolygonBtn")->isChecked()) << button;
  }
  for (const char* menu : {"FileMenu", "DrawMenu", "ToolMenu"}) EXPECT_FALSE(MenuEnabled(menu)) << menu;
  EXPECT_TRUE(MenuEnabled("HelpMenu"));
}

TEST_F(TModeTest, OpeningTheDisplayMenuPicksTheSelectionTool) {
  Click("OvalBtn");
  QMenu* menu = Find<QMenu>("DrawMenu");
  menu->popup(QPoint(0, 0));
  menu->close();
  EXPECT_EQ(Editor().CurrentTool(), kSelectionTool);
  EXPECT_TRUE(Button("SellectionBtn")->isChecked());
}

TEST_F(TModeTest, PaletteSetsTheConfirmPanel) {
  Click("SellectEditBtn");
  auto* confirm = Find<TColorPanel>("ConfirmPanel");
  EXPECT_EQ(confirm->Color(), clBlack);
  QTest::mouseClick(Find<TColorPanel>("ColorPanel03"), Qt::LeftButton);
  EXPECT_EQ(confirm->Color(), 0x0000FFu);
  EXPECT_EQ(confirm->toolTip(), "色がえらばれています");
  QTest::mouseClick(Find<TColorPanel>("ClearPanel"), Qt::LeftButton);
  EXPECT_EQ(confirm->Color(), clBtnFace);
  EXPECT_EQ(confirm->toolTip(), "「ぬりつぶしなし」がえらばれています");
  const TColor expected[16] = {0xFFFFFF, 0xB469FF, 0x0000FF, 0x0000D0, 0x000080, 0xEBCE87,
                               0xFF0000, 0x800080, 0x00FFFF, 0x00A5FF, 0x00FF00, 0x00A000,
                               0x666600, 0xC0C0C0, 0x808080, 0x000000};
  for (int i = 0; i < 16; ++i) {
    const QString name = QStringLiteral("ColorPanel%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(Form().findChild<TColorPanel*>(name)->Color(), expected[i]) << name.toStdString();
  }
  EXPECT_EQ(History().GetStepCount(), 0);
}

TEST_F(TModeTest, APressWithTheSelectionToolSelectsInEditingMode) {
  DrawRectangles(1);
  PressCanvas({30, 30});
  ExpectMode(mdEdit);
  EXPECT_NE(Editor().SelectedFig(), nullptr);
  // The mark: a dotted outline 3 pixels outside the rectangle.
  EXPECT_GT(DarkPixelsInRow(CanvasShot(), 7), 5);
  PressCanvas({400, 300});
  EXPECT_EQ(Editor().SelectedFig(), nullptr);
  EXPECT_EQ(DarkPixelsInRow(CanvasShot(), 7), 0);
}

TEST_F(TModeTest, TheTextBoxOpensWhereTheCanvasIsPressedAndMakesAText) {
  Click("TextBtn");
  PressCanvas({100, 60});
  QWidget* box = Find<QWidget>("InputEdit");
  ASSERT_TRUE(box->isVisible());
  EXPECT_EQ(box->pos() - Find<QWidget>("PaintBox")->pos(), QPoint(100, 60));
  EXPECT_TRUE(box->hasFocus() || !QApplication::focusWindow());
  Type(box, QStringLiteral("はな"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(box->isVisible());
  ASSERT_EQ(History().GetStepCount(), 1);
  EXPECT_EQ(LastRecord().FigData.DrawingTool, dtText);
  // Another open box is closed by the editing mode, its text gone.
  PressCanvas({10, 10});
  Type(box, QStringLiteral("き"));
  Click("SellectEditBtn");
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(History().GetStepCount(), 1);
}

TEST_F(TModeTest, TheStampPreviewShowsTheGatheredFigures) {
  auto* preview = Find<QLabel>("StampImage");
  const auto whitePixels = [preview] {
    const QImage shown = preview->pixmap().toImage();
    int white = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) white += shown.pixel(x, y) == qRgb(255, 255, 255);
    }
    return white;
  };
  const int all = preview->width() * preview->height();
  EXPECT_EQ(whitePixels(), all);
  DrawRectangles(1);
  Editor().CollectStamp({0, 0}, {100, 100});
  Click("SellectDrawBtn");
  EXPECT_TRUE(Button("StampBtn")->isEnabled());
  EXPECT_LT(whitePixels(), all * 9 / 10);  // the rectangle's black edges, stretched
  Click("SellectPlayBtn");  // watching forgets the stamp
  EXPECT_FALSE(Button("StampBtn")->isEnabled());
  EXPECT_EQ(whitePixels(), all);
}

TEST_F(TModeTest, EditingButtonsReachTheirCommands) {
  const struct {
    const char* button;
    const char* colourPanel;  // chosen first, when not null
    TActionKind kind;
    TParameter parameter;
  } cases[] = {
      {"FrontBtn", nullptr, Front, TParameter::NoParameter},
      {"DupBtn", nullptr, Duplicate, TParameter::NoParameter},
      {"ThickBtn", nullptr, Change, TParameter::LineWidth},
      {"ThinBtn", nullptr, Change, TParameter::LineWidth},
      {"LineColorBtn", "ColorPanel03", Change, TParameter::LineColor},
      {"BodyColorBtn", "ColorPanel09", Change, TParameter::BodyColor},
      {"BackBtn", nullptr, Back, TParameter::NoParameter},
      {"DeleteBtn", nullptr, Delete, TParameter::NoParameter},
      {"UndoBtn", nullptr, Undo, TParameter::NoParameter},
  };
  DrawRectangles(2);
  Click("SellectEditBtn");
  for (const auto& c : cases) {
    PressCanvas({30, 30});  // the back rectangle, or whatever lies there now
    if (c.colourPanel) QTest::mouseClick(Find<TColorPanel>(c.colourPanel), Qt::LeftButton);
    const int steps = History().GetStepCount();
    Click(c.button);
    ASSERT_EQ(History().GetStepCount(), steps + 1) << c.button;
    EXPECT_EQ(LastRecord().TargetType, c.kind) << c.button;
    EXPECT_EQ(LastRecord().Parameter, c.parameter) << c.button;
  }
}

TEST_F(TModeTest, TrackBarsResizeAndGoBackToZeroOnTheNextSelection) {
  DrawRectangles(1);
  Click("SellectEditBtn");
  PressCanvas({30, 30});
  Slider("HTrackBar")->setValue(10);
  EXPECT_EQ(Editor().SelectedFig()->Data.Start.X, 0);
  Click("SellectDrawBtn");  // the pending resize is recorded on leaving
  EXPECT_EQ(LastRecord().TargetType, Change);
  EXPECT_EQ(LastRecord().Parameter, TParameter::Size);
  Click("SellectEditBtn");
  PressCanvas({30, 30});
  EXPECT_EQ(Slider("HTrackBar")->value(), 0);
}

}  // namespace
}  // namespace mirel::test
