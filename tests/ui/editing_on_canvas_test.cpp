// Editing mode on the real window: selecting by the pointer, dragging, the
// editing panel's buttons and their messages, and the size track bars with
// the numbers the editing rules give.
#include <QTest>

#include "ui/color_panel.h"
#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

class TEditingOnCanvasTest : public TFormTest {
 protected:
  void Draw(const char* button, std::initializer_list<QPoint> path) {
    Click(button);
    Gesture(path);
  }
  void Colour(const char* panel) { QTest::mouseClick(Find<TColorPanel>(panel), Qt::LeftButton); }
  TFigData& Selected() { return Editor().SelectedFig()->Data; }
};

TEST_F(TEditingOnCanvasTest, TheFrontMostFigureWithin3PixelsIsSelected) {
  Draw("RectBtn", {{100, 100}, {200, 150}});
  Draw("OvalBtn", {{150, 120}, {250, 200}});
  const TFigItem* rectangle = Editor().Document().Figures().GetNext(Editor().Document().Figures().GetHead());
  const struct {
    QPoint at;
    const TFigItem* selected;
  } cases[] = {
      {{170, 130}, Editor().Document().Figures().GetTail()},  // both: the front one
      {{97, 120}, rectangle},                               // 3 pixels outside
      {{96, 120}, nullptr},                                 // 4 pixels outside
      {{120, 103}, rectangle},
      {{253, 203}, Editor().Document().Figures().GetTail()},
      {{254, 203}, nullptr},
  };
  for (const auto& c : cases) {
    SelectAt(c.at);
    EXPECT_EQ(Editor().EditorMode(), mdEdit);
    EXPECT_EQ(Editor().SelectedFig(), c.selected) << c.at.x() << "," << c.at.y();
  }
  EXPECT_EQ(Steps(), 2);  // selecting records nothing
}

TEST_F(TEditingOnCanvasTest, DraggingMovesTheFigureAndRecordsOneMove) {
  Draw("RectBtn", {{100, 100}, {200, 150}});
  Click("SellectEditBtn");
  ClickAt({150, 120});
  // Away and back: where it was, nothing recorded.
  Gesture({{150, 120}, {180, 140}, {300, 300}, {150, 120}});
  EXPECT_EQ(Selected().Start, (TPoint{100, 100}));
  EXPECT_EQ(Steps(), 1);
  // Each movement repaints the figure where the pointer took it.
  Press({150, 120});
  MoveTo({160, 125});
  MoveTo({170, 130});
  EXPECT_EQ(qGray(CanvasImage().pixel(120, 130)), 0);  // the left edge, 20 to the right
  EXPECT_EQ(qGray(CanvasImage().pixel(101, 125)), 255);
  Release({170, 130});
  ASSERT_EQ(Steps(), 2);
  EXPECT_EQ(History().GetTail()->Data.TargetType, TActionKind::Move);
  EXPECT_EQ(Selected().Start, (TPoint{120, 110}));
  EXPECT_EQ(Selected().End, (TPoint{220, 160}));
  // The canvas is exactly what a repaint composes.
  EXPECT_EQ(CanvasImage(), Form().BackBufferImage());
}

TEST_F(TEditingOnCanvasTest, ButtonsSayWhyTheyCannotAct) {
  Draw("RectBtn", {{10, 10}, {60, 60}});
  Draw("RectBtn", {{100, 10}, {160, 60}});
  Click("SetStampBtn");
  Gesture({{1, 1}, {70, 70}});
  Click("StampBtn");
  ClickAt({300, 300});
  const struct {
    QPoint select;
    const char* colour;  // chosen before the button, when not null
    const char* button;
    int presses;
    std::string message;
  } cases[] = {
      {{320, 320}, nullptr, "FrontBtn", 1, "これより前にいくことができません。"},
      {{30, 30}, nullptr, "BackBtn", 1, "これより後ろにいくことができません。"},
      {{30, 30}, nullptr, "ThickBtn", 14, "これより線を太くできません"},
      {{30, 30}, nullptr, "ThinBtn", 16, "これより線を細くできません"},
      {{30, 30}, "ClearPanel", "LineColorBtn", 1, "線はぬりつぶしなしにできません"},
      {{30, 30}, "ClearPanel", "TextColorBtn", 1, "文字はぬりつぶしなしにできません"},
      {{320, 320}, "ColorPanel03", "LineColorBtn", 1, "スタンプは変更できません"},
  };
  for (const auto& c : cases) {
    SelectAt(c.select);
    if (c.colour) Colour(c.colour);
    User().Notices.clear();
    for (int i = 0; i < c.presses; ++i) Click(c.button);
    EXPECT_EQ(User().Notices, std::vector<std::string>{c.message}) << c.button;
  }
  EXPECT_EQ(Editor().Document().Figures().GetNext(Editor().Document().Figures().GetHead())->Data.PenWidth, 0);
}

TEST_F(TEditingOnCanvasTest, TrackBarsResizeFromTheSelectedGeometry) {
  auto* h = Slider("HTrackBar");
  auto* v = Slider("VTrackBar");
  // A rectangle from (100, 50) to (200, 80).
  Draw("RectBtn", {{100, 50}, {200, 80}});
  SelectAt({150, 60});
  h->setValue(10);
  EXPECT_EQ(Selected().Start, (TPoint{90, 50}));
  EXPECT_EQ(Selected().End, (TPoint{210, 80}));
  v->setValue(-5);
  EXPECT_EQ(Selected().Start, (TPoint{90, 55}));
  EXPECT_EQ(Selected().End, (TPoint{210, 75}));
  EXPECT_EQ(Steps(), 1);
  MoveTo({400, 400});  // the pointer over the canvas records the resize
  ASSERT_EQ(Steps(), 2);
  EXPECT_EQ(History().GetTail()->Data.Parameter, TParameter::Size);

  // A free line across x 100 to 200.
  Click("SellectDrawBtn");
  Draw("FreeBtn", {{100, 300}, {150, 320}, {200, 340}});
  SelectAt({150, 320});
  EXPECT_EQ(h->value(), 0);
  h->setValue(10);
  EXPECT_EQ(Selected().PointData->Point(0).X, 90);
  EXPECT_EQ(Selected().PointData->Point(1).X, 150);
  EXPECT_EQ(Selected().PointData->Point(2).X, 210);

  // A text of size 12.
  Click("SellectDrawBtn");
  Click("TextBtn");
  ClickAt({400, 100});
  QTest::keyClicks(Find<QWidget>("InputEdit"), "abc");
  QTest::keyClick(Find<QWidget>("InputEdit"), Qt::Key_Return);
  SelectAt({402, 105});
  for (const auto& [vertical, position, size] : {std::tuple{true, 7, 12}, {true, 6, 6}, {false, 8, 20}}) {
    if (vertical) {
      h->setValue(0);
      v->setValue(position);
    } else {
      v->setValue(0);
      h->setValue(position);
    }
    EXPECT_EQ(Selected().TextSize, size) << position;
  }

  // A stamp holding a rectangle of 50 by 20, placed at (300, 300).
  Click("SellectDrawBtn");
  Draw("RectBtn", {{500, 400}, {550, 420}});
  Click("SetStampBtn");
  Gesture({{495, 395}, {555, 425}});
  Click("StampBtn");
  ClickAt({300, 300});
  SelectAt({320, 310});
  ASSERT_EQ(Selected().DrawingTool, dtStamp);
  h->setValue(25);
  EXPECT_EQ(Selected().Start.X, 275);
  EXPECT_EQ(Selected().End.X, 375);
  const TFigData& inner = Selected().StampData->GetNext(Selected().StampData->GetHead())->Data;
  EXPECT_EQ(inner.Start.X, 0);
  EXPECT_EQ(inner.End.X, 100);
}

}  // namespace
}  // namespace mirel::test
