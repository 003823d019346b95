// The engine, which applies each record at most once, must leave exactly
// what replaying every record and every branch recursively leaves: the same
// figures in the same order, the same deleted figures, the same background
// and the same records linked to the same figures.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "history_fixture.h"
#include "naive_replay.h"

namespace mirel::test {
namespace {

using enum TActionKind;

class TGenerator {
 public:
  explicit TGenerator(unsigned seed) : rng_(seed) {}

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }

  TFigData RandomFigure(int tag, int depth = 0) {
    const TPoint at{Pick(0, 600), Pick(0, 440)};
    switch (Pick(0, depth < 2 ? 2 : 1)) {
      case 0:
        return BoxFig(dtRectangle, at, {at.X + Pick(1, 40), at.Y + Pick(1, 40)}, Tagged(tag));
      case 1: {
        TFigData f = PointFig(dtFreeLine, {at}, Tagged(tag));
        for (int n = Pick(1, 5); n > 0; --n) f.PointData->AddPoint(at.X + Pick(-30, 30), at.Y + Pick(-30, 30));
        return TFigData(f);  // a stored copy fits the corners to the points
      }
      default: {
        std::vector<TFigData> contents;
        for (int n = Pick(1, 3); n > 0; --n) contents.push_back(RandomFigure(tag * 10 + n, depth + 1));
        return StampFig(at, {at.X + 50, at.Y + 50}, contents, Tagged(tag));
      }
    }
  }

  // The figure as a Change record of `parameter` would hold it.
  TFigData Changed(const TFigData& live, TParameter parameter) {
    TFigData f = live;
    switch (parameter) {
      case TParameter::Size:
        f.End = {f.Start.X + Pick(1, 90), f.Start.Y + Pick(1, 90)};
        f.TextSize = Pick(8, 40);
        if (f.PointData) {
          for (std::int32_t i = 0; i < f.PointData->GetCount(); ++i) {
            f.PointData->Point(i).X += Pick(-5, 5);
          }
          f = TFigData(f);
        }
        if (f.StampData) AddCopy(f.StampData.MakeUnique(), RandomFigure(777));
        break;
      case TParameter::BodyColor: f.BrushColor = static_cast<TColor>(Pick(0, 0xFFFFFF)); break;
      case TParameter::LineWidth: f.PenWidth = Pick(1, 9); break;
      case TParameter::LineColor: f.PenColor = static_cast<TColor>(Pick(0, 0xFFFFFF)); break;
      case TParameter::Text:
        f.Text = "text" + std::to_string(Pick(0, 99));
        f.End.X += Pick(-10, 10);
        break;
      default: f.TextColor = static_cast<TColor>(Pick(0, 0xFFFFFF)); break;
    }
    // A few changes carry more than their own field in the snapshot.
    OffsetFig(f, Pick(0, 1) * 7, 0);
    return f;
  }

  // Appends `records` records as an editor would write them, rebuilding the
  // last step with the reference to know which figures are live.
  void Consistent(THistoryList& h, int records, int maxBranches) {
    TFigList figs, deleted;
    TNaiveReplay naive(h, figs, deleted);
    int nextId = 1;
    int branches = 0;
    for (int k = 1; k <= records; ++k) {
      naive.Rebuild(k - 1);
      std::vector<TActionData*> live;
      for (TActionItem* i = h.GetHead()->Next(); i; i = i->Next()) {
        if (i->Data.LiveItem) live.push_back(&i->Data);
      }
      const int roll = Pick(0, 99);
      if (roll < 9 && branches < maxBranches) {
        ++branches;
        AddBranch(h, Pick(0, k - 1));
      } else if (roll < 13) {
        AddReadBG(h, "bg" + std::to_string(Pick(0, 3)) + ".jpg");
      } else if (roll < 15) {
        AddPlain(h, Chance(50) ? CleareBG : (Chance(50) ? ClearDrawing : ClearAll));
      } else if (roll < 19 && !deleted.IsEmpty()) {
        AddCreate(h, nextId++, deleted.GetTail()->Data, Undo);
      } else if (roll < 42 || live.empty()) {
        AddCreate(h, nextId, RandomFigure(nextId));
        ++nextId;
      } else {
        const TActionData& target = *live[static_cast<std::size_t>(Pick(0, static_cast<int>(live.size()) - 1))];
        const TFigData& fig = target.LiveItem->Data;
        const int id = target.TargetID;
        switch (Pick(0, 5)) {
          case 0: {
            TFigData copy = fig;
            OffsetFig(copy, 20, 20);
            AddCreate(h, nextId++, copy, Duplicate);
            break;
          }
          case 1: {
            TFigData moved = fig;
            OffsetFig(moved, Pick(-50, 50), Pick(-50, 50));
            AddWithFigure(h, Move, id, moved);
            break;
          }
          case 2: AddOnFigure(h, Delete, id); break;
          case 3: AddOnFigure(h, Chance(50) ? Front : Back, id); break;
          default: {
            const auto parameter = static_cast<TParameter>(Pick(0, 5));
            AddChange(h, id, parameter, Changed(fig, parameter));
            break;
          }
        }
      }
    }
  }

  // Any records at all: unknown IDs, branches anywhere, repeated IDs.
  void Arbitrary(THistoryList& h, int records) {
    for (int k = 1; k <= records; ++k) {
      const int id = Pick(-1, 8);
      switch (Pick(0, 12)) {
        case 0: case 1: case 2: AddCreate(h, id, RandomFigure(k)); break;
        case 3: AddCreate(h, id, RandomFigure(k), Chance(50) ? Duplicate : Undo); break;
        case 4: AddWithFigure(h, Move, id, RandomFigure(k)); break;
        case 5: AddOnFigure(h, Delete, id); break;
        case 6: AddOnFigure(h, Chance(50) ? Front : Back, id); break;
        case 7: {
          const auto parameter = static_cast<TParameter>(Pick(0, 7));
          AddChange(h, id, parameter, Changed(RandomFigure(k), parameter));
          break;
        }
        case 8: AddReadBG(h, "bg" + std::to_string(id) + ".bmp"); break;
        case 9: AddPlain(h, static_cast<TActionKind>(Pick(9, 16))); break;
        default:
          if (Chance(40)) AddBranch(h, Pick(-2, k + 2));
          break;
      }
    }
  }

 private:
  std::mt19937 rng_;
};

void CloneHistory(const THistoryList& from, THistoryList& to) {
  for (const TActionItem* i = from.GetHead()->Next(); i; i = i->Next()) {
    TActionData& r = to.AddAction(i->Data.FigData)->Data;
    r.ActionTime = i->Data.ActionTime;
    r.TargetType = i->Data.TargetType;
    r.TargetID = i->Data.TargetID;
    r.Parameter = i->Data.Parameter;
    r.FileName = i->Data.FileName;
  }
}

// For every step, the position in FigList of the figure its record links,
// or -1; -2 flags a link outside FigList or two links that disagree.
std::vector<int> LinkPositions(const THistoryList& h, const TFigList& figs) {
  std::vector<int> positions;
  for (const TActionItem* i = h.GetHead(); i; i = i->Next()) {
    const TActionData& r = i->Data;
    int position = r.LiveItem || r.LiveFig ? -2 : -1;
    int n = 0;
    for (const TFigItem* f = figs.GetNext(figs.GetHead()); f; f = f->Next(), ++n) {
      if (f == r.LiveItem && r.LiveFig == &f->Data) position = n;
    }
    positions.push_back(position);
  }
  return positions;
}

// For every figure of FigList, the step of the record that gave its size.
std::vector<int> SizeSteps(TReplayFixture& f) {
  std::map<const TActionData*, int> stepOf;
  for (std::int32_t s = 1; s <= f.History.GetStepCount(); ++s) stepOf[&f.Record(s)] = s;
  std::vector<int> steps;
  for (const TFigItem* i = f.FigList.GetNext(f.FigList.GetHead()); i; i = i->Next()) {
    steps.push_back(stepOf[f.History.Links.SizeRecord(&i->Data)]);
  }
  return steps;
}

void ExpectSameReplay(const THistoryList& history, std::mt19937& rng) {
  THistoryList naiveHistory;
  CloneHistory(history, naiveHistory);
  TReplayFixture engine, fresh;
  CloneHistory(history, engine.History);
  CloneHistory(history, fresh.History);
  // Copies of the drawing every few steps, so that rebuilds start from them.
  engine.Engine.SetCheckpointSpacing(3);
  TFigList figs, deleted;
  TNaiveReplay naive(naiveHistory, figs, deleted);

  const std::int32_t last = history.GetStepCount();
  std::vector<std::int32_t> targets;
  for (std::int32_t s = 0; s <= last; ++s) targets.push_back(s);
  // Back one step at a time and by jumps: the steps applied last are taken back.
  for (std::int32_t s = last; s >= 0; --s) targets.push_back(s);
  // Jumps either way go on from the drawing left, take steps back or start
  // from a copy, whichever costs least.
  for (int n = 0; n < 40; ++n) targets.push_back(std::uniform_int_distribution<std::int32_t>(0, last)(rng));
  for (std::int32_t step : targets) {
    const std::string background = naive.Rebuild(step);
    const TRebuiltStep rebuilt = engine.Rebuild(step);
    ASSERT_TRUE(SameFigures(figs, engine.FigList)) << "step " << step;
    ASSERT_TRUE(SameFigures(deleted, engine.DeletedFigList)) << "step " << step;
    ASSERT_EQ(background, rebuilt.BackgroundFile) << "step " << step;
    fresh.Engine.Invalidate();
    ASSERT_EQ(fresh.Rebuild(step).SkippedRecords, rebuilt.SkippedRecords) << "step " << step;
    ASSERT_EQ(SizeSteps(fresh), SizeSteps(engine)) << "step " << step;
    ASSERT_EQ(LinkPositions(naiveHistory, figs), LinkPositions(engine.History, engine.FigList)) << "step " << step;
  }
  // The same while the history grows record by record, as the editor makes
  // it: the engine's index extends instead of starting again. Copies of a
  // few figures in all: they are thinned out all the time, the newest kept.
  TReplayFixture growing;
  growing.Engine.SetCheckpointSpacing(2, 12);
  const TActionItem* source = history.GetHead()->Next();
  for (std::int32_t step = 1; step <= last; ++step, source = source->Next()) {
    TActionData& record = growing.History.AddBlankAction()->Data;
    record = source->Data;
    record.LiveFig = nullptr;
    record.LiveItem = nullptr;
    naive.Rebuild(step);
    growing.Rebuild(step);
    ASSERT_TRUE(SameFigures(figs, growing.FigList)) << "grown to step " << step;
    ASSERT_TRUE(SameFigures(deleted, growing.DeletedFigList)) << "grown to step " << step;
  }
}

TEST(NaiveEquivalence, ConsistentHistoriesWithNestedBranches) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    TGenerator gen(seed);
    THistoryList history;
    gen.Consistent(history, gen.Pick(5, 35), 6);
    std::mt19937 rng(seed);
    ExpectSameReplay(history, rng);
    if (HasFatalFailure()) return;
  }
}

TEST(NaiveEquivalence, ArbitraryRecordsIncludingInvalidOnes) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    TGenerator gen(seed);
    THistoryList history;
    gen.Arbitrary(history, gen.Pick(5, 25));
    std::mt19937 rng(seed);
    ExpectSameReplay(history, rng);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace mirel::test
