#include "datafile/data_reader.h"

#include <limits>

#include "datafile/file_name_resolver.h"
#include "datafile/format_names.h"
#include "datafile/printable_line.h"
#include "datafile/value_parse.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

constexpr std::int32_t kInitialPointRoom = 32;

// `text` in single quotes. (Built by appending: g++ 12 warns wrongly about
// "'" + std::string at -O2.)
std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  quoted += text;
  quoted += '\'';
  return quoted;
}

// Enough of a line to recognise it in a developer message.
std::string Excerpt(std::string_view line) { return Quoted(PrintableLine(line, 60)); }

// One above the largest ID read, so new figures never reuse one.
void StepPastReadIDs(THistoryList& history) {
  if (history.IsEmpty()) return;
  history.TakeFigureID();
}

}  // namespace

std::string NotIntegerMessage(std::string_view lineUtf8) {
  return Quoted(lineUtf8) + std::string(msg::kNotInteger);
}

TResult<> ReadDataFile(TLineReader& lines, THistoryList& history, TInternalLog& log,
                         IReaderPrompts& prompts) {
  return TDataFileReader(lines, history, log, prompts).ReadDataFile();
}

TDataFileReader::TDataFileReader(TLineReader& lines, THistoryList& history, TInternalLog& log,
                                 IReaderPrompts& prompts)
    : lines_(lines), history_(history), log_(log), prompts_(prompts), index_(history) {}

TResult<> TDataFileReader::ReadDataFile() {
  TResult<> result;
  history_.SetNextFigureID(1);
  const std::optional<std::string_view> header = ReadLine();
  if (!header || !IsKnownHeader(*header)) {
    if (header) {
      Fail("not a known header: " + Excerpt(*header));
    } else {
      FailMissingLine("the header");
    }
    result.Ok = false;
    result.Message = msg::kBadFormatMessage;
  } else {
    int status = 0;
    while ((status = ReadActionData()) == 0) {
    }
    if (status == 1) {
      result.Ok = false;
      result.Message = badColorLine_ ? NotIntegerMessage(PrintableLine(*badColorLine_))
                                     : std::string(msg::kBadItemMessage);
    }
    // Also after a failure: drawing may go on from the records kept.
    StepPastReadIDs(history_);
  }
  result.Detail = failure_;
  return result;
}

int TDataFileReader::ReadActionData() {
  std::string_view line;
  if (!TakeLine(line)) return lastStatus_ == TLineReader::TStatus::End ? 2 : FailMissingLine("'begin ActionData'");
  if (line != "begin ActionData") return Fail("expected 'begin ActionData', read " + Excerpt(line));
  TActionItem* item = history_.AddBlankAction();
  if (ReadActionBody(item->Data) == 0) return 0;
  index_.Forget(item->Data);
  history_.Remove(item);
  return 1;
}

int TDataFileReader::ReadActionBody(TActionData& record) {
  std::string_view line;
  if (!TakeValue("ActionTime", line)) return FailMissingLine("the time line");
  record.ActionTime = ParseTimeLine(line);

  if (!TakeValue("TargetType", line)) return FailMissingLine("the kind line");
  const std::optional<TActionKind> kind = KindFromName(line);
  if (!kind) return Fail("no action kind: " + Excerpt(line));
  record.TargetType = *kind;

  if (CarriesTargetID(record.TargetType)) {
    if (ReadInt("TargetID", record.TargetID) != 0) return 1;
    if (record.TargetID > history_.NextFigureID()) history_.SetNextFigureID(record.TargetID);
  }
  index_.Note(record);

  if (record.TargetType == TActionKind::Change) {
    if (!TakeValue("Parameter", line)) return FailMissingLine("the parameter line");
    const std::optional<TParameter> parameter = ParameterFromName(line);
    if (!parameter) return Fail("no change parameter: " + Excerpt(line));
    record.Parameter = *parameter;
  }

  if (CarriesFileName(record.TargetType)) {
    if (!TakeValue("FileName", line)) return FailMissingLine("the file name line");
    record.FileName = ResolveFileName(line, prompts_);
  }

  if (record.TargetType == TActionKind::Change) {
    if (ReadChangeData(record) != 0) return 1;
  } else if (CarriesFigData(record.TargetType)) {
    if (ReadFigData(record.FigData) != 0) return 1;
  }
  return ExpectLine("end ActionData");
}

int TDataFileReader::ReadFigData(TFigData& figure) {
  if (ExpectLine("begin FigData") != 0 || ReadFigBody(figure, 0) != 0) return 1;
  return ExpectLine("end FigData");
}

int TDataFileReader::ReadFigBody(TFigData& figure, int depth) {
  std::string_view toolLine;
  if (!TakeValue("DrawingTool", toolLine)) return FailMissingLine("the tool line");
  const std::optional<TDrawingTool> tool = ToolFromName(toolLine);
  if (!tool) return Fail("no drawing tool: " + Excerpt(toolLine));
  figure.DrawingTool = *tool;

  if (ReadInt("PenWidth", figure.PenWidth) || ReadColor("PenColor", figure.PenColor) ||
      ReadColor("BrushColor", figure.BrushColor) || ReadInt("TextSize", figure.TextSize) ||
      ReadColor("TextColor", figure.TextColor)) {
    return 1;
  }
  std::string_view text;
  if (!TakeValue("Text", text)) return FailMissingLine("the text line");
  figure.Text.assign(text);
  TPoint corner;
  if (ReadPoint("Start(x,y)", corner) != 0) return 1;
  figure.Start = corner;
  if (ReadPoint("End(x,y)", corner) != 0) return 1;
  figure.End = corner;
  figure.BrushStyle = 0;

  if (IsPointListTool(figure.DrawingTool)) {
    // Grows as points arrive: a file of many short point lists must not
    // cost room for 2000 points each.
    figure.PointData = std::make_unique<TPointData>(kInitialPointRoom);
    if (ReadPointSection(*figure.PointData) != 0) return 1;
  }
  if (figure.DrawingTool == dtStamp) {
    figure.StampData = std::make_unique<TFigList>();
    if (ReadStampSection(figure.StampData.MakeUnique(), depth + 1) != 0) return 1;
  }
  return 0;
}

int TDataFileReader::ReadPointSection(TPointData& points) {
  if (ExpectLine("begin PointData") != 0) return 1;
  return ReadPointLines(points);
}

int TDataFileReader::ReadPointLines(TPointData& points) {
  TPoint point;
  for (;;) {
    std::string_view line;
    if (!TakeLine(line)) return FailMissingLine("'end PointData'");
    if (line == "end PointData") return 0;
    if (!ReadPointLine(line, point)) return Fail("point out of range: " + Excerpt(line));
    points.AddPoint(point.X, point.Y);  // past the 2000th point: dropped
  }
}

int TDataFileReader::ReadStampSection(TFigList& list, int depth) {
  if (depth > kMaxStampDepth) return Fail("stamps nested too deeply");
  if (ExpectLine("begin StampData") != 0) return 1;
  return ReadStampFigures(list, depth);
}

int TDataFileReader::ReadStampFigures(TFigList& list, int depth) {
  for (;;) {
    const std::optional<std::string_view> line = ReadLine();
    if (!line) return FailMissingLine("'end StampData'");
    if (*line == "end StampData") return 0;
    if (*line != "begin FigData") return Fail("expected 'begin FigData', read " + Excerpt(*line));
    TFigItem* item = AddEmpty(list);
    if (ReadFigBody(item->Data, depth) != 0 || ExpectLine("end FigData") != 0) return 1;
  }
}

int TDataFileReader::ReadSizeSection(TFigData& figure, std::uint8_t tool) {
  // Files whose writer took a Branch's step number for a figure ID carry no
  // section where the figure's own kind asks for one.
  const std::optional<std::string_view> line = ReadLine();
  if (!line) return FailMissingLine("'end FigData'");
  if (*line == "end FigData") return 0;
  if (IsPointListTool(tool)) {
    if (*line != "begin PointData") return Fail("expected 'begin PointData', read " + Excerpt(*line));
    figure.PointData = std::make_unique<TPointData>(kInitialPointRoom);
    if (ReadPointLines(*figure.PointData) != 0) return 1;
  } else {
    if (*line != "begin StampData") return Fail("expected 'begin StampData', read " + Excerpt(*line));
    figure.StampData = std::make_unique<TFigList>();
    if (ReadStampFigures(figure.StampData.MakeUnique(), 1) != 0) return 1;
  }
  return ExpectLine("end FigData");
}

int TDataFileReader::ReadChangeData(TActionData& record) {
  if (ExpectLine("begin FigData") != 0) return 1;
  TFigData& figure = record.FigData;
  int status = 0;
  switch (record.Parameter) {
    case TParameter::Size: {
      TPoint corner;
      status = ReadInt("TextSize", figure.TextSize);
      if (status == 0 && (status = ReadPoint("Start(x,y)", corner)) == 0) figure.Start = corner;
      if (status == 0 && (status = ReadPoint("End(x,y)", corner)) == 0) figure.End = corner;
      if (status != 0) break;
      const std::uint8_t tool = SizeSectionTool(index_, record);
      if (IsPointListTool(tool) || tool == dtStamp) return ReadSizeSection(figure, tool);
      break;
    }
    case TParameter::BodyColor: status = ReadColor("BrushColor", figure.BrushColor); break;
    case TParameter::LineWidth: status = ReadInt("PenWidth", figure.PenWidth); break;
    case TParameter::LineColor: status = ReadColor("PenColor", figure.PenColor); break;
    case TParameter::Text: {
      TPoint corner;
      if ((status = ReadPoint("Start(x,y)", corner)) != 0) break;
      figure.Start = corner;
      if ((status = ReadPoint("End(x,y)", corner)) != 0) break;
      figure.End = corner;
      const std::optional<std::string_view> text = ReadValue("Text");
      if (!text) {
        status = FailMissingLine("the text line");
        break;
      }
      figure.Text.assign(*text);
      break;
    }
    case TParameter::TextColor: status = ReadColor("TextColor", figure.TextColor); break;
    case TParameter::NoParameter: break;
  }
  if (status != 0) return 1;
  return ExpectLine("end FigData");
}

std::optional<std::string_view> TDataFileReader::ReadLine() {
  std::string_view line;
  if (!TakeLine(line)) return std::nullopt;
  return line;
}

std::optional<std::string_view> TDataFileReader::ReadValue(std::string_view label) {
  std::string_view line;
  if (!TakeValue(label, line)) return std::nullopt;
  return line;
}

void TDataFileReader::LogLine(std::string_view line) {
  if (line == "begin ActionData") log_.AddLine(std::string());
  log_.AddLine(std::string(line));
}

void TDataFileReader::LogValue(std::string_view label, std::string_view line) {
  std::string entry(label);
  entry += line.empty() ? std::string_view(":(NULL)") : std::string_view(": ");
  entry += line;
  log_.AddLine(entry);
}

int TDataFileReader::ExpectLine(std::string_view expected) {
  std::string_view line;
  if (!TakeLine(line)) return FailMissingLine(Quoted(expected));
  if (line != expected) return Fail("expected " + Quoted(expected) + ", read " + Excerpt(line));
  return 0;
}

int TDataFileReader::ReadInt(std::string_view label, std::int32_t& field) {
  std::string_view line;
  if (!TakeValue(label, line)) return FailMissingLine(label);
  if (!ReadIntLine(line, field)) return Fail(std::string(label) + " out of range: " + Excerpt(line));
  return 0;
}

int TDataFileReader::ReadColor(std::string_view label, TColor& field) {
  std::string_view line;
  if (!TakeValue(label, line)) return FailMissingLine(label);
  const std::optional<TColor> color = ParseColorLine(line);
  if (!color) {
    badColorLine_ = std::string(line);
    return Fail(std::string(label) + " is no colour: " + Excerpt(line));
  }
  field = *color;
  return 0;
}

int TDataFileReader::ReadPoint(std::string_view label, TPoint& point) {
  std::string_view line;
  if (!TakeValue(label, line)) return FailMissingLine(label);
  if (!ReadPointLine(line, point)) return Fail(std::string(label) + " out of range: " + Excerpt(line));
  return 0;
}

int TDataFileReader::Fail(std::string reason) { return FailAt(lines_.LineNumber(), std::move(reason)); }

int TDataFileReader::FailAt(std::int64_t line, std::string reason) {
  if (failure_.empty()) {
    failure_ = "line " + std::to_string(line) + ": " + std::move(reason);
  }
  return 1;
}

int TDataFileReader::FailMissingLine(std::string_view wanted) {
  const std::int64_t next = lines_.LineNumber() + 1;
  switch (lastStatus_) {
    case TLineReader::TStatus::TooLong:
      return FailAt(next, "longer than " + std::to_string(TLineReader::kMaxLineBytes) + " bytes");
    case TLineReader::TStatus::ReadError: return FailAt(next, "the file could not be read");
    default: return FailAt(next, "the file ends where " + std::string(wanted) + " should be");
  }
}

}  // namespace mirel
