#include "model/fig_ops.h"

namespace mirel {

TFigItem* AddCopy(TFigList& list, const TFigData& source) { return list.Append(source); }

TFigItem* AddEmpty(TFigList& list) { return list.Append(TFigData{}); }

TFigItem* DuplicateFig(TFigList& list, const TFigItem* item) {
  return item ? AddCopy(list, item->Data) : nullptr;
}

int DeleteFig(TFigList& list, TFigItem* item) { return list.Remove(item); }

int MoveBack(TFigList& list, TFigItem* item) { return list.MoveBack(item); }

int MoveFront(TFigList& list, TFigItem* item) { return list.MoveFront(item); }

void ClearFigList(TFigList& list) { list.Clear(); }

void FreeFigList(std::unique_ptr<TFigList>& list) { list.reset(); }

void OffsetFig(TFigData& figure, std::int32_t dx, std::int32_t dy) {
  figure.Start = {WrapAdd(figure.Start.X, dx), WrapAdd(figure.Start.Y, dy)};
  figure.End = {WrapAdd(figure.End.X, dx), WrapAdd(figure.End.Y, dy)};
  if (IsPointListTool(figure.DrawingTool) && figure.PointData) {
    TPointData& points = *figure.PointData;
    for (std::int32_t i = 0; i < points.GetCount(); ++i) {
      TPoint& p = points.Point(i);
      p = {WrapAdd(p.X, dx), WrapAdd(p.Y, dy)};
    }
  }
}

void SetPointCoord(TFigData& figure, int axis, std::int32_t index, std::int32_t value) {
  if (!figure.PointData || index < 0 || index >= figure.PointData->GetCount()) return;
  TPoint& p = figure.PointData->Point(index);
  (axis == 0 ? p.X : p.Y) = value;
}

void FitToPoints(TFigData& figure) {
  if (!figure.PointData) return;
  figure.Start = {figure.PointData->MinX, figure.PointData->MinY};
  figure.End = {figure.PointData->MaxX, figure.PointData->MaxY};
}

}  // namespace mirel
