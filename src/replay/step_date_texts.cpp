#include "replay/step_date_texts.h"

#include <cstdio>

namespace mirel {

TStepDateTexts StepDateTexts(const TActionData* record) {
  TStepDateTexts texts;
  if (!record) return texts;
  const TActionTime& t = record->ActionTime;
  // Room for the widest values the fields can hold (a year from a file may
  // be any 32-bit number).
  char buffer[48];
  if (t.Year != 0) {
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d", static_cast<int>(t.Year),
                  static_cast<int>(t.Month), static_cast<int>(t.Day));
    texts.DateYMD = buffer;
  } else {
    texts.DateYMD = "----/--/--";
  }
  std::snprintf(buffer, sizeof buffer, "  %02d:%02d:%02d", static_cast<int>(t.Hour),
                static_cast<int>(t.Minute), static_cast<int>(t.Second));
  texts.DateHMS = buffer;
  return texts;
}

}  // namespace mirel
