#include "replay/step_date_texts.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(StepDateTexts, FormatsDateAndTimeWithoutHundredths) {
  TActionData r;
  r.ActionTime = {.Year = 2004, .Day = 22, .Month = 11, .Minute = 5, .Hour = 13, .Hundredths = 87, .Second = 9};
  EXPECT_EQ(StepDateTexts(&r), (TStepDateTexts{"2004/11/22", "  13:05:09"}));
  r.ActionTime = {.Year = 7, .Day = 1, .Month = 2, .Minute = 0, .Hour = 0, .Hundredths = 0, .Second = 0};
  EXPECT_EQ(StepDateTexts(&r), (TStepDateTexts{"07/02/01", "  00:00:00"}));
}

TEST(StepDateTexts, UndatedRecordAndStepZero) {
  TActionData r;
  r.ActionTime.Hour = 23;
  EXPECT_EQ(StepDateTexts(&r), (TStepDateTexts{"----/--/--", "  23:00:00"}));
  EXPECT_EQ(StepDateTexts(nullptr), (TStepDateTexts{"", ""}));
}

TEST(StepDateTexts, ExtremeValuesFromAFileStayWhole) {
  TActionData r;
  r.ActionTime = {.Year = -2147483647 - 1, .Day = -128, .Month = 127, .Minute = 255, .Hour = 255, .Hundredths = 0, .Second = 255};
  EXPECT_EQ(StepDateTexts(&r), (TStepDateTexts{"-2147483648/127/-128", "  255:255:255"}));
}

}  // namespace
}  // namespace mirel
