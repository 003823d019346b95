#include "ui/tools/canvas_tools.h"

#include "editor/editor.h"
#include "ui/tools/rubber_band_tools.h"
#include "ui/tools/simple_tools.h"
#include "ui/tools/stroke_tools.h"

namespace mirel {

TCanvasTools::TCanvasTools(TEditor& editor, TPaintBox& box) : editor_(editor), resets_(editor.ResetCount()) {
  tools_[kSelectionTool] = std::make_unique<TSelectionTool>(editor, box);
  tools_[dtText] = std::make_unique<TTextTool>(editor, box);
  tools_[dtLine] = std::make_unique<TBoxFigureTool>(editor, box, dtLine, TBandShape::Line);
  tools_[dtFreeLine] = std::make_unique<TFreeLineTool>(editor, box);
  tools_[dtEllipse] = std::make_unique<TBoxFigureTool>(editor, box, dtEllipse, TBandShape::Ellipse);
  tools_[dtRectangle] = std::make_unique<TBoxFigureTool>(editor, box, dtRectangle, TBandShape::Rectangle);
  tools_[dtPolyline] = std::make_unique<TPolylineTool>(editor, box, dtPolyline);
  tools_[dtPolygon] = std::make_unique<TPolylineTool>(editor, box, dtPolygon);
  tools_[dtStamp] = std::make_unique<TStampTool>(editor, box);
  tools_[kStampSetupTool] = std::make_unique<TStampSetupTool>(editor, box);
}

TCanvasTool* TCanvasTools::Current() {
  switch (editor_.EditorMode()) {
    case mdDraw: {
      const std::uint8_t tool = editor_.CurrentTool();
      return tool < tools_.size() ? tools_[tool].get() : nullptr;
    }
    case mdEdit: return tools_[kSelectionTool].get();
    case mdPlay: return nullptr;  // watching: the canvas only shows
  }
  return nullptr;
}

void TCanvasTools::Press(TPoint p) {
  if (TCanvasTool* tool = Current()) tool->Press(p);
}

void TCanvasTools::Move(TPoint q) {
  if (TCanvasTool* tool = Current()) tool->Move(q);
}

void TCanvasTools::Release(TPoint r) {
  if (TCanvasTool* tool = Current()) tool->Release(r);
}

void TCanvasTools::Sync() {
  const bool reset = editor_.ResetCount() != resets_;
  resets_ = editor_.ResetCount();
  const TCanvasTool* current = reset ? nullptr : Current();
  for (const auto& tool : tools_) {
    if (tool.get() != current) tool->Drop();
  }
}

}  // namespace mirel
