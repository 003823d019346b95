#pragma once
// The menu bar MirelMenu: its menus and items, named by component name.
class QAction;
class QMenu;
class QMenuBar;

namespace mirel {

struct TFormMenus {
  QMenu* FileMenu = nullptr;
  QAction* ReadDataMenu = nullptr;
  QAction* OverWriteDataMenu = nullptr;
  QAction* WriteDataMenu = nullptr;
  QAction* ExitMenu = nullptr;

  QMenu* DrawMenu = nullptr;
  QAction* ReadBGMenu = nullptr;
  QAction* ClearBGMenu = nullptr;
  QAction* ClearImageMenu = nullptr;
  QAction* ClearAllMenu = nullptr;

  QMenu* HelpMenu = nullptr;
  QAction* N5 = nullptr;  // the how-to item: there is no help yet

  QMenu* ToolMenu = nullptr;
  QAction* ShowDataMenu = nullptr;
  QAction* CaptureMenu = nullptr;
  QAction* Save2BMPMenu = nullptr;
  QAction* Save2JPEGMenu = nullptr;
  QAction* SaveAllProcessMenu = nullptr;
  QAction* PrintMenu = nullptr;  // the canvas on paper, after the picture exports
  QAction* ExitByForce = nullptr;
  QAction* SaveMovieMenu = nullptr;  // the making of the drawing as a video
  QAction* GalleryMenu = nullptr;    // a folder of drawings as a web page: the last item
};

// The log item's captions: at start, while the log is shown, after it is hidden.
inline constexpr const char* kShowDataCaptionAtStart = "Mirelの内部処理の表示";
inline constexpr const char* kShowDataCaptionHide = "内部処理の非表示";
inline constexpr const char* kShowDataCaptionShow = "内部処理の表示";

TFormMenus BuildMenus(QMenuBar& bar);

}  // namespace mirel
