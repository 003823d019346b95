#include "ui/log_pane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "text/cp932.h"

namespace mirel {

TLogPane::TLogPane(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TLogPane::Append(const std::string& cp932Line) {
  // One block per line, empty lines included (appendPlainText would fold a
  // leading empty line into the next).
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (!shown_.empty()) cursor.insertBlock();
  cursor.insertText(QString::fromStdString(Cp932ToUtf8(cp932Line).Text));
  shown_.push_back(cp932Line);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TLogPane::ShowLines(const std::vector<std::string>& lines) {
  const bool continues =
      lines.size() >= shown_.size() && std::equal(shown_.begin(), shown_.end(), lines.begin());
  if (!continues) {
    shown_.clear();
    clear();
  }
  for (std::size_t i = shown_.size(); i < lines.size(); ++i) Append(lines[i]);
}

}  // namespace mirel
