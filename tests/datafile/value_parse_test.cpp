#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "datafile/colour_names.h"
#include "datafile/value_parse.h"

namespace mirel {
namespace {

TEST(IntegerLines, ReadLeadingNumberAndKeepTheFieldOtherwise) {
  std::int32_t field = 99;
  EXPECT_TRUE(ReadIntLine("  -42 and more", field));
  EXPECT_EQ(field, -42);
  EXPECT_TRUE(ReadIntLine("+7", field));
  EXPECT_EQ(field, 7);
  for (const char* line : {"", "abc", "- 5", "+", " x1"}) {
    field = 99;
    EXPECT_TRUE(ReadIntLine(line, field)) << line;
    EXPECT_EQ(field, 99) << line;
  }
}

TEST(IntegerLines, ThirtyTwoBitLimitsAreReadAndBeyondIsAnError) {
  std::int32_t field = 0;
  EXPECT_TRUE(ReadIntLine("2147483647", field));
  EXPECT_EQ(field, 2147483647);
  EXPECT_TRUE(ReadIntLine("-2147483648", field));
  EXPECT_EQ(field, -2147483647 - 1);
  field = 5;
  EXPECT_FALSE(ReadIntLine("2147483648", field));
  EXPECT_FALSE(ReadIntLine("-2147483649", field));
  EXPECT_FALSE(ReadIntLine("99999999999999999999999999", field));
  EXPECT_EQ(field, 5);
}

// Reads the leading number digit by digit, without any shortcut, to check
// ParseLeadingInt against.
TLeadingInt ReferenceLeadingInt(std::string_view text, std::size_t from) {
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = from;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !isDigit(text[i])) return {TIntStatus::NotNumber, 0, from};
  std::int64_t magnitude = 0;
  bool huge = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > (std::int64_t{1} << 40)) {
      huge = true;
      magnitude = 0;
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (huge || value < INT32_MIN || value > INT32_MAX) return {TIntStatus::OutOfRange, 0, i};
  return {TIntStatus::Number, static_cast<std::int32_t>(value), i};
}

void ExpectLikeReference(std::string_view text, std::size_t from) {
  const TLeadingInt got = ParseLeadingInt(text, from);
  const TLeadingInt want = ReferenceLeadingInt(text, from);
  EXPECT_EQ(got.Status, want.Status) << "'" << text << "' from " << from;
  EXPECT_EQ(got.End, want.End) << "'" << text << "' from " << from;
  if (want.Status == TIntStatus::Number) {
    EXPECT_EQ(got.Value, want.Value) << "'" << text << "'";
  }
}

TEST(LeadingNumbers, DigitCountsAroundTheShortWayAndTheLimits) {
  for (const char* text :
       {"0", "7", "999999999", "1000000000", "-999999999", "-1000000000", "2147483647", "2147483648",
        "-2147483648", "-2147483649", "000000000", "0000000000", "00000000000000000042",
        "000000002147483647", "0000000002147483648", "-00000000000002147483648", "12345678901234567890123",
        "123456789 5", "1234567890x", "  \t+000123456789", "99999999999999999999 1", "-", "+ 1", "x9"}) {
    ExpectLikeReference(text, 0);
  }
}

TEST(LeadingNumbers, GeneratedLinesReadAsDigitByDigit) {
  // Mostly digits, so that long numbers are common; every start offset.
  constexpr std::string_view kAlphabet = "0123456789012345678999  -+x\t";
  std::uint32_t seed = 12345;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (int n = 0; n < 20000; ++n) {
    std::string text(next() % 16, ' ');
    for (char& c : text) c = kAlphabet[next() % kAlphabet.size()];
    for (std::size_t from = 0; from <= text.size(); ++from) ExpectLikeReference(text, from);
  }
}

TEST(PointLines, MissingCoordinatesComeFromThePointBefore) {
  TPoint p{3, 4};
  EXPECT_TRUE(ReadPointLine("-5 12 trailing", p));
  EXPECT_EQ(p, (TPoint{-5, 12}));
  EXPECT_TRUE(ReadPointLine("\t8\t\t9", p));
  EXPECT_EQ(p, (TPoint{8, 9}));
  EXPECT_TRUE(ReadPointLine("20", p));
  EXPECT_EQ(p, (TPoint{20, 9}));
  EXPECT_TRUE(ReadPointLine("21,22", p));
  EXPECT_EQ(p, (TPoint{21, 9}));
  EXPECT_TRUE(ReadPointLine("", p));
  EXPECT_EQ(p, (TPoint{21, 9}));
  EXPECT_TRUE(ReadPointLine("x 5", p));
  EXPECT_EQ(p, (TPoint{21, 9}));
  EXPECT_FALSE(ReadPointLine("1 3000000000", p));
  EXPECT_FALSE(ReadPointLine("-3000000000 1", p));
}

TEST(ColourLines, IdentifiersInAnyLetterCase) {
  EXPECT_EQ(ParseColorLine("clred"), 0x000000FFu);
  EXPECT_EQ(ParseColorLine("CLBTNFACE"), 0x8000000Fu);
  EXPECT_EQ(ParseColorLine("cl3ddkshadow"), 0x80000015u);
  EXPECT_EQ(ParseColorLine("clNone"), 0x1FFFFFFFu);
}

TEST(ColourLines, EveryIdentifierIsFoundInAnyCaseAndNearMissesAreNot) {
  // The system colours, the 4-level channel mixes and the few others.
  std::vector<TColor> candidates = {0x00C0DCC0, 0x00F0CAA6, 0x00F0FBFF, 0x00A4A0A0, 0x1FFFFFFF,
                                    0x20000000};
  for (TColor c = 0x80000000; c < 0x80000020; ++c) candidates.push_back(c);
  constexpr TColor kLevels[] = {0x00, 0x80, 0xC0, 0xFF};
  for (TColor b : kLevels) {
    for (TColor g : kLevels) {
      for (TColor r : kLevels) candidates.push_back(b << 16 | g << 8 | r);
    }
  }
  auto recase = [](std::string_view name, auto change) {
    std::string s(name);
    for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return s;
  };
  int found = 0;
  for (TColor value : candidates) {
    const std::string_view name = ColorIdentifier(value);
    if (name.empty()) continue;
    ++found;
    EXPECT_EQ(ParseColorLine(name), value) << name;
    EXPECT_EQ(ParseColorLine(recase(name, ::toupper)), value) << name;
    EXPECT_EQ(ParseColorLine(recase(name, ::tolower)), value) << name;
    EXPECT_FALSE(ParseColorLine(std::string(name) + "x").has_value()) << name;
    EXPECT_NE(ParseColorLine(name.substr(0, name.size() - 1)), value) << name;
  }
  EXPECT_EQ(found, 52);
}

TEST(ColourLines, DecimalAndEveryHexadecimalNotation) {
  EXPECT_EQ(ParseColorLine("$0000A5FF"), 0x0000A5FFu);
  EXPECT_EQ(ParseColorLine("42495"), 0x0000A5FFu);
  EXPECT_EQ(ParseColorLine("  x00b469ff"), 0x00B469FFu);
  EXPECT_EQ(ParseColorLine("X1f"), 0x1Fu);
  EXPECT_EQ(ParseColorLine("0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColorLine("0X8000000f"), 0x8000000Fu);
  EXPECT_EQ(ParseColorLine("$FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColorLine("-1"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColorLine("+255"), 0xFFu);
  EXPECT_EQ(ParseColorLine("4294967295"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColorLine("-2147483648"), 0x80000000u);
}

TEST(ColourLines, AnythingElseIsNoColour) {
  for (const char* line : {"red", "", " ", "$", "0x", "$123456789", "4294967296", "12 ", "12a",
                           "$FFG", "-2147483649", "clRed ", " clRed", "1.5", "0x-1"}) {
    EXPECT_FALSE(ParseColorLine(line).has_value()) << "'" << line << "'";
  }
}

TEST(TimeLines, FullFormByFixedColumns) {
  const TActionTime t = ParseTimeLine("2004 07 15 10 23 05 42");
  EXPECT_EQ(t.Year, 2004);
  EXPECT_EQ(t.Month, 7);
  EXPECT_EQ(t.Day, 15);
  EXPECT_EQ(t.Hour, 10);
  EXPECT_EQ(t.Minute, 23);
  EXPECT_EQ(t.Second, 5);
  EXPECT_EQ(t.Hundredths, 42);
  // Separators are not examined; each field stops at its own columns.
  const TActionTime u = ParseTimeLine("1999x12-31/23:59:59.99");
  EXPECT_EQ(u.Year, 1999);
  EXPECT_EQ(u.Month, 12);
  EXPECT_EQ(u.Hundredths, 99);
  EXPECT_EQ(u.Second, 59);
}

TEST(TimeLines, OtherLengthsAreTheTimeOnlyForm) {
  const TActionTime t = ParseTimeLine("10 23 05 42");
  EXPECT_EQ(t.Year, 0);
  EXPECT_EQ(t.Month, 0);
  EXPECT_EQ(t.Day, 0);
  EXPECT_EQ(t.Hour, 10);
  EXPECT_EQ(t.Minute, 23);
  EXPECT_EQ(t.Second, 5);
  EXPECT_EQ(t.Hundredths, 42);
  const TActionTime shortLine = ParseTimeLine("07 3");
  EXPECT_EQ(shortLine.Hour, 7);
  EXPECT_EQ(shortLine.Minute, 3);
  EXPECT_EQ(shortLine.Second, 0);
  EXPECT_EQ(ParseTimeLine("").Hour, 0);
  EXPECT_EQ(ParseTimeLine("ab cd").Minute, 0);
  // A 23-character line with a date is still read as time-only.
  EXPECT_EQ(ParseTimeLine("2004 07 15 10 23 05 421").Year, 0);
}

}  // namespace
}  // namespace mirel
