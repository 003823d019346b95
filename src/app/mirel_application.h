#pragma once
// The application object of mirel: an error that escapes an event handler is
// shown to the user in a message box, and the program goes on.
#include <QApplication>

namespace mirel {

class TMirelApplication final : public QApplication {
 public:
  TMirelApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace mirel
