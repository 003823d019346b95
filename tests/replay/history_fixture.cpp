#include "history_fixture.h"

#include "support/figure_builders.h"

#include <memory>

namespace mirel::test {

// Figures are told apart by their PenWidth, the "tag".
constexpr test::TLook Tagged(int tag) { return {tag, 0x0000FF, clBtnFace, clBlack}; }

TFigData MakeRect(int tag, TPoint start, TPoint end) { return test::BoxFig(dtRectangle, start, end, Tagged(tag)); }

TFigData MakeFreeLine(int tag, std::initializer_list<TPoint> points) {
  return test::PointFig(dtFreeLine, points, Tagged(tag));
}

TFigData MakeStamp(int tag, TPoint start, TPoint end, const std::vector<TFigData>& contents) {
  std::vector<const TFigData*> pointers;
  for (const TFigData& c : contents) pointers.push_back(&c);
  return test::StampFig(start, end, pointers, Tagged(tag));
}

std::vector<int> Tags(const TFigList& list) {
  std::vector<int> tags;
  for (const TFigItem* i = list.GetNext(list.GetHead()); i; i = i->Next()) tags.push_back(i->Data.PenWidth);
  return tags;
}

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
