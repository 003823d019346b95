// Modes, tools, the palette and leaving watching mode.
#include "editor/editor_fixture.h"
#include "fileio/user_words.h"

namespace mirel::test {
namespace {

using enum TActionKind;

TEST_F(TEditorTest, StartsInDrawingModeWithTheSelectionToolAndNoStamp) {
  Editor.FormCreate("");
  EXPECT_EQ(View.Caption, "Mirel Ver.1.31");
  EXPECT_EQ(Editor.EditorMode(), mdDraw);
  EXPECT_EQ(Editor.CurrentTool(), kSelectionTool);
  EXPECT_FALSE(Editor.Stamp().Available());
  EXPECT_EQ(Editor.PaletteColor(), clBlack);
  EXPECT_EQ(History().NextFigureID(), 1);
  const TMenuState menus = Editor.Menus();
  EXPECT_TRUE(menus.FileMenu && menus.DataItems && menus.DrawMenu && menus.ToolMenu);
}

TEST_F(TEditorTest, WatchingNeedsAHistory) {
  Editor.DrawingBtnClick(dtLine);
  Editor.SellectPlayBtnClick();
  EXPECT_EQ(User.Notices, std::vector<std::string>{std::string(msg::kNothingToPlay)});
  EXPECT_EQ(Editor.EditorMode(), mdDraw);
  EXPECT_EQ(Editor.CurrentTool(), kSelectionTool);
}

TEST_F(TEditorTest, WatchingStartsBlankAndLeavingAtTheLastStepAsksNothing) {
  DrawRect({10, 10}, {50, 50});
  DrawRect({100, 10}, {150, 50});
  Editor.CollectStamp({0, 0}, {200, 200});
  ASSERT_TRUE(Editor.Stamp().Available());
  Editor.SellectPlayBtnClick();
  EXPECT_EQ(Editor.EditorMode(), mdPlay);
  EXPECT_EQ(Figures().Count(), 0);
  EXPECT_FALSE(Editor.Stamp().Available());  // forgotten until the next set-up
  EXPECT_EQ(Editor.Playback().Controls().Maximum, 2);
  EXPECT_EQ(Editor.Playback().Controls().Position, 0);
  EXPECT_FALSE(Editor.Playback().Controls().ReverseEnabled);
  EXPECT_FALSE(Editor.Menus().DataItems);
  EXPECT_FALSE(Editor.Menus().DrawMenu);
  EXPECT_TRUE(Editor.Menus().ToolMenu);
  Editor.TimeTrackBarChange(2);
  Editor.SellectDrawBtnClick();
  EXPECT_TRUE(User.Questions.empty());
  EXPECT_EQ(Figures().Count(), 2);
  EXPECT_TRUE(Editor.Menus().DataItems);
}

TEST_F(TEditorTest, ResumeQuestionAnswers) {
  struct Case {
    TAnswer answer;
    TEditorMode mode;
    int figures;
    std::vector<TActionKind> kinds;
  };
  const Case cases[] = {
      {TAnswer::No, mdEdit, 2, {Create, Create}},
      {TAnswer::Yes, mdEdit, 1, {Create, Create, Branch}},
      {TAnswer::Cancel, mdPlay, 1, {Create, Create}},
  };
  for (const Case& c : cases) {
    TScriptedUser user;
    TRecordingView view;
    TEditor editor(view, user, FixedClock());
    editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    editor.FinishBoxFigure(dtRectangle, {100, 10}, {150, 50});
    editor.SellectPlayBtnClick();
    editor.ForwardBtnClick();
    user.YesNoCancel = {c.answer};
    editor.SellectEditBtnClick();
    EXPECT_EQ(user.Questions, std::vector<std::string>{"かくにん: ここからえがきなおしますか？"});
    EXPECT_EQ(editor.EditorMode(), c.mode);
    EXPECT_EQ(editor.Document().Figures().Count(), c.figures);
    std::vector<TActionKind> kinds;
    for (const TActionItem* i = editor.Document().History().GetHead()->Next(); i; i = i->Next()) {
      kinds.push_back(i->Data.TargetType);
    }
    EXPECT_EQ(kinds, c.kinds);
    if (c.answer == TAnswer::Yes) {
      EXPECT_EQ(editor.Document().History().GetTail()->Data.TargetID, 1);
    }
  }
}

TEST_F(TEditorTest, APolylineUnderWayRefusesToolsModesAndMenus) {
  Editor.DrawingBtnClick(dtPolygon);
  Editor.BeginPolyline();
  EXPECT_FALSE(Editor.Menus().FileMenu || Editor.Menus().DrawMenu || Editor.Menus().ToolMenu);
  Editor.SellectEditBtnClick();
  Editor.SellectPlayBtnClick();
  Editor.SellectDrawBtnClick();
  Editor.DrawingBtnClick(dtLine);
  Editor.DrawMenuClick();
  EXPECT_EQ(Editor.EditorMode(), mdDraw);
  EXPECT_EQ(Editor.CurrentTool(), dtPolygon);
  // A reset while it lasts gives the menus back and tells the window to
  // drop the gesture.
  const std::uint32_t resets = Editor.ResetCount();
  Editor.ResetEditor();
  EXPECT_EQ(Editor.ResetCount(), resets + 1);
  EXPECT_FALSE(Editor.PolylineActive());
  EXPECT_TRUE(Editor.Menus().FileMenu && Editor.Menus().DrawMenu && Editor.Menus().ToolMenu);
}

TEST_F(TEditorTest, TheTextBoxClosesWithModesAndOtherTools) {
  Editor.DrawingBtnClick(dtText);
  Editor.PressWithTextTool({5, 5});
  Editor.DrawingBtnClick(dtText);
  EXPECT_TRUE(View.TextBox);  // the text tool again keeps it open
  Editor.DrawingBtnClick(dtLine);
  EXPECT_FALSE(View.TextBox);
  Editor.PressWithTextTool({5, 5});
  Editor.SellectEditBtnClick();
  EXPECT_FALSE(View.TextBox);
}

TEST_F(TEditorTest, PaletteSetsOnlyTheChosenColour) {
  DrawRect({10, 10}, {50, 50});
  Editor.ColorPanelClick(2);
  EXPECT_EQ(Editor.PaletteColor(), 0xB469FFu);
  EXPECT_EQ(Editor.PaletteHint(), "色がえらばれています");
  Editor.ClearPanelClick();
  EXPECT_EQ(Editor.PaletteColor(), clBtnFace);
  EXPECT_EQ(Editor.PaletteHint(), "「ぬりつぶしなし」がえらばれています");
  EXPECT_EQ(Figure(0)->Data.BrushColor, clWhite);
  EXPECT_EQ(History().GetStepCount(), 1);
}

TEST_F(TEditorTest, LogSwitchEmptiesThePaneWhenSwitchedOn) {
  DrawRect({10, 10}, {50, 50});
  EXPECT_TRUE(Doc().Log().Lines().empty());
  Editor.ShowDataMenuClick();
  DrawRect({60, 10}, {90, 50});
  EXPECT_EQ(Doc().Log().Lines().front(), "Create Rectangle (ID = 2)");
  Editor.ShowDataMenuClick();
  EXPECT_FALSE(Doc().Log().Lines().empty());
  Editor.ShowDataMenuClick();
  EXPECT_TRUE(Doc().Log().Lines().empty());
}

}  // namespace
}  // namespace mirel::test
