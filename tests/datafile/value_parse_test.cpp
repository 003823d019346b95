#include <gtest/gtest.h>

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
