#pragma once
// A ring drawn around the control that has the keyboard, so that a user who
// works the window with Tab sees where the next key goes. Clicks never give
// the controls the keyboard, so the ring shows only after keys moved it.
#include <QWidget>
#include <vector>

namespace mirel {

class TFocusRing final : public QWidget {
  Q_OBJECT
 public:
  // Lies over `client`; rings the `controls` (descendants of `client`).
  TFocusRing(QWidget& client, std::vector<QWidget*> controls);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow(QWidget* focused);

  QWidget& client_;
  std::vector<QWidget*> controls_;
};

}  // namespace mirel
