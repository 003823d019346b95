#include "replay/apply_change.h"

#include <memory>

#include "model/fig_ops.h"
#include "replay/edit_effects.h"

namespace mirel {
namespace {

// A resize keeps the number of points, so a snapshot with fewer points than
// the figure, or a stamp snapshot without contents, does not come from
// resizing this figure.
bool SizeSnapshotFits(const TFigData& figure, const TFigData& snapshot) {
  if (IsPointListTool(figure.DrawingTool) && figure.PointData) {
    return snapshot.PointData && snapshot.PointData->GetCount() >= figure.PointData->GetCount();
  }
  if (figure.DrawingTool == dtStamp) return snapshot.StampData != nullptr;
  return true;
}

void ApplySize(TFigData& figure, const TFigData& snapshot) {
  figure.TextSize = snapshot.TextSize;
  figure.Start = snapshot.Start;
  figure.End = snapshot.End;
  if (IsPointListTool(figure.DrawingTool) && figure.PointData) {
    TPointData& points = *figure.PointData;
    const TPointData& from = *snapshot.PointData;
    for (std::int32_t i = 0; i < points.GetCount(); ++i) points.Point(i) = from.Point(i);
    points.MinX = from.MinX;
    points.MinY = from.MinY;
    points.MaxX = from.MaxX;
    points.MaxY = from.MaxY;
  } else if (figure.DrawingTool == dtStamp) {
    figure.StampData = snapshot.StampData;  // shared until either changes
  }
}

}  // namespace

int ApplyChange(const TActionData& record, TFigItem& item) {
  TFigData& figure = item.Data;
  const TFigData& snapshot = record.FigData;
  switch (record.Parameter) {
    case TParameter::Size:
      if (!SizeSnapshotFits(figure, snapshot)) return 1;
      ApplySize(figure, snapshot);
      break;
    case TParameter::BodyColor:
    case TParameter::LineWidth:
    case TParameter::LineColor:
    case TParameter::TextColor:
      SetAttribute(figure, record.Parameter, AttributeOf(snapshot, record.Parameter));
      break;
    case TParameter::Text:
      SetText(figure, snapshot.Text, snapshot.Start, snapshot.End);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace mirel
