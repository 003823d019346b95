#include "ui/tools/rubber_band_tools.h"

#include "editor/editor.h"

namespace mirel {

void TRubberBandTool::Press(TPoint p) {
  // A second press without a release (another button) starts again.
  band_.Erase(Box());
  active_ = true;
  anchor_ = p;
}

void TRubberBandTool::Move(TPoint q) {
  if (active_) band_.Show(Box(), Editor().CanvasState().PenColor, anchor_, q);
}

void TRubberBandTool::Release(TPoint r) {
  if (!active_) return;
  active_ = false;
  band_.Erase(Box());
  Finish(anchor_, r);
}

void TRubberBandTool::Drop() {
  active_ = false;
  band_.Forget();
}

void TBoxFigureTool::Finish(TPoint anchor, TPoint release) {
  if (const TFigItem* made = Editor().FinishBoxFigure(tool_, anchor, release)) ShowNewFigure(Box(), made->Data);
}

void TStampSetupTool::Finish(TPoint anchor, TPoint release) { Editor().StampSetupReleased(anchor, release); }

}  // namespace mirel
