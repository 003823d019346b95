#include <gtest/gtest.h>

#include "datafile/data_reader.h"
#include "test_histories.h"
#include "support/scripted_user.h"

namespace mirel {
namespace {

// Valid UTF-8 without C0 or C1 control characters or DEL: safe to print on a
// terminal and to show in a message box.
bool IsPrintableUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return false;
    std::uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      code = (code << 6) | (c & 0x3F);
    }
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) return false;
    i += length;
  }
  return true;
}

TResult<> Read(const std::string& text) {
  THistoryList history;
  TInternalLog log;
  test::TScriptedUser prompts;
  TLineReader lines(text);
  return ReadDataFile(lines, history, log, prompts);
}

const std::string kHeader = "MIREL FILE FORMAT 1.3\r\n";

TEST(FailureText, BinaryGarbageIsShownEscaped) {
  const TResult<> garbage = Read(kHeader + std::string("\x07\x1B[2J\x00\xFF\x81\x20\xC2\x9B", 10) + "\r\n");
  EXPECT_EQ(garbage.Message, "ActionItem：読み込みエラー");
  EXPECT_TRUE(IsPrintableUtf8(garbage.Detail)) << garbage.Detail;
  EXPECT_NE(garbage.Detail.find("\\x07\\x1B[2J\\x00\\xFF\\x81 "), std::string::npos) << garbage.Detail;

  const std::string binary = test::ReadAll(test::DataPath("bad_binary.mrl"));
  const TResult<> golden = Read(binary);
  EXPECT_FALSE(golden.Ok);
  EXPECT_TRUE(IsPrintableUtf8(golden.Detail)) << golden.Detail;
}

TEST(FailureText, JapaneseIsDecodedAndNeverCutInsideACharacter) {
  // "表" (0x95 0x5C) straddles the excerpt's length limit.
  const std::string kind = std::string(59, 'a') + "\x95\x5C" + std::string(20, 'b');
  const TResult<> result =
      Read(kHeader + "begin ActionData\r\n2004 07 15 10 23 05 42\r\n" + kind + "\r\n");
  EXPECT_TRUE(IsPrintableUtf8(result.Detail)) << result.Detail;
  EXPECT_NE(result.Detail.find(std::string(59, 'a') + "表"), std::string::npos) << result.Detail;
}

TEST(FailureText, ColourLineInTheMessageIsPrintable) {
  const std::string block =
      "begin ActionData\r\n2004 07 15 10 23 05 42\r\nChange\r\n1\r\nLineColor\r\n"
      "begin FigData\r\n\x1B[31m\x82\xA0\x82\r\nend FigData\r\nend ActionData\r\n";
  const TResult<> result = Read(kHeader + block);
  EXPECT_EQ(result.Message, "'\\x1B[31mあ\\x82' は整数ではありません");
  EXPECT_TRUE(IsPrintableUtf8(result.Detail)) << result.Detail;
}

}  // namespace
}  // namespace mirel
