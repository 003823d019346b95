#pragma once
// The internal-processing log pane (Memo): shows the log's lines, decoded
// from code page 932, exactly as the log holds them.
#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace mirel {

class TLogPane final : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TLogPane(QWidget* parent);

  // A line the log just produced.
  void Append(const std::string& cp932Line);
  // Brings the pane in line with the log: appends what is new, or shows the
  // lines afresh when the log was emptied or replaced meanwhile.
  void ShowLines(const std::vector<std::string>& lines);

 private:
  std::vector<std::string> shown_;
};

}  // namespace mirel
