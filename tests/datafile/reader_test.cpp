#include <gtest/gtest.h>

#include "datafile/data_reader.h"
#include "datafile/data_writer.h"
#include "support/scripted_user.h"
#include "test_histories.h"

namespace mirel {
namespace {

const std::string kExample =
    "MIREL FILE FORMAT 1.3\r\n"
    "begin ActionData\r\n2004 07 15 10 23 05 42\r\nCreate\r\n1\r\n"
    "begin FigData\r\ndtLine\r\n4\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
    "10 20\r\n200 150\r\nend FigData\r\nend ActionData\r\n"
    "begin ActionData\r\n2004 07 15 10 23 09 07\r\nChange\r\n1\r\nLineColor\r\n"
    "begin FigData\r\nclRed\r\nend FigData\r\nend ActionData\r\n";

std::string Block(const std::string& time, const std::string& kind, const std::string& rest) {
  return "begin ActionData\r\n" + time + "\r\n" + kind + "\r\n" + rest + "end ActionData\r\n";
}

std::string LineFigure(const std::string& id) {
  return id + "\r\nbegin FigData\r\ndtLine\r\n1\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
              "0 0\r\n5 5\r\nend FigData\r\n";
}

std::string Header() { return "MIREL FILE FORMAT 1.3\r\n"; }
const std::string kTime = "2004 07 15 10 23 05 42";

struct Reading {
  THistoryList History;
  TInternalLog Log;
  test::TScriptedUser Prompts;
  TResult<> Result;

  TResult<> Read(std::string_view text) {
    TLineReader lines(text);
    Result = ReadDataFile(lines, History, Log, Prompts);
    return Result;
  }
  const TActionData& Step(int n) const { return History.StepItem(n)->Data; }
};

TEST(Reader, ExampleBlockLogsItsLinesOneByOne) {
  Reading r;
  r.Log.ShowInternal = true;
  ASSERT_TRUE(r.Read(kExample).Ok);
  const std::vector<std::string> expected = {
      "MIREL FILE FORMAT 1.3",  "",
      "begin ActionData",       "ActionTime: 2004 07 15 10 23 05 42",
      "TargetType: Create",     "TargetID: 1",
      "begin FigData",          "DrawingTool: dtLine",
      "PenWidth: 4",            "PenColor: clBlack",
      "BrushColor: clWhite",    "TextSize: 0",
      "TextColor: clBlack",     "Text:(NULL)",
      "Start(x,y): 10 20",      "End(x,y): 200 150",
      "end FigData",            "end ActionData",
      "",                       "begin ActionData"};
  const std::vector<std::string> lines = r.Log.Lines();
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 20), expected);
  EXPECT_EQ(lines.back(), "end ActionData");
}

TEST(Reader, ExampleReadsBackToItsRecords) {
  Reading r;
  ASSERT_TRUE(r.Read(kExample).Ok);
  EXPECT_TRUE(r.Log.Lines().empty());
  ASSERT_EQ(r.History.GetStepCount(), 2);
  const TActionData& create = r.Step(1);
  EXPECT_EQ(create.TargetType, TActionKind::Create);
  EXPECT_EQ(create.ActionTime, (TActionTime{2004, 15, 7, 23, 10, 42, 5}));
  EXPECT_EQ(create.FigData.DrawingTool, dtLine);
  EXPECT_EQ(create.FigData.End, (TPoint{200, 150}));
  const TActionData& change = r.Step(2);
  EXPECT_EQ(change.Parameter, TParameter::LineColor);
  EXPECT_EQ(change.FigData.PenColor, 0x000000FFu);
  EXPECT_EQ(change.FigData.DrawingTool, dtNone);
  EXPECT_EQ(r.History.NextFigureID(), 2);
  // Written again, byte for byte.
  EXPECT_EQ(test::WriteToString(r.History), kExample);
}

TEST(Reader, HeadersOfEveryVersionAndNothingElse) {
  for (const char* version : {"1.0", "1.1", "1.2", "1.3"}) {
    Reading r;
    EXPECT_TRUE(r.Read(std::string("MIREL FILE FORMAT ") + version + "\r\n").Ok) << version;
    EXPECT_EQ(r.History.GetStepCount(), 0);
    EXPECT_EQ(r.History.NextFigureID(), 1);
  }
  for (const char* text : {"MIREL FILE FORMAT 1.4\r\n", "MIREL FILE FORMAT 1.3 \r\n", "",
                           "\r\n", "mirel file format 1.3\r\n", "\xEF\xBB\xBFMIREL FILE FORMAT 1.3\r\n"}) {
    Reading r;
    const TResult<> result = r.Read(text);
    EXPECT_FALSE(result.Ok) << text;
    EXPECT_EQ(result.Message, "データフォーマットが違います") << text;
    EXPECT_EQ(r.History.GetStepCount(), 0);
  }
}

TEST(Reader, NextFigureIDIsOneAboveTheLargestIDRead) {
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create", LineFigure("1")) +
                     Block(kTime, "Front", "7\r\n") + Block(kTime, "Delete", "3\r\n"))
                  .Ok);
  EXPECT_EQ(r.History.NextFigureID(), 8);

  Reading zero;
  ASSERT_TRUE(zero.Read(Header() + Block(kTime, "ClearAll", "") + Block(kTime, "Delete", "0\r\n")).Ok);
  EXPECT_EQ(zero.History.NextFigureID(), 2);

  Reading largest;
  ASSERT_TRUE(largest.Read(Header() + Block(kTime, "Delete", "2147483647\r\n")).Ok);
  EXPECT_EQ(largest.History.NextFigureID(), 2147483647);
}

TEST(Reader, TimeOnlyLineLeavesTheRecordWithoutDate) {
  Reading r;
  ASSERT_TRUE(r.Read("MIREL FILE FORMAT 1.0\r\n" + Block("10 23 05 42", "ClearAll", "")).Ok);
  const TActionTime& t = r.Step(1).ActionTime;
  EXPECT_EQ(t.Year, 0);
  EXPECT_EQ(t.Hour, 10);
  EXPECT_EQ(t.Minute, 23);
  EXPECT_EQ(t.Second, 5);
  EXPECT_EQ(t.Hundredths, 42);
}

TEST(Reader, IntegerLinesThatAreNoNumberKeepTheDefaults) {
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create",
                                      "x\r\nbegin FigData\r\ndtText\r\nwide\r\nclBlack\r\nclWhite\r\n"
                                      "big\r\nclBlack\r\nhello\r\n3\r\n\r\nend FigData\r\n"))
                  .Ok);
  const TActionData& record = r.Step(1);
  EXPECT_EQ(record.TargetID, 0);
  EXPECT_EQ(record.FigData.PenWidth, 0);
  EXPECT_EQ(record.FigData.TextSize, 0);
  EXPECT_EQ(record.FigData.Text, "hello");
  // A corner missing a coordinate takes it from the corner read before.
  EXPECT_EQ(record.FigData.Start, (TPoint{3, 0}));
  EXPECT_EQ(record.FigData.End, (TPoint{3, 0}));
}

TEST(Reader, PointSectionsKeepTheFirst2000PointsAndReadOn) {
  std::string points = "begin PointData\r\n";
  for (int i = 0; i < 2100; ++i) points += std::to_string(i) + " " + std::to_string(-i) + "\r\n";
  points += "end PointData\r\n";
  const std::string figure =
      "1\r\nbegin FigData\r\ndtFreeLine\r\n1\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
      "0 -2099\r\n2099 0\r\n" + points + "end FigData\r\n";
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create", figure) + Block(kTime, "ClearAll", "")).Ok);
  ASSERT_EQ(r.History.GetStepCount(), 2);
  const TPointData& read = *r.Step(1).FigData.PointData;
  ASSERT_EQ(read.GetCount(), 2000);
  EXPECT_EQ(read.Point(1999), (TPoint{1999, -1999}));
  EXPECT_EQ(r.Step(1).FigData.End, (TPoint{2099, 0}));  // corners as read
}

TEST(Reader, PointLinesTakeMissingCoordinatesFromThePointBefore) {
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create",
                                      "1\r\nbegin FigData\r\ndtPolyline\r\n1\r\nclBlack\r\nclWhite\r\n"
                                      "0\r\nclBlack\r\n\r\n0 0\r\n0 0\r\nbegin PointData\r\n"
                                      "\r\n5 6\r\n7\r\n\r\nend PointData\r\nend FigData\r\n"))
                  .Ok);
  const TPointData& p = *r.Step(1).FigData.PointData;
  ASSERT_EQ(p.GetCount(), 4);
  EXPECT_EQ(p.Point(0), (TPoint{0, 0}));
  EXPECT_EQ(p.Point(1), (TPoint{5, 6}));
  EXPECT_EQ(p.Point(2), (TPoint{7, 6}));
  EXPECT_EQ(p.Point(3), (TPoint{7, 6}));
}

TEST(Reader, LastLineWithoutLineEndIsReadWhole) {
  std::string text = kExample;
  text.resize(text.size() - 2);
  Reading r;
  EXPECT_TRUE(r.Read(text).Ok);
  EXPECT_EQ(r.History.GetStepCount(), 2);
}

TEST(Reader, SizeChangeReadsTheSectionOfTheFigureItConcerns) {
  const std::string freeLine =
      "4\r\nbegin FigData\r\ndtFreeLine\r\n1\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
      "0 0\r\n1 1\r\nbegin PointData\r\n0 0\r\n1 1\r\nend PointData\r\nend FigData\r\n";
  const std::string sizeWithPoints =
      "4\r\nSize\r\nbegin FigData\r\n0\r\n0 0\r\n2 2\r\nbegin PointData\r\n0 0\r\n2 2\r\n"
      "end PointData\r\nend FigData\r\n";
  const std::string sizeOfLine = "9\r\nSize\r\nbegin FigData\r\n0\r\n0 0\r\n8 8\r\nend FigData\r\n";
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create", freeLine) +
                     Block(kTime, "Change", sizeWithPoints) + Block(kTime, "Create", LineFigure("9")) +
                     Block(kTime, "Change", sizeOfLine))
                  .Ok)
      << r.Result.Detail;
  ASSERT_TRUE(r.Step(2).FigData.PointData);
  EXPECT_EQ(r.Step(2).FigData.PointData->Point(1), (TPoint{2, 2}));
  EXPECT_FALSE(r.Step(4).FigData.PointData);
  EXPECT_EQ(r.Step(4).FigData.End, (TPoint{8, 8}));
}

TEST(Reader, SizeChangeAfterABranchToTheFiguresIDReadsItsSection) {
  const std::string freeLine =
      "2\r\nbegin FigData\r\ndtFreeLine\r\n1\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n"
      "0 0\r\n1 1\r\nbegin PointData\r\n0 0\r\n1 1\r\nend PointData\r\nend FigData\r\n";
  const std::string size = "2\r\nSize\r\nbegin FigData\r\n0\r\n0 0\r\n2 2\r\n";
  const std::string points = "begin PointData\r\n0 0\r\n2 2\r\nend PointData\r\n";
  const std::string history = Header() + Block(kTime, "Create", LineFigure("1")) +
                              Block(kTime, "Create", LineFigure("3")) + Block(kTime, "Branch", "2\r\n") +
                              Block(kTime, "Create", freeLine);
  Reading r;
  ASSERT_TRUE(r.Read(history + Block(kTime, "Change", size + points + "end FigData\r\n")).Ok)
      << r.Result.Detail;
  ASSERT_TRUE(r.Step(5).FigData.PointData);
  EXPECT_EQ(r.Step(5).FigData.PointData->Point(1), (TPoint{2, 2}));
  // Files that took the Branch for the figure's first record have no
  // section there; they read, the change without points.
  Reading older;
  ASSERT_TRUE(older.Read(history + Block(kTime, "Change", size + "end FigData\r\n")).Ok)
      << older.Result.Detail;
  EXPECT_FALSE(older.Step(5).FigData.PointData);
  EXPECT_EQ(older.Step(5).FigData.End, (TPoint{2, 2}));
  // Anything else where the section belongs is still an error.
  Reading bad;
  EXPECT_FALSE(bad.Read(history + Block(kTime, "Change", size + "begin StampData\r\nend StampData\r\n"
                                                          "end FigData\r\n"))
                   .Ok);
  EXPECT_EQ(bad.History.GetStepCount(), 4);
}

TEST(Reader, StampsNestAndAnEmptyStampHasAnEmptyList) {
  THistoryList written;
  test::BuildNestedStamps(written);
  Reading r;
  ASSERT_TRUE(r.Read(test::WriteToString(written)).Ok) << r.Result.Detail;
  const TFigData& outer = r.Step(1).FigData;
  ASSERT_TRUE(outer.StampData);
  const TFigData& middle = outer.StampData->GetHead()->Next()->Data;
  ASSERT_TRUE(middle.StampData);
  const TFigData& inner = middle.StampData->GetHead()->Next()->Data;
  ASSERT_EQ(inner.DrawingTool, dtStamp);
  EXPECT_EQ(inner.StampData->GetHead()->Next()->Data.DrawingTool, dtPolygon);
  ASSERT_TRUE(r.Step(2).FigData.StampData);
  EXPECT_EQ(r.Step(2).FigData.StampData->Count(), 0);
  test::ExpectSameCarriedFields(written, r.History);
}

std::string NestedStamps(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) {
    text += "begin FigData\r\ndtStamp\r\n1\r\nclBlack\r\nclWhite\r\n0\r\nclBlack\r\n\r\n0 0\r\n"
            "1 1\r\nbegin StampData\r\n";
  }
  for (int i = 0; i < depth; ++i) text += "end StampData\r\nend FigData\r\n";
  return text;
}

TEST(Reader, StampsNest256LevelsDeepButNoDeeper) {
  const auto file = [](int depth) {
    std::string block = NestedStamps(depth);
    block.erase(0, std::string("begin FigData\r\n").size());  // the record's own section opens it
    return Header() + Block(kTime, "Create", "1\r\nbegin FigData\r\n" + block);
  };
  Reading ok;
  EXPECT_TRUE(ok.Read(file(256)).Ok) << ok.Result.Detail;
  Reading deep;
  const TResult<> result = deep.Read(file(257));
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, "ActionItem：読み込みエラー");
  EXPECT_EQ(deep.History.GetStepCount(), 0);
}

TEST(Reader, ValuesOutOfRangeFailTheBlock) {
  const auto figure = [](const std::string& penWidth, const std::string& start) {
    return "1\r\nbegin FigData\r\ndtLine\r\n" + penWidth + "\r\nclBlack\r\nclWhite\r\n0\r\n"
           "clBlack\r\n\r\n" + start + "\r\n5 5\r\nend FigData\r\n";
  };
  const std::pair<std::string, bool> cases[] = {
      {Block(kTime, "Delete", "-2147483648\r\n"), true},
      {Block(kTime, "Delete", "2147483648\r\n"), false},
      {Block(kTime, "Create", figure("2147483647", "-2147483648 2147483647")), true},
      {Block(kTime, "Create", figure("99999999999", "0 0")), false},
      {Block(kTime, "Create", figure("1", "0 -2147483649")), false},
  };
  for (const auto& [block, valid] : cases) {
    Reading r;
    EXPECT_EQ(r.Read(Header() + Block(kTime, "ClearAll", "") + block).Ok, valid) << block;
    EXPECT_EQ(r.History.GetStepCount(), valid ? 2 : 1);
  }
}

TEST(Reader, FailuresKeepOnlyTheCompleteRecordsBefore) {
  static const char kGarbage[] = "\x00\xFF\x81\x5C garbage\r\n";
  const std::string good = Block(kTime, "Create", LineFigure("5"));
  const std::string cases[] = {
      Block(kTime, "create", LineFigure("6")),
      Block(kTime, "Unknown", ""),
      Block(kTime, "Change", "6\r\nUnknown\r\nbegin FigData\r\nend FigData\r\n"),
      Block(kTime, "Change", "6\r\nlinecolor\r\nbegin FigData\r\nclRed\r\nend FigData\r\n"),
      Block(kTime, "Create", "6\r\nbegin FigData\r\ndtline\r\n"),
      Block(kTime, "Create", "6\r\nbegin FigData\r\n"),  // the file ends inside the block
      "begin ActionData\r\n",
      "\r\n",                                            // a trailing empty line
      "begin ActionData \r\n",
      Block(kTime, "ClearAll", "").replace(0, 5, "BEGIN"),
      Block(kTime, "ClearAll", "extra\r\n"),
      Block(kTime, "Create", LineFigure("6")).substr(0, 140),
      std::string(kGarbage, sizeof kGarbage - 1),
  };
  for (const std::string& bad : cases) {
    Reading r;
    const TResult<> result = r.Read(Header() + good + bad);
    EXPECT_FALSE(result.Ok) << bad;
    EXPECT_EQ(result.Message, "ActionItem：読み込みエラー") << bad;
    EXPECT_FALSE(result.Detail.empty());
    ASSERT_EQ(r.History.GetStepCount(), 1) << bad;
    EXPECT_EQ(r.Step(1).TargetID, 5);
    // Drawing may go on from the records kept without reusing an ID.
    EXPECT_GE(r.History.NextFigureID(), 6) << bad;
  }
}

TEST(Reader, ColourThatIsNoNumberFailsWithTheConversionMessage) {
  Reading r;
  std::string figure = LineFigure("1");
  figure.replace(figure.find("clWhite"), 7, "red");
  const TResult<> result = r.Read(Header() + Block(kTime, "ClearAll", "") + Block(kTime, "Create", figure));
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, "'red' は整数ではありません");
  EXPECT_EQ(r.History.GetStepCount(), 1);
  EXPECT_TRUE(result.Detail.starts_with("line 14: ")) << result.Detail;

  Reading empty;
  figure = LineFigure("1");
  figure.replace(figure.find("clWhite"), 7, "");
  EXPECT_EQ(empty.Read(Header() + Block(kTime, "Create", figure)).Message, "'' は整数ではありません");

  Reading japanese;  // the line is shown as text, not as code page 932 bytes
  figure = LineFigure("1");
  figure.replace(figure.find("clWhite"), 7, "\x82\xA0\x82\xA9");
  EXPECT_EQ(japanese.Read(Header() + Block(kTime, "Create", figure)).Message,
            "'あか' は整数ではありません");
}

TEST(Reader, LongTextLinesAreReadWholeUpToTheLimit) {
  const std::string text(TLineReader::kMaxLineBytes, 'a');
  std::string figure = LineFigure("1");
  const std::size_t empty = figure.find("\r\n\r\n0 0") + 2;
  Reading r;
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "Create", std::string(figure).insert(empty, text))).Ok);
  EXPECT_EQ(r.Step(1).FigData.Text, text);
  Reading tooLong;
  const TResult<> result =
      tooLong.Read(Header() + Block(kTime, "Create", std::string(figure).insert(empty, text + "b")));
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, "ActionItem：読み込みエラー");
  EXPECT_TRUE(result.Detail.starts_with("line 13: ")) << result.Detail;
}

TEST(Reader, FileNamesAreResolvedInFileOrder) {
  Reading r;
  r.Prompts.YesNo = {false, false};
  ASSERT_TRUE(r.Read(Header() + Block(kTime, "ReadBG", "one.jpg\r\n") +
                     Block(kTime, "ReadData", "two.mrl\r\n"))
                  .Ok);
  ASSERT_EQ(r.Prompts.Questions.size(), 2u);
  EXPECT_EQ(r.Prompts.Questions[0], "確認: one.jpgが見つかりません。場所を指定しますか？");
  EXPECT_EQ(r.Prompts.Questions[1], "確認: two.mrlが見つかりません。場所を指定しますか？");
  EXPECT_EQ(r.Step(1).FileName, "one.jpg");
  EXPECT_EQ(r.Step(2).FileName, "two.mrl");
}

TEST(Reader, ReadsFromAFileAsFromMemory) {
  const auto path = std::filesystem::temp_directory_path() / "mirel_reader_file_test.mrl";
  THistoryList written;
  test::BuildEveryKind(written);
  const std::string text = test::WriteToString(written);
  test::WriteAll(path, text);
  TResult<TLineReader> lines = TLineReader::OpenFile(path);
  ASSERT_TRUE(lines);
  THistoryList history;
  TInternalLog log;
  TNonInteractivePrompts prompts;
  const TResult<> result = ReadDataFile(*lines, history, log, prompts);
  std::filesystem::remove(path);
  ASSERT_TRUE(result.Ok) << result.Detail;
  test::ExpectSameCarriedFields(written, history);
  EXPECT_EQ(test::WriteToString(history), text);
}

}  // namespace
}  // namespace mirel
