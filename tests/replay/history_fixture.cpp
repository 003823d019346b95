#include "history_fixture.h"

#include "support/figure_builders.h"

#include <memory>

namespace mirel::test {

TActionData& AddCreate(THistoryList& h, std::int32_t id, const TFigData& fig, TActionKind kind) {
  return AddWithFigure(h, kind, id, fig);
}

TActionData& AddWithFigure(THistoryList& h, TActionKind kind, std::int32_t id, const TFigData& fig) {
  TActionData& r = h.AddAction(fig)->Data;
  r.TargetType = kind;
  r.TargetID = id;
  return r;
}

TActionData& AddOnFigure(THistoryList& h, TActionKind kind, std::int32_t id) {
  TActionData& r = h.AddBlankAction()->Data;
  r.TargetType = kind;
  r.TargetID = id;
  return r;
}

TActionData& AddChange(THistoryList& h, std::int32_t id, TParameter parameter, const TFigData& fig) {
  TActionData& r = AddWithFigure(h, TActionKind::Change, id, fig);
  r.Parameter = parameter;
  return r;
}

TActionData& AddReadBG(THistoryList& h, const std::string& name) {
  TActionData& r = AddPlain(h, TActionKind::ReadBG);
  r.FileName = name;
  return r;
}

TActionData& AddPlain(THistoryList& h, TActionKind kind) { return AddOnFigure(h, kind, 0); }

TActionData& AddBranch(THistoryList& h, std::int32_t step) { return AddOnFigure(h, TActionKind::Branch, step); }

std::vector<int> TReplayFixture::LinkedSteps() {
  std::vector<int> steps;
  int step = 0;
  for (const TActionItem* item = History.GetHead(); item; item = item->Next(), ++step) {
    const TActionData& r = item->Data;
    if (!r.LiveItem && !r.LiveFig) continue;
    steps.push_back(step);
    EXPECT_EQ(r.LiveFig, r.LiveItem ? &r.LiveItem->Data : nullptr) << "step " << step;
    bool inList = false;
    for (const TFigItem* f = FigList.GetNext(FigList.GetHead()); f; f = f->Next()) inList |= f == r.LiveItem;
    EXPECT_TRUE(inList) << "step " << step << " links a figure outside FigList";
  }
  return steps;
}

}  // namespace mirel::test
