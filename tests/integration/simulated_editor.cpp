#include "integration/simulated_editor.h"

#include <cmath>

#include "datafile/data_output.h"
#include "datafile/data_writer.h"
#include "model/fig_ops.h"

namespace mirel::test {
namespace {

std::int32_t& Coord(TPoint& point, int axis) { return axis == 0 ? point.X : point.Y; }
std::int32_t Coord(const TPoint& point, int axis) { return axis == 0 ? point.X : point.Y; }

std::int32_t Truncate(double value) { return static_cast<std::int32_t>(std::trunc(value)); }

// Stretches a stamp's contents (relative to its corner) to the stamp's new
// extent along one axis, from the contents of the base copy `s`.
void ScaleStampContents(TFigData& f, const TFigData& s, int axis) {
  const std::int64_t baseExtent = std::int64_t{Coord(s.End, axis)} - Coord(s.Start, axis);
  // A stamp without extent on this axis has no ratio: its contents stay.
  if (baseExtent == 0 || !f.StampData || !s.StampData) return;
  const double k =
      static_cast<double>(std::int64_t{Coord(f.End, axis)} - Coord(f.Start, axis)) / baseExtent;
  const TFigItem* from = s.StampData->GetNext(s.StampData->GetHead());
  for (TFigItem* to = f.StampData->GetNext(f.StampData->GetHead()); to && from;
       to = to->Next(), from = from->Next()) {
    TFigData& inner = to->Data;
    const TFigData& source = from->Data;
    if (inner.DrawingTool == dtText) {
      const double w = Coord(source.End, axis) - Coord(source.Start, axis);
      const double c = (k - 1) * w * 0.5;
      Coord(inner.Start, axis) = Truncate(Coord(source.Start, axis) * k + c);
      Coord(inner.End, axis) = Truncate(Coord(source.End, axis) * k + c);
      continue;
    }
    if (IsPointListTool(inner.DrawingTool) && inner.PointData && source.PointData) {
      const std::int32_t count =
          std::min(inner.PointData->GetCount(), source.PointData->GetCount());
      for (std::int32_t i = 0; i < count; ++i) {
        SetPointCoord(inner, axis, i, Truncate(Coord(source.PointData->Point(i), axis) * k));
      }
    }
    Coord(inner.Start, axis) = Truncate(Coord(source.Start, axis) * k);
    Coord(inner.End, axis) = Truncate(Coord(source.End, axis) * k);
    if (inner.DrawingTool == dtStamp) ScaleStampContents(inner, source, axis);
  }
}

}  // namespace

std::int32_t TextWidth(const std::string& text, std::int32_t size) {
  return static_cast<std::int32_t>(text.size()) * size / 2;
}

TSimulatedEditor::TSimulatedEditor()
    : Recorder(History, Log,
               [this] {
                 // 0.37 s between readings, from 2004-11-22 13:05:09.
                 const std::int64_t hundredths = 4'710'900 + 37 * ticks_++;
                 TLocalTime t;
                 t.Year = 2004;
                 t.Month = 11;
                 t.Day = 22 + static_cast<int>(hundredths / 8'640'000 % 7);
                 t.Hour = static_cast<int>(hundredths / 360'000 % 24);
                 t.Minute = static_cast<int>(hundredths / 6'000 % 60);
                 t.Second = static_cast<int>(hundredths / 100 % 60);
                 t.Millisecond = static_cast<int>(hundredths % 100) * 10 + 4;
                 return t;
               }),
      Engine(History, FigList, DeletedFigList) {
  Log.ShowInternal = true;  // the descriptions run for every record
}

TFigItem* TSimulatedEditor::FigureAt(std::int32_t index) const {
  TFigItem* item = FigList.GetNext(FigList.GetHead());
  for (; item && index > 0; --index) item = item->Next();
  return item;
}

void TSimulatedEditor::SwitchToDraw() {
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  if (Mode == TEditorMode::Play) {
    LeavePlay(false);
  }
  Recorder.SelectedFig = nullptr;
  Mode = TEditorMode::Draw;
}

void TSimulatedEditor::SwitchToEdit() {
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  Recorder.SelectedFig = nullptr;
  if (Mode == TEditorMode::Play) LeavePlay(false);
  Mode = TEditorMode::Edit;
}

bool TSimulatedEditor::SwitchToPlay() {
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  Recorder.SelectedFig = nullptr;
  if (Mode == TEditorMode::Play) return true;
  if (History.GetStepCount() == 0) return false;
  Mode = TEditorMode::Play;
  playCursor_ = History.GetHead();
  Background.clear();
  Engine.ForgetShownBackground();
  ClearFigList(FigList);
  ClearFigList(DeletedFigList);
  return true;
}

void TSimulatedEditor::ShowStep(std::int32_t step) {
  playCursor_ = History.StepItem(step);
  Background = Engine.RebuildDrawing(playCursor_).BackgroundFile;
}

void TSimulatedEditor::LeavePlay(bool resume) {
  Recorder.SelectedFig = nullptr;
  if (playCursor_ != History.GetTail()) {
    if (resume) {
      History.ClearLinksAfter(playCursor_);
      Recorder.RecordBranch(History.StepOf(playCursor_));
    } else {
      playCursor_ = History.GetTail();
    }
  }
  Background = Engine.RebuildDrawing(playCursor_).BackgroundFile;
  Mode = TEditorMode::Edit;
}

void TSimulatedEditor::EnterEditMode() {
  if (Mode != TEditorMode::Edit) SwitchToEdit();
}

void TSimulatedEditor::EnterDrawMode() {
  if (Mode != TEditorMode::Draw) SwitchToDraw();
}

TFigItem* TSimulatedEditor::Draw(const TFigData& figure) {
  EnterDrawMode();
  TFigItem* item = AddCopy(FigList, figure);
  Recorder.RecordCreation(TActionKind::Create, item);
  return item;
}

void TSimulatedEditor::CaptureResizeBase() {
  base_ = TResizeBase{};
  if (const TFigItem* item = Recorder.SelectedFig) {
    const TFigData& figure = item->Data;
    base_.Start = figure.Start;
    base_.End = figure.End;
    base_.TextSize = figure.TextSize;
    if (IsPointListTool(figure.DrawingTool) && figure.PointData) {
      const auto points = figure.PointData->Points();
      base_.Points.assign(points.begin(), points.end());
    }
    if (figure.DrawingTool == dtStamp) base_.Stamp = figure;
  }
}

void TSimulatedEditor::SelectAndDrag(TFigItem* item, TPoint delta) {
  EnterEditMode();
  // The pointer moves over the canvas to reach the figure.
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  Recorder.SelectedFig = item;
  if (delta.X != 0 || delta.Y != 0) OffsetFig(item->Data, delta.X, delta.Y);
  CaptureResizeBase();
  if (delta.X != 0 || delta.Y != 0) Recorder.RecordEdit(TActionKind::Move);
}

void TSimulatedEditor::PressOnEmptyCanvas() {
  EnterEditMode();
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  Recorder.SelectedFig = nullptr;
  CaptureResizeBase();
}

void TSimulatedEditor::Duplicate() {
  if (!HasSelection()) return;
  TFigItem* copy = DuplicateFig(FigList, Recorder.SelectedFig);
  OffsetFig(copy->Data, 20, 20);
  Recorder.SelectedFig = copy;
  Recorder.RecordCreation(TActionKind::Duplicate, copy);
  CaptureResizeBase();
}

void TSimulatedEditor::Delete() {
  if (TFigItem* item = Recorder.SelectedFig) {
    if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
    AddCopy(DeletedFigList, item->Data);
    DeleteFig(FigList, item);
    Recorder.RecordEdit(TActionKind::Delete);  // SelectedFig still names the deleted figure
  }
  Recorder.SelectedFig = nullptr;
}

void TSimulatedEditor::Undo() {
  TFigItem* newest = DeletedFigList.GetTail();
  if (newest == DeletedFigList.GetHead()) return;
  TFigItem* restored = AddCopy(FigList, newest->Data);
  Recorder.RecordCreation(TActionKind::Undo, restored);
  DeleteFig(DeletedFigList, newest);
}

void TSimulatedEditor::Front() {
  if (HasSelection() && MoveFront(FigList, Recorder.SelectedFig) == 0) {
    Recorder.RecordEdit(TActionKind::Front);
  }
}

void TSimulatedEditor::Back() {
  if (HasSelection() && MoveBack(FigList, Recorder.SelectedFig) == 0) {
    Recorder.RecordEdit(TActionKind::Back);
  }
}

void TSimulatedEditor::RecordIfChanged(bool changed, TParameter parameter) {
  if (changed) Recorder.RecordChange(TActionKind::Change, parameter);
}

void TSimulatedEditor::Thicker() {
  if (!HasSelection() || Selected()->Data.DrawingTool == dtStamp) return;
  TFigData& figure = Selected()->Data;
  if (figure.PenWidth >= 30) return;
  figure.PenWidth += 2;
  RecordIfChanged(true, TParameter::LineWidth);
}

void TSimulatedEditor::Thinner() {
  if (!HasSelection() || Selected()->Data.DrawingTool == dtStamp) return;
  TFigData& figure = Selected()->Data;
  if (figure.PenWidth <= 1) return;
  figure.PenWidth -= 2;
  RecordIfChanged(true, TParameter::LineWidth);
}

void TSimulatedEditor::LineColor(TColor color) {
  if (!HasSelection() || Selected()->Data.DrawingTool == dtStamp || color == clBtnFace) return;
  TFigData& figure = Selected()->Data;
  const bool changed = figure.PenColor != color;
  figure.PenColor = color;
  RecordIfChanged(changed, TParameter::LineColor);
}

void TSimulatedEditor::BodyColor(TColor color) {
  if (!HasSelection() || Selected()->Data.DrawingTool == dtStamp) return;
  TFigData& figure = Selected()->Data;
  const bool changed = figure.BrushColor != color;
  figure.BrushColor = color;
  RecordIfChanged(changed, TParameter::BodyColor);
}

void TSimulatedEditor::TextColor(TColor color) {
  if (!HasSelection() || Selected()->Data.DrawingTool == dtStamp || color == clBtnFace) return;
  TFigData& figure = Selected()->Data;
  if (figure.DrawingTool != dtText) return;
  const bool changed = figure.TextColor != color;
  figure.TextColor = color;
  RecordIfChanged(changed, TParameter::TextColor);
}

void TSimulatedEditor::ChangeText(const std::string& text) {
  if (!HasSelection() || Selected()->Data.DrawingTool != dtText || text.empty()) return;
  TFigData& figure = Selected()->Data;
  figure.Text = text;
  figure.End = {figure.Start.X + TextWidth(text, figure.TextSize), figure.Start.Y + figure.TextSize};
  Recorder.RecordTextChange();
}

void TSimulatedEditor::ResizeBox(TFigData& figure, int axis, std::int32_t p) const {
  Coord(figure.Start, axis) = Coord(base_.Start, axis) - p;
  Coord(figure.End, axis) = Coord(base_.End, axis) + p;
}

void TSimulatedEditor::ResizePoints(TFigData& figure, int axis, std::int32_t p) const {
  ResizeBox(figure, axis, p);
  const std::int32_t s = Coord(base_.Start, axis);
  const std::int32_t e = Coord(base_.End, axis);
  // Without extent on this axis there is no ratio: the points stay.
  if (e == s || !figure.PointData) return;
  const auto count = std::min<std::size_t>(base_.Points.size(),
                                           static_cast<std::size_t>(figure.PointData->GetCount()));
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t b = Coord(base_.Points[i], axis);
    const double r = (static_cast<double>(b - s) / (e - s)) * 2 * p + (b - s);
    SetPointCoord(figure, axis, static_cast<std::int32_t>(i),
                  Truncate(r) + Coord(figure.Start, axis));
  }
}

void TSimulatedEditor::ResizeText(TFigData& figure, std::int32_t d) const {
  if (base_.TextSize + d <= 5) return;
  figure.Start = base_.Start;
  figure.TextSize = base_.TextSize + d;
  figure.End.X = figure.Start.X + TextWidth(figure.Text, figure.TextSize);
  figure.End.Y = base_.Start.Y + Truncate(figure.TextSize * 1.2);
}

void TSimulatedEditor::ResizeStamp(TFigData& figure, int axis, std::int32_t p) const {
  const TFigData& s = *base_.Stamp;
  Coord(figure.Start, axis) = Coord(s.Start, axis) - p;
  Coord(figure.End, axis) = Coord(s.End, axis) + p;
  ScaleStampContents(figure, s, axis);
}

void TSimulatedEditor::TrackBar(bool horizontal, std::int32_t position) {
  EnterEditMode();
  if (!HasSelection()) return;
  TFigData& figure = Selected()->Data;
  const int axis = horizontal ? 0 : 1;
  switch (figure.DrawingTool) {
    case dtText: ResizeText(figure, horizontal ? position : -position); break;
    case dtStamp: ResizeStamp(figure, axis, position); break;
    default:
      if (IsPointListTool(figure.DrawingTool)) {
        ResizePoints(figure, axis, position);
      } else {
        ResizeBox(figure, axis, position);
      }
      break;
  }
  Recorder.MarkPendingResize();
}

void TSimulatedEditor::Clear(TClearMenu menu) {
  if (Mode == TEditorMode::Play) return;  // the display menu is disabled
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  if (menu != TClearMenu::Drawing) {
    Background.clear();
    Engine.ForgetShownBackground();
  }
  if (menu != TClearMenu::Background) {
    ClearFigList(FigList);
    ClearFigList(DeletedFigList);
    Recorder.SelectedFig = nullptr;
  }
  Recorder.RecordEdit(menu == TClearMenu::All          ? TActionKind::ClearAll
                      : menu == TClearMenu::Background ? TActionKind::CleareBG
                                                       : TActionKind::ClearDrawing);
}

void TSimulatedEditor::ReadBG(const std::string& fileName) {
  if (Mode == TEditorMode::Play) return;
  Background = fileName;
  Recorder.RecordFileAction(TActionKind::ReadBG, fileName);
}

std::string TSimulatedEditor::Save() {
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
  Recorder.SelectedFig = nullptr;
  TDataOutput out;
  WriteDataFile(out, History);
  return out.Text();
}

}  // namespace mirel::test
