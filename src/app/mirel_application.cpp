#include "app/mirel_application.h"

#include <QMessageBox>
#include <exception>

#include "fileio/user_words.h"

namespace mirel {

TMirelApplication::TMirelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TMirelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    const std::string_view text = msg::kUnexpectedError;
    QMessageBox::critical(activeWindow(), QStringLiteral("Mirel"),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) +
                              QString::fromLocal8Bit(error.what()));
  }
  return false;
}

}  // namespace mirel
