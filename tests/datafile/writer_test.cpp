#include <gtest/gtest.h>

#include "datafile/data_writer.h"
#include "test_histories.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::kDrawnLook;
using test::PointFig;
using test::Record;
using test::WriteToString;

// The lines of `text`, each of which must end with CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    EXPECT_NE(end, std::string::npos) << "line without CR LF at byte " << from;
    if (end == std::string::npos) break;
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

TEST(Writer, ReproducesTheTwoRecordExampleByteForByte) {
  THistoryList history;
  TActionData& create = Record(history, TActionKind::Create, 1, BoxFig(dtLine, {10, 20}, {200, 150}, kDrawnLook));
  create.ActionTime = {2004, 15, 7, 23, 10, 42, 5};
  TFigData red = create.FigData;
  red.PenColor = 0x000000FF;
  TActionData& change = Record(history, TActionKind::Change, 1, red);
  change.Parameter = TParameter::LineColor;
  change.ActionTime = {2004, 15, 7, 23, 10, 7, 9};

  const std::string expected =
      "MIREL FILE FORMAT 1.3\r\n"
      "begin ActionData\r\n2004 07 15 10 23 05 42\r\nCreate\r\n1\r\n"
      "begin FigData\r\ndtLine\r\n4\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
      "10 20\r\n200 150\r\nend FigData\r\nend ActionData\r\n"
      "begin ActionData\r\n2004 07 15 10 23 09 07\r\nChange\r\n1\r\nLineColor\r\n"
      "begin FigData\r\nclRed\r\nend FigData\r\nend ActionData\r\n";
  EXPECT_EQ(WriteToString(history), expected);
}

TEST(Writer, EmptyHistoryIsTheHeaderAloneAndReportsOne) {
  THistoryList history;
  TDataOutput out;
  EXPECT_EQ(WriteDataFile(out, history), 1);
  EXPECT_EQ(out.Text(), "MIREL FILE FORMAT 1.3\r\n");
  Record(history, TActionKind::ClearAll, 0);
  TDataOutput again;
  EXPECT_EQ(WriteDataFile(again, history), 0);
}

TEST(Writer, ColoursAreIdentifiersOrDollarAndEightUpperCaseDigits) {
  const std::pair<TColor, std::string> cases[] = {
      {0x00000000, "clBlack"},      {0x8000000F, "clBtnFace"},   {0x00B469FF, "$00B469FF"},
      {0x0000A5FF, "$0000A5FF"},    {0x1FFFFFFF, "clNone"},      {0x20000000, "clDefault"},
      {0x80000015, "cl3DDkShadow"}, {0xFFFFFFFF, "$FFFFFFFF"},   {0x00F0CAA6, "clSkyBlue"},
      {0x80000000, "clScrollBar"},  {0x8000001F, "$8000001F"},   {0x0000000A, "$0000000A"},
  };
  for (const auto& [color, text] : cases) {
    TDataOutput out;
    out.ColorLine(color);
    EXPECT_EQ(out.Text(), text + "\r\n") << std::hex << color;
  }
}

TEST(Writer, TimeLineIsFixedColumnsZeroPadded) {
  TDataOutput out;
  out.TimeLine(2004, 1, 2, 3, 4, 5, 6);
  out.TimeLine(0, 0, 0, 23, 59, 59, 99);
  EXPECT_EQ(out.Text(), "2004 01 02 03 04 05 06\r\n0000 00 00 23 59 59 99\r\n");
}

TEST(Writer, FigureSectionCarriesEveryValueLineAndPointsWithSigns) {
  THistoryList history;
  TFigData polygon = PointFig(dtPolygon, {{-5, 12}, {7, -3}}, kDrawnLook);
  polygon.Text = "\x82\xCD";  // a text left over from a text figure, as its bytes
  polygon.BrushColor = 0x00B469FF;
  Record(history, TActionKind::Create, 3, polygon);
  const std::vector<std::string> lines = Lines(WriteToString(history));
  const std::vector<std::string> section(lines.begin() + 5, lines.end() - 1);
  const std::vector<std::string> expected = {
      "begin FigData", "dtPolygon", "4",     "clBlack",         "$00B469FF",     "0",
      "clBlack",       "\x82\xCD",  "-5 -3", "7 12",            "begin PointData", "-5 12",
      "7 -3",          "end PointData", "end FigData"};
  EXPECT_EQ(section, expected);
}

TEST(Writer, PointListFigureWithoutPointsWritesAnEmptySection) {
  THistoryList history;
  Record(history, TActionKind::Create, 1, BoxFig(dtFreeLine, {0, 0}, {0, 0}, kDrawnLook));
  const std::string text = WriteToString(history);
  EXPECT_NE(text.find("0 0\r\nbegin PointData\r\nend PointData\r\nend FigData"), std::string::npos);
}

TEST(Writer, FreeLineOf2000PointsWritesEveryPoint) {
  THistoryList history;
  test::BuildLongLines(history);
  const std::vector<std::string> lines = Lines(WriteToString(history));
  const auto begin = std::find(lines.begin(), lines.end(), "begin PointData");
  const auto end = std::find(begin, lines.end(), "end PointData");
  EXPECT_EQ(end - begin - 1, 2000);
}

TEST(Writer, NestedStampsWriteSectionsInsideSections) {
  THistoryList history;
  test::BuildNestedStamps(history);
  const std::vector<std::string> lines = Lines(WriteToString(history));
  // The first record: outer stamp > middle stamp > inner stamp > polygon.
  std::vector<std::string> structure;
  for (auto it = lines.begin() + 5; *it != "end ActionData"; ++it) {
    if (it->starts_with("begin ") || it->starts_with("end ") || it->starts_with("dt")) {
      structure.push_back(*it);
    }
  }
  const std::vector<std::string> expected = {
      "begin FigData", "dtStamp", "begin StampData",
      "begin FigData", "dtStamp", "begin StampData",
      "begin FigData", "dtStamp", "begin StampData",
      "begin FigData", "dtPolygon", "begin PointData", "end PointData", "end FigData",
      "end StampData", "end FigData",
      "begin FigData", "dtLine", "end FigData",
      "end StampData", "end FigData",
      "begin FigData", "dtEllipse", "end FigData",
      "end StampData", "end FigData"};
  EXPECT_EQ(structure, expected);
}

TEST(Writer, ChangeSectionsHoldOnlyTheirParameterLines) {
  struct Case {
    TParameter Parameter;
    std::vector<std::string> Section;
  };
  TFigData figure = BoxFig(dtText, {1, 2}, {3, 4}, kDrawnLook);
  figure.Text = "abc";
  figure.TextColor = 0x00FF0000;
  figure.PenWidth = 7;
  figure.TextSize = 12;
  const Case cases[] = {
      {TParameter::LineWidth, {"7"}},
      {TParameter::BodyColor, {"clWhite"}},
      {TParameter::LineColor, {"clBlack"}},
      {TParameter::TextColor, {"clBlue"}},
      {TParameter::Text, {"1 2", "3 4", "abc"}},
      {TParameter::Size, {"12", "1 2", "3 4"}},
      {TParameter::NoParameter, {}},
  };
  for (const Case& c : cases) {
    THistoryList history;
    Record(history, TActionKind::Create, 5, figure);
    Record(history, TActionKind::Change, 5, figure).Parameter = c.Parameter;
    const std::vector<std::string> lines = Lines(WriteToString(history));
    const auto begin = std::find(lines.begin() + 10, lines.end(), "Change");
    ASSERT_NE(begin, lines.end());
    std::vector<std::string> section(begin + 4, lines.end() - 2);
    EXPECT_EQ(section, c.Section) << static_cast<int>(c.Parameter);
    if (c.Parameter == TParameter::NoParameter) {
      EXPECT_EQ(begin[2], "Unknown");
    }
  }
}

TEST(Writer, SizeChangeSectionFollowsTheFirstRecordWithItsID) {
  // Figure 4 was created as an ellipse: a Size change holding a point list
  // (as a stray snapshot might) still writes no point section.
  THistoryList history;
  Record(history, TActionKind::Create, 4, BoxFig(dtEllipse, {0, 0}, {10, 10}, kDrawnLook));
  Record(history, TActionKind::Change, 4, PointFig(dtFreeLine, {{1, 1}}, kDrawnLook)).Parameter =
      TParameter::Size;
  // Figure 6 was created as a free line: its Size change writes the points.
  Record(history, TActionKind::Create, 6, PointFig(dtFreeLine, {{0, 0}, {5, 5}}, kDrawnLook));
  Record(history, TActionKind::Change, 6, PointFig(dtFreeLine, {{0, 0}, {9, 9}}, kDrawnLook)).Parameter =
      TParameter::Size;
  // A Size change that is the first record of its ID decides by its own tool.
  Record(history, TActionKind::Change, 8, PointFig(dtPolyline, {{2, 2}}, kDrawnLook)).Parameter =
      TParameter::Size;
  const std::string text = WriteToString(history);
  EXPECT_NE(text.find("Size\r\nbegin FigData\r\n0\r\n1 1\r\n1 1\r\nend FigData"), std::string::npos);
  EXPECT_NE(text.find("Size\r\nbegin FigData\r\n0\r\n0 0\r\n9 9\r\nbegin PointData\r\n0 0\r\n9 9\r\n"
                      "end PointData\r\nend FigData"),
            std::string::npos);
  EXPECT_NE(text.find("Size\r\nbegin FigData\r\n0\r\n2 2\r\n2 2\r\nbegin PointData\r\n2 2\r\n"
                      "end PointData\r\nend FigData"),
            std::string::npos);
}

TEST(Writer, BranchStepNumberIsNoFigureIDForTheSizeRule) {
  // Drawing resumed from step 2 before figure 2, a free line, was drawn.
  THistoryList history;
  Record(history, TActionKind::Create, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, kDrawnLook));
  Record(history, TActionKind::Move, 1, BoxFig(dtRectangle, {5, 5}, {15, 15}, kDrawnLook));
  Record(history, TActionKind::Branch, 2);
  Record(history, TActionKind::Create, 2, PointFig(dtFreeLine, {{0, 0}, {5, 5}}, kDrawnLook));
  Record(history, TActionKind::Change, 2, PointFig(dtFreeLine, {{0, 0}, {9, 9}}, kDrawnLook)).Parameter =
      TParameter::Size;
  EXPECT_NE(WriteToString(history).find("Size\r\nbegin FigData\r\n0\r\n0 0\r\n9 9\r\n"
                                        "begin PointData\r\n0 0\r\n9 9\r\nend PointData\r\n"),
            std::string::npos);
}

TEST(Writer, KindsWriteExactlyTheirOptionalLines) {
  THistoryList history;
  Record(history, TActionKind::Branch, 5);
  Record(history, TActionKind::ReadBG, 0).FileName = "C:\\work\\\x95\x5C.jpg";
  Record(history, TActionKind::CleareBG, 0);
  Record(history, TActionKind::NoAction, 0);
  const std::vector<std::string> lines = Lines(WriteToString(history));
  const std::vector<std::string> expected = {
      "MIREL FILE FORMAT 1.3",
      "begin ActionData", "2004 07 15 10 23 00 00", "Branch", "5", "end ActionData",
      "begin ActionData", "2004 07 15 10 23 01 07", "ReadBG", "C:\\work\\\x95\x5C.jpg",
      "end ActionData",
      "begin ActionData", "2004 07 15 10 23 02 14", "CleareBG", "end ActionData",
      "begin ActionData", "2004 07 15 10 23 03 21", "Unknown", "end ActionData"};
  EXPECT_EQ(lines, expected);
}

TEST(Writer, SinkReceivesTheSameBytesInChunksAndFailureSticks) {
  THistoryList history;
  test::BuildLongLines(history);
  std::string collected;
  int calls = 0;
  TDataOutput out(
      [&](std::string_view bytes) {
        ++calls;
        collected.append(bytes);
        return true;
      },
      1024);
  WriteDataFile(out, history);
  EXPECT_TRUE(out.Flush());
  EXPECT_GT(calls, 10);
  EXPECT_EQ(collected, WriteToString(history));

  TDataOutput failing([](std::string_view) { return false; }, 16);
  WriteDataFile(failing, history);
  EXPECT_FALSE(failing.Flush());
  EXPECT_TRUE(failing.Failed());
}

}  // namespace
}  // namespace mirel
