// Selecting, dragging and the editing panel.
#include "editor/editor_fixture.h"
#include "fileio/user_words.h"

namespace mirel::test {
namespace {

using enum TActionKind;

TEST_F(TEditorTest, HitTestFavoursTheFrontAndReachesThreePixelsOut) {
  TFigItem* back = DrawRect({100, 100}, {200, 200});
  TFigItem* front = DrawRect({150, 150}, {250, 250});
  EXPECT_EQ(Editor.HitTest({160, 160}), front);
  EXPECT_EQ(Editor.HitTest({110, 110}), back);
  EXPECT_EQ(Editor.HitTest({97, 100}), back);
  EXPECT_EQ(Editor.HitTest({96, 100}), nullptr);
  EXPECT_TRUE(InBox({10, 10}, {0, 0}, {13, -3}));
  EXPECT_FALSE(InBox({10, 10}, {0, 0}, {14, 0}));
}

TEST_F(TEditorTest, PressWithTheSelectionToolInDrawingModeSelects) {
  TFigItem* rect = DrawRect({100, 100}, {200, 200});
  Editor.PressWithSelectionTool({120, 120});
  EXPECT_EQ(Editor.EditorMode(), mdEdit);
  EXPECT_EQ(Editor.SelectedFig(), rect);
  EXPECT_EQ(Editor.MarkedFig(), rect);
  Editor.EditRelease({120, 120});
  Editor.EditPress({400, 400});  // empty canvas
  EXPECT_EQ(Editor.SelectedFig(), nullptr);
  EXPECT_EQ(Editor.MarkedFig(), nullptr);
}

TEST_F(TEditorTest, DraggingRecordsOneMoveUnlessItEndsWhereItBegan) {
  TFigItem* line = DrawPoints(dtFreeLine, {{10, 10}, {20, 30}, {40, 15}});
  SelectAt({10, 10}, {25, 5});
  EXPECT_EQ(line->Data.Start, (TPoint{35, 15}));
  EXPECT_EQ(line->Data.PointData->Point(2), (TPoint{65, 20}));
  Editor.EditPress({35, 15});
  Editor.EditMove({80, 80});
  Editor.EditMove({35, 15});
  Editor.EditRelease({35, 15});
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{Create, Move}));
  EXPECT_EQ(Record(2).TargetID, 1);
}

TEST_F(TEditorTest, DuplicateTwiceStepsTwentyPixelsEachAndSelectsTheCopy) {
  DrawRect({10, 10}, {30, 30});
  SelectAt({10, 10});
  Editor.DupBtnClick();
  Editor.DupBtnClick();
  EXPECT_EQ(Figure(1)->Data.Start, (TPoint{30, 30}));
  EXPECT_EQ(Figure(2)->Data.Start, (TPoint{50, 50}));
  EXPECT_EQ(Editor.SelectedFig(), Figure(2));
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{Create, Duplicate, Duplicate}));
  EXPECT_EQ(Record(3).TargetID, 3);
  // A resize right after acts on the copy where it is.
  Editor.TrackBarChange(true, 5);
  EXPECT_EQ(Figure(2)->Data.Start, (TPoint{45, 50}));
  EXPECT_EQ(Figure(1)->Data.Start, (TPoint{30, 30}));
}

TEST_F(TEditorTest, DeleteAndUndo) {
  DrawRect({10, 10}, {30, 30});
  DrawRect({100, 10}, {130, 30});
  Editor.SellectEditBtnClick();
  Editor.DeleteBtnClick();  // nothing selected: only repaints
  EXPECT_EQ(History().GetStepCount(), 2);
  Editor.UndoBtnClick();  // nothing deleted: only repaints
  EXPECT_EQ(History().GetStepCount(), 2);
  SelectAt({10, 10});
  Editor.DeleteBtnClick();
  SelectAt({100, 10});
  Editor.DeleteBtnClick();
  EXPECT_EQ(Editor.SelectedFig(), nullptr);
  EXPECT_EQ(Record(3).TargetID, 1);
  EXPECT_EQ(Record(4).TargetID, 2);
  Editor.UndoBtnClick();
  EXPECT_EQ(Figure(0)->Data.Start, (TPoint{100, 10}));  // the second deleted comes back first
  EXPECT_EQ(Record(5).TargetType, Undo);
  EXPECT_EQ(Record(5).TargetID, 3);
  EXPECT_EQ(Doc().DeletedFigures().Count(), 1);
}

TEST_F(TEditorTest, FrontAndBackSayWhenTheyCannotMove) {
  DrawRect({10, 10}, {30, 30});
  DrawRect({100, 10}, {130, 30});
  SelectAt({100, 10});
  Editor.FrontBackBtnClick(true);
  Editor.FrontBackBtnClick(false);
  Editor.FrontBackBtnClick(false);
  EXPECT_EQ(User.Notices, (std::vector<std::string>{"これより前にいくことができません。",
                                                    "これより後ろにいくことができません。"}));
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{Create, Create, Back}));
}

TEST_F(TEditorTest, AttributeButtons) {
  struct Case {
    TDrawingTool tool;
    std::int32_t width;
    int panel;  // 0 = no fill
    TAttrButton button;
    std::string notice;
    std::int32_t widthAfter;
    bool recorded;
  };
  using enum TAttrButton;
  const Case cases[] = {
      {dtRectangle, 2, 16, ThinBtn, "", 0, true},
      {dtRectangle, 1, 16, ThinBtn, "これより線を細くできません", 1, false},
      {dtRectangle, 0, 16, ThinBtn, "これより線を細くできません", 0, false},
      {dtRectangle, 28, 16, ThickBtn, "", 30, true},
      {dtRectangle, 30, 16, ThickBtn, "これより線を太くできません", 30, false},
      {dtRectangle, 29, 16, ThickBtn, "", 31, true},
      {dtRectangle, 4, 0, LineColorBtn, "線はぬりつぶしなしにできません", 4, false},
      {dtRectangle, 4, 3, LineColorBtn, "", 4, true},
      {dtRectangle, 4, 16, LineColorBtn, "", 4, false},  // already black
      {dtRectangle, 4, 0, BodyColorBtn, "", 4, true},
      {dtRectangle, 4, 0, TextColorBtn, "文字はぬりつぶしなしにできません", 4, false},
      {dtRectangle, 4, 3, TextColorBtn, "", 4, false},
      {dtText, 4, 3, TextColorBtn, "", 4, true},
      {dtStamp, 4, 3, BodyColorBtn, "スタンプは変更できません", 4, false},
  };
  for (const Case& c : cases) {
    TScriptedUser user;
    TRecordingView view;
    TEditor editor(view, user, FixedClock());
    if (c.tool == dtText) {
      editor.PressWithTextTool({10, 10});
      editor.InputEditEnter({10, 10}, "abc");
    } else {
      editor.FinishBoxFigure(dtRectangle, {10, 10}, {40, 40});
      if (c.tool == dtStamp) {
        editor.CollectStamp({0, 0}, {50, 50});
        editor.PlaceStamp({10, 10});
      }
    }
    TFigItem* figure = editor.Document().Figures().GetTail();
    figure->Data.PenWidth = c.width;
    editor.SellectEditBtnClick();
    editor.EditPress({10, 10});
    editor.EditRelease({10, 10});
    if (c.panel == 0) {
      editor.ClearPanelClick();
    } else {
      editor.ColorPanelClick(c.panel);
    }
    const std::int32_t steps = editor.Document().History().GetStepCount();
    editor.AttrChangeBtnClick(c.button);
    SCOPED_TRACE(static_cast<int>(c.button) * 100 + c.width);
    EXPECT_EQ(user.Notices, c.notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.notice});
    EXPECT_EQ(figure->Data.PenWidth, c.widthAfter);
    EXPECT_EQ(editor.Document().History().GetStepCount(), steps + (c.recorded ? 1 : 0));
  }
}

TEST_F(TEditorTest, ChangeTextEditsOnlyATextFigure) {
  TFigItem* text = DrawText({10, 10}, "abc");
  DrawRect({100, 100}, {150, 150});
  SelectAt({10, 10});
  Editor.ChangeTextBtnClick();
  EXPECT_TRUE(View.TextBox);
  EXPECT_EQ(View.TextBoxAt, (TPoint{10, 10}));
  EXPECT_EQ(View.TextBoxWidth, 18 + 30);
  EXPECT_EQ(View.TextBoxText, "abc");
  Editor.InputEditEnter({10, 10}, "abcdef");
  EXPECT_EQ(text->Data.Text, "abcdef");
  EXPECT_EQ(text->Data.End, (TPoint{46, 22}));
  EXPECT_EQ(Record(3).Parameter, TParameter::Text);
  // The box open while the selection moved to a rectangle changes nothing.
  Editor.ChangeTextBtnClick();
  SelectAt({100, 100});
  Editor.InputEditEnter({10, 10}, "xyz");
  EXPECT_EQ(text->Data.Text, "abcdef");
  EXPECT_EQ(History().GetStepCount(), 3);
}

TEST_F(TEditorTest, TrackBarsResizeFromTheBase) {
  TFigItem* rect = DrawRect({100, 50}, {200, 80});
  SelectAt({100, 50});
  Editor.TrackBarChange(true, 10);
  EXPECT_EQ(rect->Data.Start, (TPoint{90, 50}));
  EXPECT_EQ(rect->Data.End, (TPoint{210, 80}));
  Editor.TrackBarChange(false, -5);
  EXPECT_EQ(rect->Data.Start, (TPoint{90, 55}));
  EXPECT_EQ(rect->Data.End, (TPoint{210, 75}));
  EXPECT_EQ(History().GetStepCount(), 1);  // pending until the pointer moves
  Editor.EditMove({400, 400});
  EXPECT_EQ(Record(2).Parameter, TParameter::Size);

  Editor.SellectDrawBtnClick();
  TFigItem* line = DrawPoints(dtFreeLine, {{100, 300}, {150, 310}, {200, 320}});
  SelectAt({100, 300});
  Editor.TrackBarChange(true, 10);
  EXPECT_EQ(line->Data.PointData->Point(0).X, 90);
  EXPECT_EQ(line->Data.PointData->Point(1).X, 150);
  EXPECT_EQ(line->Data.PointData->Point(2).X, 210);
}

TEST_F(TEditorTest, TextSizeFollowsTheBars) {
  TFigItem* text = DrawText({10, 10}, "abcd");
  SelectAt({10, 10});
  const std::pair<bool, int> moves[] = {{false, 7}, {false, 6}, {true, 8}};
  const int sizes[] = {12, 6, 20};
  for (std::size_t i = 0; i < 3; ++i) {
    Editor.TrackBarChange(moves[i].first, moves[i].second);
    EXPECT_EQ(text->Data.TextSize, sizes[i]);
  }
  EXPECT_EQ(text->Data.End, (TPoint{10 + 4 * 20 / 2, 10 + 24}));
}

TEST_F(TEditorTest, ResizingAnotherFigureCommitsTheFirstOne) {
  DrawRect({10, 10}, {30, 30});
  DrawRect({100, 10}, {130, 30});
  Editor.SellectEditBtnClick();
  Editor.EditPress({10, 10});
  Editor.EditRelease({10, 10});
  Editor.TrackBarChange(true, 3);
  Editor.EditPress({100, 10});  // no pointer movement in between
  Editor.EditRelease({100, 10});
  Editor.TrackBarChange(true, 3);
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{Create, Create, Change}));
  EXPECT_EQ(Record(3).TargetID, 1);
}

TEST_F(TEditorTest, StampResizeScalesItsContentsAndNeverSnapsBack) {
  DrawRect({0, 0}, {50, 20});
  Editor.CollectStamp({-5, -5}, {60, 30});
  Editor.PlaceStamp({300, 300});
  TFigItem* stamp = Figures().GetTail();
  SelectAt({300, 300}, {10, 0});  // moved, then resized from where it is
  Editor.TrackBarChange(true, 25);
  EXPECT_EQ(stamp->Data.Start, (TPoint{285, 300}));
  EXPECT_EQ(stamp->Data.End, (TPoint{385, 320}));
  const TFigData& inner = stamp->Data.StampData->GetTail()->Data;
  EXPECT_EQ(inner.Start.X, 0);
  EXPECT_EQ(inner.End.X, 100);
  EXPECT_TRUE(User.Notices.empty());
}

TEST_F(TEditorTest, ResizingOnePlacedStampLeavesItsOtherCopiesAlone) {
  DrawRect({0, 0}, {50, 20});
  Editor.CollectStamp({-5, -5}, {60, 30});
  Editor.PlaceStamp({300, 300});
  Editor.PlaceStamp({100, 300});
  TFigItem* first = Figures().GetHead()->Next()->Next();
  TFigItem* second = Figures().GetTail();
  // Every copy holds the same contents so far: the tool's, the figures', the records'.
  ASSERT_EQ(first->Data.StampData.get(), Editor.Stamp().Figures());
  ASSERT_EQ(second->Data.StampData.get(), Editor.Stamp().Figures());

  SelectAt({300, 300});
  Editor.TrackBarChange(true, 25);
  Editor.SellectDrawBtnClick();  // records the resize
  EXPECT_EQ(first->Data.StampData->GetTail()->Data.End.X, 100);
  for (const TFigList* untouched : {second->Data.StampData.get(), Editor.Stamp().Figures(), Record(2).FigData.StampData.get(),
                                    Record(3).FigData.StampData.get()}) {
    EXPECT_EQ(untouched->GetTail()->Data.End.X, 50);
  }
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{Create, Create, Create, Change}));
  EXPECT_EQ(Record(4).FigData.StampData->GetTail()->Data.End.X, 100);
}

TEST_F(TEditorTest, ZeroExtentOnTheAxisMovesOnlyTheCorners) {
  TFigItem* line = DrawPoints(dtFreeLine, {{100, 10}, {100, 40}, {100, 70}});
  SelectAt({100, 10});
  Editor.TrackBarChange(true, 10);
  EXPECT_EQ(line->Data.Start.X, 90);
  EXPECT_EQ(line->Data.End.X, 110);
  EXPECT_EQ(line->Data.PointData->Point(1).X, 100);
}

}  // namespace
}  // namespace mirel::test
