#include <gtest/gtest.h>

#include <cstdlib>

#include "datafile/data_reader.h"
#include "golden_files.h"
#include "test_histories.h"

namespace mirel {
namespace {

struct Reading {
  THistoryList History;
  TResult<> Result;
};

// Reads a golden file from disk, never asking.
std::unique_ptr<Reading> ReadGolden(const std::string& name) {
  auto reading = std::make_unique<Reading>();
  TResult<TLineReader> lines = TLineReader::OpenFile(test::DataPath(name));
  EXPECT_TRUE(lines.Ok) << name;
  if (!lines) return reading;
  TInternalLog log;
  TNonInteractivePrompts prompts;
  reading->Result = ReadDataFile(*lines, reading->History, log, prompts);
  return reading;
}

// MIREL_WRITE_GOLDEN=1 rewrites the files after a deliberate format change.
TEST(GoldenFiles, AreUpToDate) {
  const bool rewrite = std::getenv("MIREL_WRITE_GOLDEN") != nullptr;
  for (const auto& [name, bytes] : test::GoldenFiles()) {
    if (rewrite) test::WriteAll(test::DataPath(name), bytes);
    EXPECT_EQ(test::ReadAll(test::DataPath(name)), bytes) << name;
  }
}

TEST(GoldenFiles, WriterOutputReadsBackEqualAndWritesTheSameBytes) {
  const std::pair<const char*, void (*)(THistoryList&)> built[] = {
      {"good_every_kind.mrl", test::BuildEveryKind},
      {"good_nested_stamps.mrl", test::BuildNestedStamps},
      {"good_long_lines.mrl", test::BuildLongLines},
  };
  for (const auto& [name, build] : built) {
    THistoryList expected;
    build(expected);
    const auto read = ReadGolden(name);
    ASSERT_TRUE(read->Result.Ok) << name << ": " << read->Result.Detail;
    test::ExpectSameCarriedFields(expected, read->History);
  }
  for (const auto& [name, bytes] : test::GoldenFiles()) {
    if (!name.starts_with("good_")) continue;
    const auto read = ReadGolden(name);
    ASSERT_TRUE(read->Result.Ok) << name << ": " << read->Result.Detail;
    EXPECT_EQ(test::WriteToString(read->History), bytes) << name;
  }
}

TEST(GoldenFiles, EveryKindFileSetsNextFigureIDAboveItsIDs) {
  const auto read = ReadGolden("good_every_kind.mrl");
  EXPECT_EQ(read->History.NextFigureID(), 11);
}

TEST(GoldenFiles, OlderVersionsRead) {
  const auto empty = ReadGolden("old_v10_header_only.mrl");
  EXPECT_TRUE(empty->Result.Ok);
  EXPECT_EQ(empty->History.GetStepCount(), 0);
  EXPECT_EQ(empty->History.NextFigureID(), 1);

  const auto timeOnly = ReadGolden("old_v11_time_only.mrl");
  ASSERT_TRUE(timeOnly->Result.Ok) << timeOnly->Result.Detail;
  ASSERT_EQ(timeOnly->History.GetStepCount(), 2);
  const TActionData& create = timeOnly->History.StepItem(1)->Data;
  EXPECT_EQ(create.ActionTime.Year, 0);
  EXPECT_EQ(create.ActionTime.Hour, 10);
  EXPECT_EQ(create.FigData.Start, (TPoint{-10, -20}));
  EXPECT_EQ(create.FigData.BrushColor, clBtnFace);
  EXPECT_EQ(timeOnly->History.NextFigureID(), 4);

  const auto colours = ReadGolden("old_v12_colours.mrl");
  ASSERT_TRUE(colours->Result.Ok) << colours->Result.Detail;
  ASSERT_EQ(colours->History.GetStepCount(), 5);
  const auto step = [&](int n) -> const TFigData& { return colours->History.StepItem(n)->Data.FigData; };
  EXPECT_EQ(step(1).PenColor, 0x000000FFu);
  EXPECT_EQ(step(1).BrushColor, 0x8000000Fu);
  EXPECT_EQ(step(1).TextColor, 0x0000A5FFu);
  EXPECT_EQ(step(2).BrushColor, 0x0000A5FFu);
  EXPECT_EQ(step(3).PenColor, 0x00B469FFu);
  EXPECT_EQ(step(4).TextColor, 0xFFFFFFFFu);
  EXPECT_EQ(step(5).PenColor, 0xFFFFFFFFu);

  const auto points = ReadGolden("old_points_2100.mrl");
  ASSERT_TRUE(points->Result.Ok);
  EXPECT_EQ(points->History.StepItem(1)->Data.FigData.PointData->GetCount(), 2000);
}

TEST(GoldenFiles, OlderVersionsAreWrittenAsTheCurrentOneAndThenStayTheSame) {
  for (const char* name : {"old_v11_time_only.mrl", "old_v12_colours.mrl", "old_points_2100.mrl"}) {
    const auto first = ReadGolden(name);
    ASSERT_TRUE(first->Result.Ok) << name;
    const std::string written = test::WriteToString(first->History);
    EXPECT_TRUE(written.starts_with("MIREL FILE FORMAT 1.3\r\n"));
    THistoryList again;
    TLineReader lines(written);
    TInternalLog log;
    TNonInteractivePrompts prompts;
    ASSERT_TRUE(ReadDataFile(lines, again, log, prompts).Ok) << name;
    test::ExpectSameCarriedFields(first->History, again);
    EXPECT_EQ(test::WriteToString(again), written) << name;
  }
}

TEST(GoldenFiles, MalformedFilesFailWithTheirMessageKeepingCompleteRecords) {
  const std::string format = "データフォーマットが違います";
  const std::string item = "ActionItem：読み込みエラー";
  const std::tuple<const char*, std::string, int> cases[] = {
      {"bad_header_14.mrl", format, 0},         {"bad_header_space.mrl", format, 0},
      {"bad_empty_file.mrl", format, 0},        {"bad_lowercase_kind.mrl", item, 1},
      {"bad_unknown_kind.mrl", item, 1},        {"bad_unknown_parameter.mrl", item, 1},
      {"bad_tool.mrl", item, 1},                {"bad_truncated.mrl", item, 1},
      {"bad_trailing_empty_line.mrl", item, 1}, {"bad_missing_end.mrl", item, 1},
      {"bad_int_range.mrl", item, 1},           {"bad_long_line.mrl", item, 1},
      {"bad_deep_nesting.mrl", item, 1},        {"bad_binary.mrl", item, 1},
      {"bad_colour_name.mrl", "'red' は整数ではありません", 1},
  };
  for (const auto& [name, message, kept] : cases) {
    const auto read = ReadGolden(name);
    EXPECT_FALSE(read->Result.Ok) << name;
    EXPECT_EQ(read->Result.Message, message) << name;
    EXPECT_EQ(read->History.GetStepCount(), kept) << name;
    for (const TActionItem* i = read->History.GetHead()->Next(); i; i = i->Next()) {
      EXPECT_NE(i->Data.TargetType, TActionKind::NoAction) << name;
    }
  }
  // Every malformed file kept here is checked above.
  int malformed = 0;
  for (const auto& [name, bytes] : test::GoldenFiles()) malformed += name.starts_with("bad_");
  EXPECT_EQ(malformed, static_cast<int>(std::size(cases)));
}

}  // namespace
}  // namespace mirel
