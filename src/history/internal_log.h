#pragma once
// The internal-processing log: English lines describing each record and the
// data file reader's diagnostics. Lines are kept here; the window's pane
// listens for them. While it is off, nothing is produced.
#include <functional>
#include <string>
#include <vector>

#include "history/action_data.h"

namespace mirel {

class TInternalLog {
 public:
  using Listener = std::function<void(const std::string& line)>;

  bool ShowInternal = false;

  // Appends one line (code page 932 bytes) when the log is on.
  void AddLine(const std::string& line);
  // Describes one record in the log's words.
  void LogAction(const TActionData& record);
  // Empties the lines (the pane's reset button, switching the log on).
  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetListener(Listener listener) { listener_ = std::move(listener); }

 private:
  std::vector<std::string> lines_;
  Listener listener_;
};

// The lines LogAction writes for a record, whether or not a log is on.
std::vector<std::string> DescribeAction(const TActionData& record);

}  // namespace mirel
