// What the drawing tools make: figures, texts, stamps, and the attributes
// they carry over.
#include "editor/editor_fixture.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"

namespace mirel::test {
namespace {

std::vector<TPoint> PointsOf(const TFigData& f) {
  const auto points = f.PointData->Points();
  return {points.begin(), points.end()};
}

TEST_F(TEditorTest, DegenerateGesturesMakeNothing) {
  DrawRect({100, 100}, {100, 100}, dtLine);
  DrawRect({100, 100}, {100, 100}, dtEllipse);
  DrawPoints(dtFreeLine, {{5, 5}, {40, 40}, {5, 5}});    // a loop ending on its start
  DrawPoints(dtPolyline, {{5, 5}});                      // a single click
  Editor.StampSetupReleased({10, 10}, {10, 90});         // no width
  EXPECT_EQ(History().GetStepCount(), 0);
  EXPECT_TRUE(Editor.Menus().FileMenu);
  EXPECT_TRUE(User.Notices.empty());
}

TEST_F(TEditorTest, NewFiguresTakeTheDefaultDrawingState) {
  const TFigData& f = DrawRect({100, 50}, {200, 80})->Data;
  EXPECT_EQ(f.PenWidth, 4);
  EXPECT_EQ(f.PenColor, clBlack);
  EXPECT_EQ(f.BrushColor, clWhite);
  EXPECT_EQ(f.BrushStyle, 0);
  EXPECT_EQ(Record(1).TargetID, 1);
  EXPECT_EQ(Record(1).TargetType, TActionKind::Create);
}

TEST_F(TEditorTest, PolylineKeepsEveryVertexAndTakesTheBoundsOfItsPoints) {
  // A, B by press-drag-release, then two clicks at C: C is added three times.
  const TFigData& f = DrawPoints(dtPolyline, {{10, 20}, {60, 5}, {30, 90}, {30, 90}, {30, 90}})->Data;
  EXPECT_EQ(f.DrawingTool, dtPolyline);
  EXPECT_EQ(PointsOf(f), (std::vector<TPoint>{{10, 20}, {60, 5}, {30, 90}, {30, 90}, {30, 90}}));
  EXPECT_EQ(f.Start, (TPoint{10, 5}));
  EXPECT_EQ(f.End, (TPoint{60, 90}));
  EXPECT_FALSE(Editor.PolylineActive());
}

TEST_F(TEditorTest, FreeLineKeepsItsFirst2000Points) {
  TPointData points;
  for (int i = 0; i < 2500; ++i) points.AddPoint(i % 600, i / 600);
  Editor.FinishFreeLine({0, 0}, {99, 4}, points);
  EXPECT_EQ(Figure(0)->Data.PointData->GetCount(), 2000);
}

TEST_F(TEditorTest, TextInDrawingMode) {
  Editor.DrawingBtnClick(dtText);
  const TFigData& f = DrawText({30, 40}, "a")->Data;
  EXPECT_EQ(f.DrawingTool, dtText);
  EXPECT_EQ(f.TextSize, 12);
  EXPECT_EQ(f.TextColor, clBlack);
  EXPECT_EQ(f.Start, (TPoint{30, 40}));
  EXPECT_EQ(f.End, (TPoint{36, 52}));
  EXPECT_FALSE(View.TextBox);
  // An empty box makes nothing and keeps the tool; Escape goes back to selection.
  Editor.PressWithTextTool({1, 1});
  Editor.InputEditEnter({1, 1}, "");
  EXPECT_EQ(Editor.CurrentTool(), dtText);
  Editor.PressWithTextTool({1, 1});
  Editor.InputEditEscape();
  EXPECT_EQ(Editor.CurrentTool(), kSelectionTool);
  EXPECT_EQ(History().GetStepCount(), 1);
}

TEST_F(TEditorTest, TextThatCodePage932CannotHoldIsRefusedAndTheBoxStays) {
  Editor.PressWithTextTool({30, 40});
  const TResult<> result = Editor.InputEditEnter({30, 40}, "はな🌸");
  EXPECT_FALSE(result.Ok);
  ASSERT_EQ(User.Notices.size(), 1u);
  EXPECT_NE(User.Notices[0].find("🌸"), std::string::npos);
  EXPECT_TRUE(View.TextBox);
  EXPECT_EQ(History().GetStepCount(), 0);
  DrawText({30, 40}, "はな");
  EXPECT_EQ(Figure(0)->Data.Text, "\x82\xcd\x82\xc8");
}

TEST_F(TEditorTest, FiguresCarryOverWhatTheirToolDoesNotSet) {
  DrawRect({0, 0}, {10, 10});
  Editor.PlaceStamp({0, 0});  // no stamp yet: nothing
  const TFigData& text = DrawText({20, 20}, "hana")->Data;
  EXPECT_EQ(text.PenWidth, 4);
  EXPECT_EQ(text.BrushColor, clWhite);
  const TFigData& line = DrawRect({50, 50}, {90, 60}, dtLine)->Data;
  EXPECT_EQ(line.Text, "hana");
  EXPECT_EQ(line.TextSize, 12);
}

TEST_F(TEditorTest, StampIsGatheredMovedToItsCornerAndPlacedWithItsLastFiguresColours) {
  TFigItem* rect = DrawRect({100, 100}, {150, 120});
  Editor.SellectEditBtnClick();
  Select(rect);
  Editor.ColorPanelClick(3);  // red
  Editor.AttrChangeBtnClick(TAttrButton::LineColorBtn);
  Editor.SellectDrawBtnClick();
  DrawRect({400, 400}, {420, 420});  // outside the set-up rectangle
  Editor.DrawingBtnClick(kStampSetupTool);
  Editor.StampSetupReleased({97, 97}, {153, 123});  // the corners lie 3 pixels inside
  EXPECT_EQ(Editor.CurrentTool(), kSelectionTool);
  ASSERT_TRUE(Editor.Stamp().Available());
  EXPECT_TRUE(View.StampPreview);
  EXPECT_EQ(Editor.Stamp().Figures()->Count(), 1);
  EXPECT_EQ(Editor.Stamp().Min(), (TPoint{100, 100}));
  EXPECT_EQ(Editor.Stamp().Max(), (TPoint{150, 120}));
  EXPECT_EQ(Editor.Stamp().Figures()->GetTail()->Data.Start, (TPoint{0, 0}));

  Editor.DrawingBtnClick(dtStamp);
  Editor.PlaceStamp({300, 200});
  Editor.PlaceStamp({10, 10});
  const TFigData& stamp = Figure(3)->Data;
  EXPECT_EQ(stamp.DrawingTool, dtStamp);
  EXPECT_EQ(stamp.Start, (TPoint{10, 10}));
  EXPECT_EQ(stamp.End, (TPoint{60, 30}));
  EXPECT_EQ(stamp.PenColor, 0x0000FFu);
  // The next line takes the red the stamp left on the canvas, and width 4.
  const TFigData& line = DrawRect({5, 300}, {60, 310}, dtLine)->Data;
  EXPECT_EQ(line.PenColor, 0x0000FFu);
  EXPECT_EQ(line.PenWidth, 4);
  // Until drawing mode is entered again.
  Editor.SellectDrawBtnClick();
  EXPECT_EQ(DrawRect({5, 320}, {60, 330}, dtLine)->Data.PenColor, clBlack);
}

TEST_F(TEditorTest, StampSetUpThatGathersNothing) {
  Editor.CollectStamp({0, 0}, {50, 50});
  EXPECT_EQ(User.Notices, std::vector<std::string>{std::string(msg::kNothingToGather)});
  DrawRect({100, 100}, {150, 120});
  Editor.CollectStamp({0, 0}, {200, 200});
  ASSERT_TRUE(Editor.Stamp().Available());
  Editor.CollectStamp({0, 0}, {120, 110});  // holds one corner only
  EXPECT_FALSE(Editor.Stamp().Available());
  EXPECT_FALSE(View.StampPreview);
  EXPECT_EQ(History().GetStepCount(), 1);
}

}  // namespace
}  // namespace mirel::test
