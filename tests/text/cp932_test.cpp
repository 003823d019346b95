#include "text/cp932.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(Cp932, JapaneseRoundTrip) {
  const std::string utf8 = "はなの え 表示 ｱｲｳ ①Ⅱ～ abc\\~";
  const TTextConversion encoded = Utf8ToCp932(utf8);
  ASSERT_TRUE(encoded.Ok) << encoded.Unconvertible;
  EXPECT_TRUE(encoded.Unconvertible.empty());
  const TTextConversion decoded = Cp932ToUtf8(encoded.Text);
  ASSERT_TRUE(decoded.Ok) << decoded.Unconvertible;
  EXPECT_EQ(decoded.Text, utf8);
}

TEST(Cp932, KnownBytes) {
  EXPECT_EQ(Utf8ToCp932("表").Text, "\x95\x5C");
  EXPECT_EQ(Utf8ToCp932("あ").Text, "\x82\xA0");
  EXPECT_EQ(Cp932ToUtf8("\x95\x5C").Text, "表");
  EXPECT_EQ(Cp932ToUtf8("").Text, "");
  EXPECT_TRUE(Cp932ToUtf8("").Ok);
}

TEST(Cp932, EmojiIsReportedAndReplacedNotDropped) {
  const TTextConversion r = Utf8ToCp932("あ😀い😀🐱");
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Text, "\x82\xA0?\x82\xA2??");
  EXPECT_EQ(r.Unconvertible, "😀🐱");  // each character once, in order
}

TEST(Cp932, MalformedUtf8IsReported) {
  const TTextConversion r = Utf8ToCp932("a\xFF" "b\xE3\x81");
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Text, "a?b??");
  EXPECT_EQ(r.Unconvertible, "\xEF\xBF\xBD");
}

TEST(Cp932, InvalidBytesAreReportedInHex) {
  // 0xFF is no character; 0x81 0x20 is a lead byte with an impossible trail;
  // a lead byte at the very end is truncated.
  const TTextConversion r = Cp932ToUtf8("a\xFF" "b\x81 c\x82");
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Text, "a?b? c?");
  EXPECT_EQ(r.Unconvertible, "0xFF 0x81 0x82");
}

TEST(Cp932, UnassignedDoubleByteIsOneCharacter) {
  // 0x85 0x40 is a well-formed but unassigned pair: one '?' for both bytes.
  const TTextConversion r = Cp932ToUtf8("x\x85\x40y");
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Text, "x?y");
  EXPECT_EQ(r.Unconvertible, "0x85 0x40");
}

TEST(Cp932, LongTextCrossesConversionBuffer) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "表";
  utf8 += "😀";
  const TTextConversion encoded = Utf8ToCp932(utf8);
  EXPECT_FALSE(encoded.Ok);
  ASSERT_EQ(encoded.Text.size(), 10001u);
  EXPECT_EQ(encoded.Text.back(), '?');
  const TTextConversion decoded = Cp932ToUtf8(encoded.Text.substr(0, 10000));
  EXPECT_TRUE(decoded.Ok);
  EXPECT_EQ(decoded.Text + "😀", utf8);
}

}  // namespace
}  // namespace mirel
