#pragma once
// Reads a data file of versions 1.0 to 1.3 into an action history, one
// record per action block, writing each line it reads to the internal log
// when that is on.
//
// A failed read keeps every record read completely before the error and
// drops the one it was reading, so the history never holds a half-read
// record. Lines up to TLineReader::kMaxLineBytes, stamps nested up to
// kMaxStampDepth levels and numbers in the signed 32-bit range are read;
// anything beyond fails the block.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datafile/line_reader.h"
#include "datafile/reader_prompts.h"
#include "datafile/size_rule.h"
#include "history/history_list.h"
#include "history/internal_log.h"
#include "model/result.h"

namespace mirel {

inline constexpr int kMaxStampDepth = 256;

// The message for a number line that is none: `lineUtf8` quoted, then
// msg::kNotInteger.
std::string NotIntegerMessage(std::string_view lineUtf8);

// Reads the whole file, appending to `history` (the caller empties it
// first). A failure's Detail says where reading stopped ("line 14: ...")
// and why. On success NextFigureID is one above the largest TargetID read
// (at least 2), or 1 for a file without records.
TResult<> ReadDataFile(TLineReader& lines, THistoryList& history, TInternalLog& log,
                         IReaderPrompts& prompts);

// The reading steps, one per section of the file. Each returns 0 when read
// and 1 on an error (ReadActionData also 2 at the end of the file where a
// block would begin).
class TDataFileReader {
 public:
  TDataFileReader(TLineReader& lines, THistoryList& history, TInternalLog& log,
                  IReaderPrompts& prompts);

  TResult<> ReadDataFile();
  int ReadActionData();
  int ReadFigData(TFigData& figure);
  int ReadChangeData(TActionData& record);

  // A structural line, or none where no line could be read.
  std::optional<std::string_view> ReadLine();
  // A value line; `label` names it in the log.
  std::optional<std::string_view> ReadValue(std::string_view label);

 private:
  // ReadLine and ReadValue for the reading steps: a line is read per call,
  // millions per file, and an optional would pass it through memory.
  bool TakeLine(std::string_view& line) {
    lastStatus_ = lines_.Next(line);
    if (lastStatus_ != TLineReader::TStatus::Line) return false;
    if (log_.ShowInternal) LogLine(line);
    return true;
  }
  bool TakeValue(std::string_view label, std::string_view& line) {
    lastStatus_ = lines_.Next(line);
    if (lastStatus_ != TLineReader::TStatus::Line) return false;
    if (log_.ShowInternal) LogValue(label, line);
    return true;
  }
  void LogLine(std::string_view line);
  void LogValue(std::string_view label, std::string_view line);

  int ReadActionBody(TActionData& record);
  int ReadFigBody(TFigData& figure, int depth);
  int ReadStampSection(TFigList& list, int depth);
  // The section after its "begin" line.
  int ReadStampFigures(TFigList& list, int depth);
  int ReadPointSection(TPointData& points);
  int ReadPointLines(TPointData& points);
  // The point or stamp section of a Size change, or none where the file has
  // "end FigData" instead.
  int ReadSizeSection(TFigData& figure, std::uint8_t tool);
  int ExpectLine(std::string_view expected);
  int ReadInt(std::string_view label, std::int32_t& field);
  int ReadColor(std::string_view label, TColor& field);
  int ReadPoint(std::string_view label, TPoint& point);
  // Records the first reason for failing; returns 1.
  int Fail(std::string reason);
  int FailAt(std::int64_t line, std::string reason);
  int FailMissingLine(std::string_view wanted);

  TLineReader& lines_;
  THistoryList& history_;
  TInternalLog& log_;
  IReaderPrompts& prompts_;
  TFirstRecordIndex index_;
  TLineReader::TStatus lastStatus_ = TLineReader::TStatus::Line;
  std::string failure_;
  std::optional<std::string> badColorLine_;  // code page 932 bytes
};

}  // namespace mirel
