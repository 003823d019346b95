#pragma once
// What the window hands to the system around it: the print dialog, the
// folder questions of the gallery and the default browser. Tests put in
// their own.
#include <functional>
#include <optional>
#include <string>

class QPrinter;
class QUrl;
class QWidget;

namespace mirel {

enum class TFolderDialog {
  GalleryDrawings,  // the folder of drawings a gallery shows
  GallerySite,      // the folder the gallery's page goes to
};

struct TSystemServices {
  std::function<bool(QPrinter& printer)> ChoosePrinter;  // false when cancelled
  // A folder's native path, or none when cancelled.
  std::function<std::optional<std::string>(TFolderDialog dialog)> ChooseFolder;
  std::function<void(const QUrl& page)> OpenPage;

  // Qt's dialogs over `window` (in Japanese, as the other dialogs), and
  // QDesktopServices.
  static TSystemServices Real(QWidget& window);
};

}  // namespace mirel
