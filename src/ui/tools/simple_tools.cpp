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
  const TFigList& figures = Editor().Document().FigList;
  const std::int32_t before = figures.Count();
  Editor().PlaceStamp(r);
  if (figures.Count() > before) ShowNewFigure(Box(), figures.GetTail()->Data);
}

}  // namespace mirel
