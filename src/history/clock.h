#pragma once
// The local clock, injectable so that tests can fix the time.
#include <chrono>
#include <functional>

namespace mirel {

struct TLocalTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

using TClock = std::function<TLocalTime()>;

// One reading of the system's local clock.
TLocalTime ReadLocalClock();
// A moment of the system clock in local time.
TLocalTime LocalTimeOf(std::chrono::system_clock::time_point moment);

}  // namespace mirel
