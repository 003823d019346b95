#pragma once
// The date and time texts shown for one step of the history.
#include <string>

#include "history/action_data.h"

namespace mirel {

struct TStepDateTexts {
  std::string DateYMD;  // "2004/11/22", or "----/--/--" for a record without a date
  std::string DateHMS;  // "  13:05:09"; hundredths are not shown
  friend bool operator==(const TStepDateTexts&, const TStepDateTexts&) = default;
};

// The texts for the step whose record is `record`; step 0 (the head, passed
// as none) shows two empty texts.
TStepDateTexts StepDateTexts(const TActionData* record);

}  // namespace mirel
