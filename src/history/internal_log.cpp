#include "history/internal_log.h"

#include <cstdio>
#include <string_view>

namespace mirel {
namespace {

std::string_view ActionWord(TActionKind kind) {
  switch (kind) {
    case TActionKind::Create: return "Create";
    case TActionKind::SetStamp: return "Set stamp data";
    case TActionKind::Move: return "Move";
    case TActionKind::Duplicate: return "Duplicate";
    case TActionKind::Delete: return "Delete";
    case TActionKind::Undo: return "Undo";
    case TActionKind::Front: return "Move front";
    case TActionKind::Back: return "Move back";
    case TActionKind::Change: return "Change";
    case TActionKind::ReadData: return "Read data file";
    case TActionKind::ReadBG: return "Read BG file";
    case TActionKind::CleareBG: return "Clear background";
    case TActionKind::ClearDrawing: return "Clear drawing";
    case TActionKind::ClearAll: return "Clear all";
    case TActionKind::Branch: return "Branch";
    case TActionKind::NoAction: break;
  }
  return "WARNING: Action ?";
}

std::string_view FigureWord(std::uint8_t tool) {
  switch (tool) {
    case dtText: return "Text box";
    case dtLine: return "Line";
    case dtFreeLine: return "Free line";
    case dtEllipse: return "Ellipse";
    case dtRectangle: return "Rectangle";
    case dtPolyline: return "Polyline";
    case dtPolygon: return "Polygon";
    case dtStamp: return "Stamp";
    default: return "Unknown";
  }
}

std::string_view ParameterWord(TParameter parameter) {
  switch (parameter) {
    case TParameter::Size: return "Size";
    case TParameter::BodyColor: return "Body color ";  // the trailing blank belongs to the word
    case TParameter::LineWidth: return "Line width";
    case TParameter::LineColor: return "Line color";
    case TParameter::Text: return "Text";
    case TParameter::TextColor: return "Text color";
    case TParameter::NoParameter: break;
  }
  return "WARNING: Parameter ?";
}

std::string TimeLine(const TActionTime& t) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "at %02d:%02d:%02d.%02d %02d/%02d/%02d.", t.Hour, t.Minute, t.Second,
                t.Hundredths, static_cast<int>(t.Year), t.Month, t.Day);
  return buffer;
}

}  // namespace

void TInternalLog::AddLine(const std::string& line) {
  if (!ShowInternal) return;
  lines_.push_back(line);
  if (listener_) listener_(line);
}

void TInternalLog::LogAction(const TActionData& record) {
  if (!ShowInternal) return;
  for (const std::string& line : DescribeAction(record)) AddLine(line);
}

std::vector<std::string> DescribeAction(const TActionData& record) {
  const TActionKind kind = record.TargetType;
  if (kind == TActionKind::NoAction) return {};

  const std::string action(ActionWord(kind));
  const std::string id = std::to_string(record.TargetID);
  std::vector<std::string> lines;
  switch (kind) {
    case TActionKind::Create:
    case TActionKind::Move:
    case TActionKind::Duplicate:
      lines.push_back(action + " " + std::string(FigureWord(record.FigData.DrawingTool)) + " (ID = " + id + ")");
      break;
    case TActionKind::Delete:
    case TActionKind::Front:
    case TActionKind::Back:
      lines.push_back(action + " figure (ID = " + id + ")");
      break;
    case TActionKind::Change:
      lines.push_back(action + " figure (ID = " + id + ")");
      lines.push_back("Parameter: " + std::string(ParameterWord(record.Parameter)));
      break;
    case TActionKind::ReadBG:
      lines.push_back(action + " (" + record.FileName + ")");  // code page 932 bytes as recorded
      break;
    case TActionKind::Branch:
      lines.push_back(action + " (STEP = " + id + ")");
      break;
    default:
      lines.push_back(action);
      break;
  }
  lines.push_back(TimeLine(record.ActionTime));
  lines.emplace_back();
  return lines;
}

}  // namespace mirel
