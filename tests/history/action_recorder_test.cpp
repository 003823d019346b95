// The recorders, driven the way the editor drives them: change the figure
// list first, then call one recorder.
#include "history/action_recorder.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/fig_builders.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::PointFig;
using test::TextFig;
using test::kModelLook;

using test::ExpectListInvariants;

// A clock that advances 10 ms per reading and counts the readings.
struct TFakeClock {
  int Readings = 0;
  int Millis = 0;  // since 13:05:00.000
  TLocalTime operator()() {
    ++Readings;
    const int now = Millis;
    Millis += 10;
    return {2004, 11, 22, 13, 5 + now / 60000, now / 1000 % 60, now % 1000};
  }
};

int Centis(const TActionTime& t) { return ((t.Hour * 60 + t.Minute) * 60 + t.Second) * 100 + t.Hundredths; }

class Recorder : public ::testing::Test {
 protected:
  Recorder() : recorder(history, log, [this] { return clock(); }) { log.ShowInternal = true; }

  // Draws a rectangle: into the figure list, then recorded.
  TFigItem* Draw(int x, int y) {
    TFigItem* item = AddCopy(figures, BoxFig(dtRectangle, {x, y}, {x + 30, y + 20}, kModelLook));
    recorder.RecordCreation(TActionKind::Create, item);
    return item;
  }
  // Widens the selected figure by `dx` as a track bar does.
  void Widen(int dx) {
    selected->Data.End.X += dx;
    recorder.MarkPendingResize(selected);
  }
  // The delete command: commit, store, release, record.
  void Delete(TFigItem* item) {
    selected = item;
    if (recorder.SizeChangePending()) recorder.CommitSizeChange();
    AddCopy(deleted, item->Data);
    DeleteFig(figures, item);
    recorder.RecordEdit(TActionKind::Delete, selected);
    selected = nullptr;
  }
  // The undo command.
  TFigItem* Undo() {
    TFigItem* stored = deleted.GetTail();
    TFigItem* restored = AddCopy(figures, stored->Data);
    recorder.RecordCreation(TActionKind::Undo, restored);
    DeleteFig(deleted, stored);
    return restored;
  }
  void Move(TFigItem* item, int dx, int dy) {
    OffsetFig(item->Data, dx, dy);
    selected = item;
    recorder.RecordEdit(TActionKind::Move, selected);
  }
  const TActionData& Step(int n) { return history.StepItem(n)->Data; }
  std::vector<TActionKind> Kinds() {
    std::vector<TActionKind> kinds;
    for (const TActionItem* i = history.GetNext(history.GetHead()); i; i = i->Next()) kinds.push_back(i->Data.TargetType);
    return kinds;
  }

  THistoryList history;
  TInternalLog log;
  TFakeClock clock;
  TFigList figures;
  TFigList deleted;
  TActionRecorder recorder;
  // The figure the editor has selected.
  TFigItem* selected = nullptr;
};

TEST_F(Recorder, CreationsTakeConsecutiveIds) {
  TFigItem* a = Draw(0, 0);
  Draw(50, 0);
  TFigItem* c = Draw(100, 0);
  ASSERT_EQ(history.GetStepCount(), 3);
  EXPECT_EQ(Step(1).TargetID, 1);
  EXPECT_EQ(Step(2).TargetID, 2);
  EXPECT_EQ(Step(3).TargetID, 3);
  EXPECT_EQ(history.NextFigureID(), 4);
  EXPECT_EQ(Step(1).LiveFig, &a->Data);
  EXPECT_EQ(Step(3).LiveFig, &c->Data);
  EXPECT_EQ(Step(3).TargetType, TActionKind::Create);
  EXPECT_EQ(Step(3).Parameter, TParameter::NoParameter);
  EXPECT_EQ(Step(3).FigData.Start, (TPoint{100, 0}));
  EXPECT_NE(&Step(3).FigData, &c->Data);
  EXPECT_EQ(clock.Readings, 3);  // one clock reading per record
  EXPECT_EQ(log.Lines()[0], "Create Rectangle (ID = 1)");
  ExpectListInvariants(history);
}

TEST_F(Recorder, FigureKeepsItsIdThroughEditsAndGetsANewOneBack) {
  Draw(0, 0);
  TFigItem* b = Draw(50, 0);
  Draw(100, 0);

  selected = b;
  TFigItem* copy = DuplicateFig(figures, b);
  OffsetFig(copy->Data, 20, 20);
  recorder.RecordCreation(TActionKind::Duplicate, copy);
  EXPECT_EQ(Step(4).TargetType, TActionKind::Duplicate);
  EXPECT_EQ(Step(4).TargetID, 4);
  EXPECT_EQ(Step(4).FigData.Start, (TPoint{70, 20}));

  Move(b, 7, 9);
  b->Data.PenColor = 0x00FF00;
  recorder.RecordChange(TActionKind::Change, TParameter::LineColor, selected);
  EXPECT_EQ(Step(5).TargetType, TActionKind::Move);
  EXPECT_EQ(Step(5).TargetID, 2);
  EXPECT_EQ(Step(5).FigData.Start, (TPoint{57, 9}));
  EXPECT_EQ(Step(5).LiveFig, &b->Data);
  EXPECT_EQ(Step(6).TargetType, TActionKind::Change);
  EXPECT_EQ(Step(6).Parameter, TParameter::LineColor);
  EXPECT_EQ(Step(6).TargetID, 2);
  EXPECT_EQ(Step(6).FigData.PenColor, 0x00FF00u);

  Delete(b);
  EXPECT_EQ(Step(7).TargetType, TActionKind::Delete);
  EXPECT_EQ(Step(7).TargetID, 2);
  EXPECT_EQ(Step(7).LiveFig, nullptr);
  EXPECT_EQ(Step(7).FigData.DrawingTool, dtNone);

  TFigItem* restored = Undo();
  EXPECT_EQ(Step(8).TargetType, TActionKind::Undo);
  EXPECT_EQ(Step(8).TargetID, 5);
  Move(restored, 1, 1);
  EXPECT_EQ(Step(9).TargetID, 5);
  EXPECT_EQ(history.NextFigureID(), 6);
  ExpectListInvariants(figures);
}

TEST_F(Recorder, ResizeBackToTheStartRecordsNothing) {
  selected = Draw(0, 0);
  Widen(10);
  Widen(5);
  Widen(-15);
  EXPECT_TRUE(recorder.SizeChangePending());
  recorder.CommitSizeChange();  // a mode change
  EXPECT_EQ(history.GetStepCount(), 1);
  EXPECT_FALSE(recorder.SizeChangePending());
  EXPECT_EQ(recorder.PendingFig(), nullptr);
}

TEST_F(Recorder, MovedButNotResizedRecordsNoSize) {
  TFigItem* a = Draw(0, 0);
  selected = a;
  recorder.MarkPendingResize(selected);
  Move(a, 30, 40);  // the move commits; the size is unchanged
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::Move}));
}

TEST_F(Recorder, TurningAFreeLineOverAndBackIsRecordedBothTimes) {
  // The record of a point-list figure takes the bounds of its points as its
  // corners, so after being turned over the live figure's width is the
  // negative of its record's; turning it back gives the record's width again.
  TFigItem* line = AddCopy(figures, PointFig(dtFreeLine, {{100, 0}, {120, 5}, {200, 10}}, kModelLook));
  recorder.RecordCreation(TActionKind::Create, line);
  selected = line;
  TFigData& f = line->Data;
  const auto setX = [&](std::int32_t start, std::int32_t end, std::vector<std::int32_t> xs) {
    f.Start.X = start;
    f.End.X = end;
    for (std::int32_t i = 0; i < 3; ++i) f.PointData->Point(i).X = xs[static_cast<std::size_t>(i)];
    recorder.MarkPendingResize(selected);
    recorder.CommitSizeChange();
  };
  setX(200, 100, {200, 180, 100});  // over
  setX(100, 200, {100, 120, 200});  // and back
  ASSERT_EQ(history.GetStepCount(), 3);
  EXPECT_EQ(Step(3).FigData.PointData->Point(1).X, 120);
  // Moving changes no shape.
  recorder.MarkPendingResize(selected);
  Move(line, 7, 3);
  EXPECT_EQ(history.GetStepCount(), 4);
}

TEST_F(Recorder, ResizeThenFrontRecordsFrontThenEarlierSizeChange) {
  TFigItem* a = Draw(0, 0);
  Draw(50, 0);
  selected = a;
  Widen(12);
  ASSERT_EQ(MoveFront(figures, a), 0);
  recorder.RecordEdit(TActionKind::Front, selected);
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::Create, TActionKind::Front,
                                               TActionKind::Change}));
  const TActionData& front = Step(3);
  const TActionData& size = Step(4);
  EXPECT_EQ(front.TargetID, 1);
  EXPECT_EQ(size.TargetID, 1);
  EXPECT_EQ(size.Parameter, TParameter::Size);
  EXPECT_EQ(size.LiveFig, &a->Data);
  EXPECT_EQ(size.FigData.End.X, 42);
  EXPECT_LT(Centis(size.ActionTime), Centis(front.ActionTime));
  // The log describes the size change first, as it was written first.
  EXPECT_EQ(log.Lines()[6], "Change figure (ID = 1)");
  EXPECT_EQ(log.Lines()[7], "Parameter: Size");
  EXPECT_EQ(log.Lines()[10], "Move front figure (ID = 1)");
}

TEST_F(Recorder, ResizeThenDeleteRecordsChangeThenDelete) {
  Draw(0, 0);
  TFigItem* b = Draw(50, 0);
  selected = b;
  Widen(-8);
  Delete(b);
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::Create, TActionKind::Change,
                                               TActionKind::Delete}));
  EXPECT_EQ(Step(3).TargetID, 2);
  EXPECT_EQ(Step(3).FigData.End.X, 72);
  EXPECT_EQ(Step(4).TargetID, 2);
}

// A figure that has left the drawing cannot be measured: when the editor
// removes a resized figure without committing first, the resize is dropped
// rather than read from released memory.
TEST_F(Recorder, UncommittedResizeOfARemovedFigureIsDropped) {
  Draw(0, 0);
  TFigItem* b = Draw(50, 0);
  selected = b;
  Widen(-8);
  DeleteFig(figures, b);
  recorder.RecordEdit(TActionKind::Delete, selected);
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::Create, TActionKind::Delete}));
  EXPECT_EQ(Step(3).TargetID, 2);
  EXPECT_FALSE(recorder.SizeChangePending());

  TFigItem* c = Draw(0, 50);
  selected = c;
  Widen(5);
  ClearFigList(figures);
  selected = nullptr;
  recorder.RecordEdit(TActionKind::ClearDrawing, selected);
  EXPECT_EQ(Kinds().back(), TActionKind::ClearDrawing);
  EXPECT_EQ(history.GetStepCount(), 5);
  EXPECT_EQ(recorder.PendingFig(), nullptr);
}

TEST_F(Recorder, ResizingAnotherFigureCommitsTheFirst) {
  TFigItem* a = Draw(0, 0);
  TFigItem* b = Draw(50, 0);
  selected = a;
  Widen(3);
  selected = b;
  b->Data.End.Y += 4;
  recorder.MarkPendingResize(selected);
  ASSERT_EQ(history.GetStepCount(), 3);
  EXPECT_EQ(Step(3).TargetID, 1);
  EXPECT_EQ(recorder.PendingFig(), &b->Data);
  recorder.CommitSizeChange();
  EXPECT_EQ(Step(4).TargetID, 2);
  EXPECT_EQ(Step(4).FigData.End.Y, 24);
  // A second resize compares with the recorded size, not the original one.
  Widen(0);
  recorder.CommitSizeChange();
  EXPECT_EQ(history.GetStepCount(), 4);
}

// After a rebuild only the creating records are linked; the size that counts
// is still the one the figure was last recorded with.
TEST_F(Recorder, ResizeBackAfterARebuildIsRecorded) {
  TFigItem* a = Draw(0, 0);
  selected = a;
  Widen(12);
  recorder.CommitSizeChange();
  ASSERT_EQ(history.GetStepCount(), 2);
  // The links a rebuild of every step leaves: the creation links the
  // figure, the size change gives its size.
  history.ClearLinksAfter(history.GetHead());
  history.Links.Link(history.StepItem(1)->Data, &a->Data);
  history.Links.SetSizeRecord(&a->Data, Step(2));

  Widen(-12);  // back to the size it was drawn with
  recorder.CommitSizeChange();
  ASSERT_EQ(history.GetStepCount(), 3);
  EXPECT_EQ(Step(3).Parameter, TParameter::Size);
  EXPECT_EQ(Step(3).TargetID, 1);
  EXPECT_EQ(Step(3).FigData.End.X, 30);
}

// Records that a Branch left behind do not give the figure's size.
TEST_F(Recorder, ResizeAfterABranchComparesWithTheResumedStep) {
  TFigItem* a = Draw(0, 0);
  selected = a;
  Widen(12);
  recorder.CommitSizeChange();
  // Resume from step 1: the figure is as drawn again.
  a->Data.End.X -= 12;
  history.ClearLinksAfter(history.GetHead());
  history.Links.Link(history.StepItem(1)->Data, &a->Data);
  history.Links.SetSizeRecord(&a->Data, Step(1));
  recorder.RecordBranch(1);

  Widen(12);
  recorder.CommitSizeChange();
  ASSERT_EQ(history.GetStepCount(), 4);
  EXPECT_EQ(Step(4).Parameter, TParameter::Size);
  EXPECT_EQ(Step(4).FigData.End.X, 42);
}

// A text change keeps the resized box but not the new text size, so the
// resize pending over it is still recorded.
TEST_F(Recorder, ResizeOverATextChangeIsStillRecorded) {
  TFigItem* text = AddCopy(figures, TextFig({5, 5}, {45, 17}, "a", 12, 0, kModelLook));
  recorder.RecordCreation(TActionKind::Create, text);
  selected = text;
  text->Data.TextSize = 24;
  Widen(40);
  text->Data.Text = "ab";
  recorder.RecordTextChange(selected);
  recorder.CommitSizeChange();
  ASSERT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::Change, TActionKind::Change}));
  EXPECT_EQ(Step(3).Parameter, TParameter::Size);
  EXPECT_EQ(Step(3).FigData.TextSize, 24);
}

TEST_F(Recorder, TextChangeAndBranchNeverCommit) {
  TFigItem* text = AddCopy(figures, TextFig({5, 5}, {45, 17}, "a", 12, 0, kModelLook));
  recorder.RecordCreation(TActionKind::Create, text);
  selected = text;
  Widen(6);
  text->Data.Text = "ab";
  recorder.RecordTextChange(selected);
  EXPECT_EQ(Step(2).Parameter, TParameter::Text);
  EXPECT_EQ(Step(2).TargetID, 1);
  EXPECT_EQ(Step(2).FigData.Text, "ab");
  recorder.RecordBranch(1);
  EXPECT_EQ(Step(3).TargetType, TActionKind::Branch);
  EXPECT_EQ(Step(3).TargetID, 1);
  EXPECT_EQ(history.GetStepCount(), 3);
  EXPECT_TRUE(recorder.SizeChangePending());
  recorder.ResetPending();  // the editor reset drops it unrecorded
  EXPECT_FALSE(recorder.SizeChangePending());
  EXPECT_EQ(history.GetStepCount(), 3);
}

TEST_F(Recorder, FileAndClearRecordsCarryNoFigure) {
  TFigItem* a = Draw(0, 0);
  selected = a;
  Widen(1);
  recorder.RecordFileAction(TActionKind::ReadBG, "C:\\\x95\x5C\\hana.bmp");
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Create, TActionKind::ReadBG, TActionKind::Change}));
  EXPECT_EQ(Step(2).FileName, "C:\\\x95\x5C\\hana.bmp");
  EXPECT_EQ(Step(2).TargetID, 0);
  EXPECT_EQ(Step(2).LiveFig, nullptr);
  recorder.RecordEdit(TActionKind::ClearAll, selected);  // with a figure still selected
  EXPECT_EQ(Step(4).TargetID, 0);
  EXPECT_EQ(Step(4).LiveFig, nullptr);
  EXPECT_EQ(Step(4).FigData.DrawingTool, dtNone);
}

TEST_F(Recorder, StampResizeBaseIsClearedByEveryCommit) {
  TFigItem* a = Draw(0, 0);
  selected = a;
  recorder.SetStampResizeBase(&Step(1).FigData);
  recorder.MarkPendingResize(selected);
  recorder.CommitSizeChange();
  EXPECT_EQ(recorder.StampResizeBase(), nullptr);
}

TEST_F(Recorder, UnknownFigureGetsIdZeroAndNothingCrashes) {
  Draw(0, 0);
  TFigItem* stranger = AddCopy(figures, BoxFig(dtRectangle, {1, 1}, {2, 2}, kModelLook));  // never recorded
  selected = stranger;
  recorder.RecordEdit(TActionKind::Back, selected);
  EXPECT_EQ(Step(2).TargetID, 0);
  stranger->Data.End.X = 90;
  recorder.MarkPendingResize(selected);
  recorder.CommitSizeChange();  // no record to compare with: nothing recorded
  EXPECT_EQ(history.GetStepCount(), 2);
  selected = nullptr;
  EXPECT_EQ(recorder.RecordEdit(TActionKind::Move, selected), nullptr);
  EXPECT_EQ(recorder.RecordChange(TActionKind::Change, TParameter::BodyColor, selected), nullptr);
  EXPECT_EQ(recorder.RecordCreation(TActionKind::Create, nullptr), nullptr);
  EXPECT_EQ(history.GetStepCount(), 2);
}

TEST_F(Recorder, IdCounterStopsAtTheTopOfItsRange) {
  history.SetNextFigureID(std::numeric_limits<std::int32_t>::max());
  Draw(0, 0);
  Draw(0, 0);
  EXPECT_EQ(Step(2).TargetID, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(history.NextFigureID(), std::numeric_limits<std::int32_t>::max());
}

TEST(RecorderTime, OneReadingGivesDateAndTime) {
  THistoryList history;
  TInternalLog log;
  int readings = 0;
  TActionRecorder recorder(history, log, [&readings] {
    // The first reading is a second before midnight; any later one is the next day.
    return readings++ == 0 ? TLocalTime{2004, 12, 31, 23, 59, 59, 999} : TLocalTime{2005, 1, 1, 0, 0, 0, 0};
  });
  TActionData record;
  recorder.StampTime(record);
  EXPECT_EQ(readings, 1);
  EXPECT_EQ(record.ActionTime, (TActionTime{2004, 31, 12, 59, 23, 99, 59}));

  TActionRecorder worked(history, log, [] { return TLocalTime{2004, 11, 22, 13, 5, 9, 874}; });
  worked.StampTime(record);
  EXPECT_EQ(record.ActionTime.Hundredths, 87);
  EXPECT_EQ(record.ActionTime.Second, 9);
}

}  // namespace
}  // namespace mirel
