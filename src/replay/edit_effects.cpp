#include "replay/edit_effects.h"

#include "model/fig_ops.h"

namespace mirel {

std::unique_ptr<TFigItem> DeleteFigure(TFigList& figures, TFigList& deleted, TFigItem* item) {
  AddCopy(deleted, item->Data);
  return figures.Detach(item);
}

TFigItem* RestoreNewestDeleted(TFigList& figures, TFigList& deleted, TFigData* taken) {
  TFigItem* newest = deleted.GetTail();
  if (newest == deleted.GetHead()) return nullptr;
  TFigItem* restored = AddCopy(figures, newest->Data);
  if (taken) *taken = std::move(newest->Data);
  DeleteFig(deleted, newest);
  return restored;
}

void EmptyDrawing(TFigList& figures, TFigList& deleted) {
  ClearFigList(figures);
  ClearFigList(deleted);
}

std::int64_t AttributeOf(const TFigData& figure, TParameter parameter) {
  switch (parameter) {
    case TParameter::LineColor:
      return figure.PenColor;
    case TParameter::BodyColor:
      return figure.BrushColor;
    case TParameter::TextColor:
      return figure.TextColor;
    case TParameter::LineWidth:
      return figure.PenWidth;
    default:
      return 0;
  }
}

void SetAttribute(TFigData& figure, TParameter parameter, std::int64_t value) {
  switch (parameter) {
    case TParameter::LineColor:
      figure.PenColor = static_cast<TColor>(value);
      break;
    case TParameter::BodyColor:
      figure.BrushColor = static_cast<TColor>(value);
      break;
    case TParameter::TextColor:
      figure.TextColor = static_cast<TColor>(value);
      break;
    case TParameter::LineWidth:
      figure.PenWidth = static_cast<std::int32_t>(value);
      break;
    default:
      break;
  }
}

void SetText(TFigData& figure, const std::string& cp932Text, TPoint start, TPoint end) {
  figure.Text = cp932Text;
  figure.Start = start;
  figure.End = end;
}

}  // namespace mirel
