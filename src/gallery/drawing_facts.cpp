#include "gallery/drawing_facts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace mirel {

std::int64_t SecondsOf(const TActionTime& time) {
  using namespace std::chrono;
  const sys_days day = year{time.Year} / month{static_cast<unsigned>(time.Month)} / static_cast<unsigned>(time.Day);
  return day.time_since_epoch().count() * 86400LL + time.Hour * 3600LL + time.Minute * 60LL + time.Second;
}

TDrawingFacts DrawingFactsOf(const THistoryList& history) {
  TDrawingFacts facts;
  facts.Steps = history.GetStepCount();
  bool havePrevious = false;
  std::int64_t previous = 0;
  for (const TActionItem* item = history.GetNext(history.GetHead()); item; item = item->Next()) {
    const TActionData& data = item->Data;
    if (data.TargetType == TActionKind::Branch) ++facts.Branches;
    if (data.ActionTime.Year == 0) continue;  // no date: the gap cannot be known
    const std::int64_t now = SecondsOf(data.ActionTime);
    // A clock set back counts nothing, a long pause its cap.
    if (havePrevious) facts.SecondsDrawing += std::clamp<std::int64_t>(now - previous, 0, kLongestGapSeconds);
    previous = now;
    havePrevious = true;
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", static_cast<int>(data.ActionTime.Year),
                  static_cast<int>(data.ActionTime.Month), static_cast<int>(data.ActionTime.Day));
    facts.Date = date;
  }
  return facts;
}

std::string SpentText(std::int64_t seconds) {
  const std::int64_t hours = seconds / 3600;
  const std::int64_t minutes = seconds / 60 % 60;
  const std::int64_t rest = seconds % 60;
  std::string text;
  if (hours > 0) text += std::to_string(hours) + "じかん ";
  if (hours > 0 || minutes > 0) text += std::to_string(minutes) + "ふん";
  if (hours == 0) text += (text.empty() ? "" : " ") + std::to_string(rest) + "びょう";
  return text;
}

}  // namespace mirel
