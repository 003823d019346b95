#include "datafile/data_writer.h"

#include "datafile/format_names.h"

namespace mirel {
namespace {

void WritePointSection(TDataOutput& out, const TPointData* points) {
  out.Line("begin PointData");
  if (points) {
    for (const TPoint& p : points->Points()) out.PointLine(p);
  }
  out.Line("end PointData");
}

void WriteStampSection(TDataOutput& out, const TFigList* stamp) {
  out.Line("begin StampData");
  if (stamp) {
    for (const TFigItem* item = stamp->GetHead()->Next(); item; item = item->Next()) {
      WriteFigData(out, item->Data);
    }
  }
  out.Line("end StampData");
}

}  // namespace

int WriteDataFile(TDataOutput& out, const THistoryList& history) {
  out.Line(kHeaderLine);
  if (history.IsEmpty()) return 1;
  TFirstRecordIndex index;
  for (const TActionItem* item = history.GetHead()->Next(); item; item = item->Next()) {
    index.Note(item->Data);
    WriteActionData(out, item->Data, index);
  }
  return 0;
}

std::int32_t WriteRecordedActions(TDataOutput& out, const TActionItem* item, TFirstRecordIndex& index) {
  std::int32_t written = 0;
  for (; item && item->Data.TargetType != TActionKind::NoAction; item = item->Next(), ++written) {
    index.Note(item->Data);
    WriteActionData(out, item->Data, index);
  }
  return written;
}

void WriteActionData(TDataOutput& out, const TActionData& record, const TFirstRecordIndex& index) {
  const TActionTime& t = record.ActionTime;
  out.Line("begin ActionData");
  out.TimeLine(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Hundredths);
  out.Line(KindName(record.TargetType));
  if (CarriesTargetID(record.TargetType)) out.IntLine(record.TargetID);
  if (record.TargetType == TActionKind::Change) out.Line(ParameterName(record.Parameter));
  if (CarriesFileName(record.TargetType)) out.Line(record.FileName);
  if (record.TargetType == TActionKind::Change) {
    WriteChangeData(out, record, index);
  } else if (CarriesFigData(record.TargetType)) {
    WriteFigData(out, record.FigData);
  }
  out.Line("end ActionData");
}

void WriteFigData(TDataOutput& out, const TFigData& figure) {
  out.Line("begin FigData");
  const std::string_view tool = ToolName(figure.DrawingTool);
  if (!tool.empty()) out.Line(tool);
  out.IntLine(figure.PenWidth);
  out.ColorLine(figure.PenColor);
  out.ColorLine(figure.BrushColor);
  out.IntLine(figure.TextSize);
  out.ColorLine(figure.TextColor);
  out.Line(figure.Text);
  out.PointLine(figure.Start);
  out.PointLine(figure.End);
  if (IsPointListTool(figure.DrawingTool)) WritePointSection(out, figure.PointData.get());
  if (figure.DrawingTool == dtStamp) WriteStampSection(out, figure.StampData.get());
  out.Line("end FigData");
}

void WriteChangeData(TDataOutput& out, const TActionData& record, const TFirstRecordIndex& index) {
  const TFigData& figure = record.FigData;
  out.Line("begin FigData");
  switch (record.Parameter) {
    case TParameter::Size: {
      out.IntLine(figure.TextSize);
      out.PointLine(figure.Start);
      out.PointLine(figure.End);
      const std::uint8_t tool = SizeSectionTool(index, record);
      if (IsPointListTool(tool)) WritePointSection(out, figure.PointData.get());
      if (tool == dtStamp) WriteStampSection(out, figure.StampData.get());
      break;
    }
    case TParameter::BodyColor: out.ColorLine(figure.BrushColor); break;
    case TParameter::LineWidth: out.IntLine(figure.PenWidth); break;
    case TParameter::LineColor: out.ColorLine(figure.PenColor); break;
    case TParameter::Text:
      out.PointLine(figure.Start);
      out.PointLine(figure.End);
      out.Line(figure.Text);
      break;
    case TParameter::TextColor: out.ColorLine(figure.TextColor); break;
    case TParameter::NoParameter: break;
  }
  out.Line("end FigData");
}

}  // namespace mirel
