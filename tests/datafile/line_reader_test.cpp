#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "datafile/line_reader.h"
#include "test_histories.h"

namespace mirel {
namespace {

using TStatus = TLineReader::TStatus;

std::vector<std::string> AllLines(TLineReader& reader, TStatus* last = nullptr) {
  std::vector<std::string> lines;
  std::string_view line;
  TStatus status;
  while ((status = reader.Next(line)) == TStatus::Line) lines.emplace_back(line);
  if (last) *last = status;
  return lines;
}

class FileLines : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("mirel_lines_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { std::filesystem::remove(path_); }
  TLineReader Open(std::string_view bytes) {
    test::WriteAll(path_, bytes);
    TResult<TLineReader> reader = TLineReader::OpenFile(path_);
    EXPECT_TRUE(reader.Ok);
    return std::move(*reader);
  }
  std::filesystem::path path_;
};

TEST(MemoryLines, LineEndsAreRemovedAndTheLastLineNeedsNone) {
  TLineReader reader("a\r\nb\n\r\n\nlast");
  EXPECT_EQ(AllLines(reader), (std::vector<std::string>{"a", "b", "", "", "last"}));
}

TEST(MemoryLines, OnlyACrBeforeLfIsRemoved) {
  TLineReader reader("a\rb\r\r\n\r");
  EXPECT_EQ(AllLines(reader), (std::vector<std::string>{"a\rb\r", "\r"}));
}

TEST(MemoryLines, EmptyInputHasNoLine) {
  TLineReader reader("");
  std::string_view line;
  EXPECT_EQ(reader.Next(line), TStatus::End);
  EXPECT_EQ(reader.LineNumber(), 0);
}

TEST(MemoryLines, LinesUpToTheLimitAreWholeAndLongerOnesStopReading) {
  const std::string longest(TLineReader::kMaxLineBytes, 'x');
  const std::string text = longest + "\r\n" + longest + "y\r\nnext\r\n";
  TLineReader reader(text);
  TStatus last;
  const std::vector<std::string> lines = AllLines(reader, &last);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], longest);
  EXPECT_EQ(last, TStatus::TooLong);
  std::string_view line;
  EXPECT_EQ(reader.Next(line), TStatus::TooLong);
}

TEST_F(FileLines, SplitsLikeMemoryAcrossChunkBoundaries) {
  // Lines of many lengths so that chunk ends fall inside lines and between
  // CR and LF.
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 60000; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26)));
    text += expected.back() + "\r\n";
  }
  text += "tail";
  expected.push_back("tail");
  TLineReader fromFile = Open(text);
  EXPECT_EQ(AllLines(fromFile), expected);
  TLineReader fromMemory(text);
  EXPECT_EQ(AllLines(fromMemory), expected);
}

TEST_F(FileLines, LongestLineAcrossAChunkIsWholeAndLongerFails) {
  // 10485 lines of 100 bytes end 76 bytes before the first megabyte.
  std::string padding;
  for (int i = 0; i < 10485; ++i) padding += std::string(99, 'p') + "\n";
  const std::string longest(TLineReader::kMaxLineBytes, 'x');
  TLineReader reader = Open(padding + longest + "\r\n" + longest + "yz");
  TStatus last;
  const std::vector<std::string> lines = AllLines(reader, &last);
  ASSERT_EQ(lines.size(), 10486u);
  EXPECT_EQ(lines.back(), longest);
  EXPECT_EQ(last, TStatus::TooLong);
}

TEST_F(FileLines, AMovedReaderGoesOnAndTheOneMovedFromHasNothingLeft) {
  std::string text;
  for (int i = 0; i < 30000; ++i) text += std::to_string(i) + (i % 2 ? "\r\n" : "\n");
  TLineReader first = Open(text);
  std::string_view line;
  ASSERT_EQ(first.Next(line), TStatus::Line);
  ASSERT_EQ(first.Next(line), TStatus::Line);
  TLineReader second(std::move(first));
  EXPECT_EQ(first.Next(line), TStatus::End);  // NOLINT(bugprone-use-after-move)
  std::vector<std::string> rest = AllLines(second);
  ASSERT_EQ(rest.size(), 29998u);
  EXPECT_EQ(rest.front(), "2");
  EXPECT_EQ(rest.back(), "29999");
  EXPECT_EQ(second.LineNumber(), 30000);

  TLineReader third("a\nb\n");
  ASSERT_EQ(third.Next(line), TStatus::Line);
  third = std::move(second);
  EXPECT_EQ(third.Next(line), TStatus::End);
  EXPECT_EQ(third.LineNumber(), 30000);
}

TEST_F(FileLines, MissingFileOrAFolderCannotBeOpened) {
  EXPECT_FALSE(TLineReader::OpenFile(path_ / "nothing.mrl").Ok);
  // A folder named like a data file is no file to read.
  std::filesystem::create_directories(path_);
  EXPECT_FALSE(TLineReader::OpenFile(path_).Ok);
  std::filesystem::remove(path_);
}

TEST(FileOpening, OnlyRegularFilesOpenWithoutWaitingAndNamesAreBytes) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("mirel_open_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "folder.mrl");
  ASSERT_EQ(::mkfifo((folder / "fifo.mrl").c_str(), 0600), 0);
  test::WriteAll(folder / "\x82\xA8\xE3.mrl", "MIREL FILE FORMAT 1.3\r\n");  // not UTF-8
  for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
           {"folder.mrl", "a folder"}, {"fifo.mrl", "a FIFO"}, {"missing.mrl", "cannot open"}}) {
    const TResult<TLineReader> opened = TLineReader::OpenFile(folder / name);
    EXPECT_FALSE(opened.Ok) << name;
    EXPECT_NE(opened.Detail.find(reason), std::string::npos) << opened.Detail;
  }
  TResult<TLineReader> reader = TLineReader::OpenFile(folder / "\x82\xA8\xE3.mrl");
  ASSERT_TRUE(reader.Ok);
  EXPECT_EQ(AllLines(*reader), std::vector<std::string>{"MIREL FILE FORMAT 1.3"});
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace mirel
