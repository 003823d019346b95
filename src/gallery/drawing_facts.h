#pragma once
// What a gallery card tells about how a drawing was made, read from its
// history: the steps, the branches, the day it was drawn and the time spent
// drawing.
#include <cstdint>
#include <string>

#include "history/history_list.h"

namespace mirel {

// A pause longer than this counts as this much: the child was away.
inline constexpr std::int64_t kLongestGapSeconds = 5 * 60;

struct TDrawingFacts {
  std::int32_t Steps = 0;
  std::int32_t Branches = 0;
  std::int64_t SecondsDrawing = 0;  // the gaps between steps, each at most kLongestGapSeconds
  std::string Date;                 // "YYYY-MM-DD" of the last dated step, empty if none
};

TDrawingFacts DrawingFactsOf(const THistoryList& history);

// Seconds from the civil epoch to `time` (hundredths dropped); none for a
// record without a date.
std::int64_t SecondsOf(const TActionTime& time);

// "12ふん 5びょう", "1じかん 3ふん": the time spent, in the page's words.
std::string SpentText(std::int64_t seconds);

}  // namespace mirel
