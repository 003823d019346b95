// What the drawing tools make when a gesture ends: figures, texts, stamps.
#include <algorithm>

#include "editor/editor.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"
#include "text/cp932.h"

namespace mirel {
void TEditor::ResetPenForRelease() {
  canvas_.PenStyle = TPenStyle::Solid;
  canvas_.PenWidth = 4;
  canvas_.PenMode = TPenMode::Copy;
  canvas_.BrushStyle = TBrushStyle::Solid;
}

const TFigItem* TEditor::FinishFigure(TDrawingTool tool, TPoint anchor, TPoint release, const TPointData* points) {
  // Fields this path does not set keep what the last finished figure left.
  scratch_.DrawingTool = tool;
  scratch_.PenWidth = canvas_.PenWidth;
  scratch_.PenColor = canvas_.PenColor;
  scratch_.BrushColor = canvas_.BrushColor;
  scratch_.BrushStyle = canvas_.BrushStyle == TBrushStyle::Clear ? 1 : 0;
  scratch_.Start = anchor;
  scratch_.End = release;
  if (points) scratch_.PointData = std::make_unique<TPointData>(*points);
  if (tool == dtStamp) stamp_.PlaceAt(scratch_);
  return doc_.AddFigure(scratch_);
}

void TEditor::PressWithSelectionTool(TPoint p) {
  if (mode_ != mdDraw) return;
  // Only the panels and the mode change; the rest of the mode switch does not happen.
  mode_ = mdEdit;
  EditPress(p);
}

void TEditor::PressWithTextTool(TPoint p) {
  if (mode_ != mdDraw) return;
  view_.ShowTextBox(p, textBoxWidth_, nullptr);
}

const TFigItem* TEditor::FinishBoxFigure(TDrawingTool tool, TPoint anchor, TPoint release) {
  ResetPenForRelease();
  if (mode_ != mdDraw || !IsBoxTool(tool) || release == anchor) return nullptr;
  return FinishFigure(tool, anchor, release, nullptr);
}

const TFigItem* TEditor::FinishFreeLine(TPoint anchor, TPoint release, const TPointData& points) {
  ResetPenForRelease();
  if (mode_ != mdDraw || release == anchor) return nullptr;
  return FinishFigure(dtFreeLine, anchor, release, &points);
}

void TEditor::BeginPolyline() {
  if (mode_ != mdDraw) return;
  ResetPenForRelease();
  polylineActive_ = true;
}

const TFigItem* TEditor::EndPolyline(TDrawingTool tool, TPoint lastVertex, const TPointData& points) {
  ResetPenForRelease();
  const bool wasActive = polylineActive_;
  polylineActive_ = false;
  if (!wasActive || (tool != dtPolyline && tool != dtPolygon) || points.GetCount() < 2) return nullptr;
  return FinishFigure(tool, lastVertex, lastVertex, &points);
}

const TFigItem* TEditor::PlaceStamp(TPoint at) {
  ResetPenForRelease();
  if (mode_ != mdDraw || !stamp_.Available()) return nullptr;
  // Drawing the stamp leaves its last figure's pen and brush on the canvas,
  // and the stamp figure takes them.
  if (const TFigData* last = stamp_.LastDrawnFigure()) ApplyFigureAttributes(*last, canvas_);
  return FinishFigure(dtStamp, at, at, nullptr);
}

void TEditor::StampSetupReleased(TPoint anchor, TPoint release) {
  ResetPenForRelease();
  tool_ = kSelectionTool;
  if (release.X != anchor.X && release.Y != anchor.Y) CollectStamp(anchor, release);
}

void TEditor::CollectStamp(TPoint c1, TPoint c2) {
  if (doc_.Figures().Count() == 0) {
    prompts_.Notice(msg::kNothingToGather);
    tool_ = kSelectionTool;
    return;
  }
  stamp_ = TStamp::Gather(doc_.Figures(), c1, c2);
  if (!stamp_.Available()) {
    ForgetStamp();
    return;
  }
  view_.ShowStampPreview(stamp_.Preview());
}

TResult<> TEditor::InputEditEnter(TPoint boxTopLeft, const std::string& utf8Text) {
  const TTextConversion converted = Utf8ToCp932(utf8Text);
  if (!converted.Ok) {
    // The box stays open with its text so that the child can mend it.
    TResult<> refused = TResult<>::Failed(std::string(msg::kTextNotWritable) + converted.Unconvertible,
                                      "not in code page 932: " + converted.Unconvertible);
    prompts_.Notice(refused.Message);
    return refused;
  }
  view_.HideTextBox();
  const std::string& text = converted.Text;
  if (!text.empty() && mode_ == mdDraw) {
    canvas_.FontSize = 12;
    canvas_.FontColor = clBlack;
    scratch_.DrawingTool = dtText;
    scratch_.TextSize = 12;
    scratch_.TextColor = clBlack;
    scratch_.Text = text;
    scratch_.Start = boxTopLeft;
    scratch_.End = TPoint{WrapAdd(boxTopLeft.X, view_.TextWidth(text, 12)), WrapAdd(boxTopLeft.Y, 12)};
    doc_.AddFigure(scratch_);
  } else if (!text.empty() && mode_ == mdEdit) {
    // The selection may have moved on while the box was open: only a text
    // figure takes the text.
    const TFigItem* selected = doc_.Selected();
    if (selected && selected->Data.DrawingTool == dtText) {
      const std::int32_t size = selected->Data.TextSize;
      doc_.ChangeSelectedText(text, TPoint{WrapAdd(boxTopLeft.X, view_.TextWidth(text, size)),
                                           WrapAdd(boxTopLeft.Y, size)});
    }
  }
  Repaint();
  return TResult<>::Done();
}

void TEditor::InputEditEscape() {
  view_.HideTextBox();
  if (mode_ == mdDraw) tool_ = kSelectionTool;
  Repaint();
}

}  // namespace mirel
