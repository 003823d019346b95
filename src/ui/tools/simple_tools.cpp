#include "ui/tools/simple_tools.h"

#include "editor/editor.h"
#include "ui/tools/feedback.h"

namespace mirel {

void TSelectionTool::Press(TPoint p) {
  if (Editor().EditorMode() == mdDraw) {
    Editor().PressWithSelectionTool(p);
  } else {
    Editor().EditPress(p);
  }
}

void TSelectionTool::Move(TPoint q) { Editor().EditMove(q); }

void TSelectionTool::Release(TPoint r) { Editor().EditRelease(r); }

void TTextTool::Press(TPoint p) { Editor().PressWithTextTool(p); }

void TStampTool::Release(TPoint r) {
  if (const TFigItem* made = Editor().PlaceStamp(r)) ShowNewFigure(Box(), made->Data);
}

}  // namespace mirel
