#include "editor/stamp.h"

#include <algorithm>

#include "model/fig_ops.h"

namespace mirel {
namespace {

const TFigData* LastDrawnIn(const TFigList& contents) {
  for (const TFigItem* item = contents.GetTail(); item != contents.GetHead(); item = item->Prev()) {
    const TFigData& figure = item->Data;
    if (figure.DrawingTool != dtStamp) return &figure;
    if (figure.StampData) {
      if (const TFigData* inner = LastDrawnIn(*figure.StampData)) return inner;
    }
  }
  return nullptr;
}

}  // namespace

bool InBox(TPoint c1, TPoint c2, TPoint p) {
  const std::int64_t left = std::min(c1.X, c2.X), right = std::max(c1.X, c2.X);
  const std::int64_t top = std::min(c1.Y, c2.Y), bottom = std::max(c1.Y, c2.Y);
  return left - 3 <= p.X && p.X <= right + 3 && top - 3 <= p.Y && p.Y <= bottom + 3;
}

TStamp TStamp::Gather(const TFigList& figures, TPoint c1, TPoint c2) {
  TStamp stamp;
  TPoint least{CanvasWidth, CanvasHeight};
  TPoint greatest{0, 0};
  auto gathered = std::make_unique<TFigList>();
  for (const TFigItem* item = figures.GetNext(figures.GetHead()); item; item = item->Next()) {
    const TFigData& figure = item->Data;
    if (!InBox(c1, c2, figure.Start) || !InBox(c1, c2, figure.End)) continue;
    const TFigData& copy = AddCopy(*gathered, figure)->Data;
    least.X = std::min({least.X, copy.Start.X, copy.End.X});
    least.Y = std::min({least.Y, copy.Start.Y, copy.End.Y});
    greatest.X = std::max({greatest.X, copy.Start.X, copy.End.X});
    greatest.Y = std::max({greatest.Y, copy.Start.Y, copy.End.Y});
  }
  if (gathered->Count() == 0) return stamp;
  for (TFigItem* item = gathered->GetNext(gathered->GetHead()); item; item = item->Next()) {
    OffsetFig(item->Data, WrapSub(0, least.X), WrapSub(0, least.Y));
  }
  stamp.contents_ = std::move(gathered);
  stamp.min_ = least;
  stamp.max_ = greatest;
  return stamp;
}

const TFigData* TStamp::LastDrawnFigure() const { return contents_ ? LastDrawnIn(*contents_) : nullptr; }

void TStamp::PlaceAt(TFigData& figure) const {
  figure.End = TPoint{WrapAdd(figure.Start.X, std::int64_t{max_.X} - min_.X),
                      WrapAdd(figure.Start.Y, std::int64_t{max_.Y} - min_.Y)};
  figure.StampData = contents_;  // shared until either changes
}

}  // namespace mirel
