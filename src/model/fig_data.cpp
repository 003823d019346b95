#include "model/fig_data.h"

#include "model/fig_ops.h"

namespace mirel {

TFigData::TFigData() = default;
TFigData::~TFigData() = default;
TFigData::TFigData(TFigData&&) noexcept = default;
TFigData& TFigData::operator=(TFigData&&) noexcept = default;

TFigData::TFigData(const TFigData& other)
    : DrawingTool(other.DrawingTool),
      PenWidth(other.PenWidth),
      PenColor(other.PenColor),
      BrushColor(other.BrushColor),
      BrushStyle(other.BrushStyle),
      TextSize(other.TextSize),
      TextColor(other.TextColor),
      Text(other.Text),
      Start(other.Start),
      End(other.End) {
  if (IsPointListTool(DrawingTool) && other.PointData) {
    PointData = std::make_unique<TPointData>(other.PointData->Points());
    FitToPoints(*this);
  }
  if (DrawingTool == dtStamp) StampData = other.StampData;
}

TFigData& TFigData::operator=(const TFigData& other) {
  if (this != &other) *this = TFigData(other);
  return *this;
}

}  // namespace mirel
