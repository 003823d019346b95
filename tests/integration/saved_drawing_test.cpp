// Whole editing sessions through the recorders, the data file and the replay
// engine: the drawing read back from a saved file is the drawing edited.
#include <gtest/gtest.h>

#include "datafile/data_output.h"
#include "datafile/data_reader.h"
#include "datafile/data_writer.h"
#include "datafile/line_reader.h"
#include "datafile/reader_prompts.h"
#include "support/figure_compare.h"
#include "integration/history_checks.h"
#include "integration/editor_session.h"
#include "model/fig_ops.h"
#include "replay/replay_engine.h"
#include "support/figure_builders.h"

namespace mirel::test {
namespace {

// Saves, reads back into a fresh history and rebuilds its last step.
struct TReadBack {
  explicit TReadBack(const std::string& bytes) : lines(bytes) {
    TInternalLog log;
    TNonInteractivePrompts prompts;
    result = ReadDataFile(lines, history, log, prompts);
    rebuilt = TReplayEngine(history, figures, deleted).RebuildDrawing(history.GetTail());
  }
  TLineReader lines;
  THistoryList history;
  TFigList figures;
  TFigList deleted;
  TResult<> result;
  TRebuiltStep rebuilt;
};

// A Branch's TargetID is the step it resumes from. When that number equals
// the ID of a figure drawn later, a resize of that figure must still save
// its points.
TEST(SavedDrawing, ResizeOfAFigureWhoseIDAnEarlierBranchUsesAsItsStep) {
  TEditorSession editor;
  TFigItem* rectangle = editor.Draw(BoxFig(dtRectangle, {10, 10}, {60, 40}));  // ID 1, step 1
  editor.SelectAndDrag(rectangle, {5, 5});                               // step 2
  editor.SelectAndDrag(editor.FigureAt(0), {5, 5});                      // step 3
  ASSERT_TRUE(editor.SwitchToPlay());
  editor.ShowStep(2);
  editor.LeavePlay(true);  // Branch to step 2, step 4
  TFigItem* line = editor.Draw(PointFig(dtFreeLine, {{100, 100}, {150, 120}, {200, 100}}));  // ID 2
  editor.SelectAndDrag(line, {0, 0});
  editor.TrackBar(true, 10);
  const std::string bytes = editor.Save();
  ASSERT_EQ(editor.History.GetStepCount(), 6);

  TReadBack back(bytes);
  ASSERT_TRUE(back.result.Ok) << back.result.Detail;
  EXPECT_EQ(back.rebuilt.SkippedRecords, 0);
  EXPECT_EQ(DescribeListDifference(editor.FigList, back.figures), "");
  EXPECT_EQ(back.figures.GetTail()->Data.PointData->Point(2).X, 210);
}

// A free line shrunk past its middle turns over; selected again and turned
// back with the same width, it must not stay turned over in the file.
TEST(SavedDrawing, FreeLineTurnedOverAndBackKeepsItsPoints) {
  TEditorSession editor;
  TFigItem* line = editor.Draw(PointFig(dtFreeLine, {{100, 100}, {120, 110}, {200, 120}}));
  editor.SelectAndDrag(line, {0, 0});
  editor.TrackBar(true, -100);
  EXPECT_EQ(line->Data.PointData->Point(1).X, 180);
  editor.SelectAndDrag(line, {0, 0});  // the pointer's move records the resize
  editor.TrackBar(true, 100);
  EXPECT_EQ(line->Data.PointData->Point(1).X, 120);

  TReadBack back(editor.Save());
  ASSERT_TRUE(back.result.Ok) << back.result.Detail;
  EXPECT_EQ(DescribeListDifference(editor.FigList, back.figures), "");
}

TEST(SavedDrawing, StretchedStampKeepsItsScaledContentsNestedStampsIncluded) {
  TEditorSession editor;
  editor.Draw(BoxFig(dtRectangle, {40, 0}, {50, 20}));
  editor.GatherStamp({37, -3}, {53, 23});  // the inner stamp: one rectangle
  editor.SelectAndDrag(editor.FigureAt(0), {0, 0});
  editor.Delete();
  editor.Draw(BoxFig(dtRectangle, {0, 0}, {50, 20}));
  editor.PlaceStamp({40, 0});
  editor.GatherStamp({-3, -3}, {53, 23});  // the rectangle and the inner stamp
  TFigItem* item = editor.PlaceStamp({300, 300});
  ASSERT_EQ(item->Data.End, (TPoint{350, 320}));
  editor.SelectAndDrag(item, {0, 0});
  editor.TrackBar(true, 25);  // k = 2
  const std::string bytes = editor.Save();

  const TFigList& contents = *item->Data.StampData;
  EXPECT_EQ(item->Data.Start.X, 275);
  EXPECT_EQ(contents.GetHead()->Next()->Data.End.X, 100);
  EXPECT_EQ(contents.GetTail()->Data.StampData->GetTail()->Data.End.X, 20);
  TReadBack back(bytes);
  ASSERT_TRUE(back.result.Ok) << back.result.Detail;
  EXPECT_EQ(back.rebuilt.SkippedRecords, 0);
  EXPECT_EQ(DescribeListDifference(editor.FigList, back.figures), "");
}

TEST(SavedDrawing, UndoneFigureComesBackInFrontWithANewID) {
  TEditorSession editor;
  editor.Draw(BoxFig(dtRectangle, {0, 0}, {10, 10}));  // A, ID 1
  editor.Draw(BoxFig(dtRectangle, {5, 5}, {30, 30}));  // B, ID 2
  editor.SelectAndDrag(editor.FigureAt(0), {0, 0});
  editor.Delete();
  editor.Undo();  // ID 3
  editor.SelectAndDrag(editor.FigureAt(1), {7, 0});
  ASSERT_EQ(editor.History.GetTail()->Data.TargetID, 3);
  EXPECT_EQ(editor.FigureAt(1)->Data.End, (TPoint{17, 10}));

  TReadBack back(editor.Save());
  ASSERT_TRUE(back.result.Ok) << back.result.Detail;
  EXPECT_EQ(DescribeListDifference(editor.FigList, back.figures), "");
  EXPECT_EQ(back.history.NextFigureID(), 4);
}

}  // namespace
}  // namespace mirel::test
