#include "history/internal_log.h"

namespace mirel {

void TInternalLog::AddLine(const std::string& line) {
  if (!ShowInternal) return;
  lines_.push_back(line);
  if (listener_) listener_(line);
}

void TInternalLog::LogAction(const TActionData& record) {
  if (!ShowInternal) return;
  for (const std::string& line : DescribeAction(record)) AddLine(line);
}

std::vector<std::string> DescribeAction(const TActionData&) { return {}; }  // TODO(log lines)

}  // namespace mirel
