#include "app/mirel_application.h"

#include <QMessageBox>
#include <exception>

namespace mirel {

TMirelApplication::TMirelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TMirelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    QMessageBox::critical(activeWindow(), QStringLiteral("Mirel"),
                          QStringLiteral("エラーがおきました。\n") + QString::fromLocal8Bit(error.what()));
  }
  return false;
}

}  // namespace mirel
