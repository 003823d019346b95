#include "history/internal_log.h"

#include <gtest/gtest.h>

#include "model/fig_builders.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::kModelLook;

using Lines = std::vector<std::string>;

TActionData Record(TActionKind kind, std::int32_t id, TActionTime time = {2004, 22, 11, 5, 13, 87, 9}) {
  TActionData r;
  r.TargetType = kind;
  r.TargetID = id;
  r.ActionTime = time;
  return r;
}

const std::string kAt = "at 13:05:09.87 2004/11/22.";

TEST(DescribeAction, WorkedExample) {
  TInternalLog log;
  log.ShowInternal = true;
  TActionData change = Record(TActionKind::Change, 3);
  change.Parameter = TParameter::LineColor;
  change.FigData = BoxFig(dtRectangle, {0, 0}, {1, 1}, kModelLook);
  TActionData create = Record(TActionKind::Create, 4, {2004, 22, 11, 5, 13, 40, 12});
  create.FigData = BoxFig(dtRectangle, {0, 0}, {1, 1}, kModelLook);
  log.LogAction(change);
  log.LogAction(create);
  EXPECT_EQ(log.Lines(), (Lines{"Change figure (ID = 3)", "Parameter: Line color", "at 13:05:09.87 2004/11/22.", "",
                                "Create Rectangle (ID = 4)", "at 13:05:12.40 2004/11/22.", ""}));
}

TEST(DescribeAction, FigureKindsNameTheSnapshot) {
  const std::pair<std::uint8_t, std::string> words[] = {
      {1, "Text box"}, {2, "Line"},    {3, "Free line"}, {4, "Ellipse"}, {5, "Rectangle"},
      {6, "Polyline"}, {7, "Polygon"}, {8, "Stamp"},     {0, "Unknown"}, {9, "Unknown"}};
  for (const auto& [tool, word] : words) {
    TActionData r = Record(TActionKind::Duplicate, 7);
    r.FigData.DrawingTool = static_cast<TDrawingTool>(tool);
    EXPECT_EQ(DescribeAction(r), (Lines{"Duplicate " + word + " (ID = 7)", kAt, ""}));
  }
  TActionData move = Record(TActionKind::Move, 2);
  move.FigData.DrawingTool = dtEllipse;
  EXPECT_EQ(DescribeAction(move)[0], "Move Ellipse (ID = 2)");
}

TEST(DescribeAction, FigureCommands) {
  EXPECT_EQ(DescribeAction(Record(TActionKind::Delete, 2)), (Lines{"Delete figure (ID = 2)", kAt, ""}));
  EXPECT_EQ(DescribeAction(Record(TActionKind::Front, 2))[0], "Move front figure (ID = 2)");
  EXPECT_EQ(DescribeAction(Record(TActionKind::Back, 2))[0], "Move back figure (ID = 2)");
  // Undo shows neither figure nor ID.
  EXPECT_EQ(DescribeAction(Record(TActionKind::Undo, 5)), (Lines{"Undo", kAt, ""}));
  EXPECT_EQ(DescribeAction(Record(TActionKind::Branch, 5)), (Lines{"Branch (STEP = 5)", kAt, ""}));
}

TEST(DescribeAction, ChangeParameters) {
  const std::pair<std::uint8_t, std::string> words[] = {{0, "Size"},       {1, "Body color "}, {2, "Line width"},
                                                        {3, "Line color"}, {4, "Text"},        {5, "Text color"},
                                                        {6, "WARNING: Parameter ?"}, {200, "WARNING: Parameter ?"}};
  for (const auto& [parameter, word] : words) {
    TActionData r = Record(TActionKind::Change, 1);
    r.Parameter = static_cast<TParameter>(parameter);
    EXPECT_EQ(DescribeAction(r), (Lines{"Change figure (ID = 1)", "Parameter: " + word, kAt, ""}));
  }
}

TEST(DescribeAction, KindsWithoutFigure) {
  const std::pair<std::uint8_t, std::string> words[] = {{1, "Set stamp data"},    {9, "Read data file"},
                                                        {11, "Clear background"}, {12, "Clear drawing"},
                                                        {13, "Clear all"},        {16, "WARNING: Action ?"},
                                                        {255, "WARNING: Action ?"}};
  for (const auto& [kind, word] : words) {
    TActionData r = Record(static_cast<TActionKind>(kind), 4);
    r.FileName = "ignored.mrl";
    EXPECT_EQ(DescribeAction(r), (Lines{word, kAt, ""}));
  }
}

TEST(DescribeAction, ReadBGShowsTheRecordedBytes) {
  TActionData r = Record(TActionKind::ReadBG, 0);
  r.FileName = "C:\\\x95\x5C\\\xFF.bmp";  // code page 932, and one byte that decodes to nothing
  EXPECT_EQ(DescribeAction(r), (Lines{"Read BG file (C:\\\x95\x5C\\\xFF.bmp)", kAt, ""}));
}

TEST(DescribeAction, NoActionAndUndatedRecords) {
  EXPECT_TRUE(DescribeAction(TActionData{}).empty());
  TActionData undated = Record(TActionKind::ClearAll, 0, {});
  EXPECT_EQ(DescribeAction(undated)[1], "at 00:00:00.00 00/00/00.");
}

TEST(InternalLog, WritesOnlyWhileOn) {
  TInternalLog log;
  Lines heard;
  log.SetListener([&heard](const std::string& line) { heard.push_back(line); });
  log.LogAction(Record(TActionKind::Delete, 2));
  log.AddLine("reader");
  EXPECT_TRUE(log.Lines().empty());
  log.ShowInternal = true;
  EXPECT_TRUE(log.Lines().empty());  // nothing made while off appears later
  log.LogAction(Record(TActionKind::Delete, 2));
  log.LogAction(TActionData{});
  log.AddLine("reader");
  const Lines expected{"Delete figure (ID = 2)", kAt, "", "reader"};
  EXPECT_EQ(log.Lines(), expected);
  EXPECT_EQ(heard, expected);
  log.Clear();
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_TRUE(log.ShowInternal);
}

}  // namespace
}  // namespace mirel
