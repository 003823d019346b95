#include "batch/background_warnings.h"

#include "datafile/printable_line.h"

namespace mirel {

std::vector<std::string> TBackgroundWarnings::Collect(int step, const std::vector<TBackgroundAttempt>& attempts) {
  // The replay asks for the recorded name first, then perhaps for its last
  // component nearby: only when the last load failed is nothing shown.
  if (attempts.empty() || (attempts.back().Result && *attempts.back().Result)) return {};
  const std::string& wanted = attempts.front().Cp932Name;
  if (!warned_.insert(wanted).second) return {};

  // The most telling outcome: a picture found but not loaded beats not found.
  const TResult<bool>* found = nullptr;
  for (const TBackgroundAttempt& attempt : attempts) {
    if (!IsBackgroundNotFound(attempt.Result)) {
      found = &attempt.Result;
      break;
    }
  }
  std::string warning = "warning: step " + std::to_string(step) + ": background picture ";
  if (!found) {
    warning += "not found: " + PrintableLine(wanted);
  } else if (*found) {  // done, yet no picture
    warning += "not loaded: " + PrintableLine(wanted) + ": the name ends in neither .bmp nor .jpg";
  } else {
    // The developer's detail names the file that was found and tried.
    warning += "not loaded: " + found->Detail;
  }
  return {warning};
}

}  // namespace mirel
