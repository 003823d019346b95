#include "integration/editor_session.h"

#include <fstream>
#include <unistd.h>

#include "text/cp932.h"

namespace mirel::test {

TEditorSession::TEditorSession()
    : Editor(View, User, FixedClock()),
      FigList(Editor.Document().Figures()),
      DeletedFigList(Editor.Document().DeletedFigures()),
      History(Editor.Document().History()),
      Recorder(Editor.Document().Recorder()) {
  static int sessions = 0;
  file_ = std::filesystem::temp_directory_path() /
          ("mirel-session-" + std::to_string(::getpid()) + "-" + std::to_string(++sessions) + ".mrl");
  View.AnyPictureLoads = true;
  View.Editor = &Editor;
  Editor.ShowDataMenuClick();  // the descriptions run for every record
}

TEditorSession::~TEditorSession() {
  std::error_code ec;
  std::filesystem::remove(file_, ec);
  std::filesystem::remove(std::filesystem::path(file_).replace_extension(".bak"), ec);
}

TFigItem* TEditorSession::FigureAt(std::int32_t index) const {
  TFigItem* item = FigList.GetNext(FigList.GetHead());
  for (; item && index > 0; --index) item = item->Next();
  return item;
}

void TEditorSession::EnsureMode(TEditorMode mode) {
  if (Editor.EditorMode() == mode) return;
  if (Editor.EditorMode() == mdPlay) User.YesNoCancel = {TAnswer::No};
  mode == mdDraw ? Editor.SellectDrawBtnClick() : Editor.SellectEditBtnClick();
  User.YesNoCancel.clear();
}

void TEditorSession::SwitchToDraw() {
  User.YesNoCancel = {TAnswer::No};
  Editor.SellectDrawBtnClick();
  User.YesNoCancel.clear();
}

void TEditorSession::SwitchToEdit() {
  User.YesNoCancel = {TAnswer::No};
  Editor.SellectEditBtnClick();
  User.YesNoCancel.clear();
}

bool TEditorSession::SwitchToPlay() {
  Editor.SellectPlayBtnClick();
  return Editor.EditorMode() == mdPlay;
}

void TEditorSession::ShowStep(std::int32_t step) { Editor.TimeTrackBarChange(step); }

void TEditorSession::LeavePlay(bool resume) {
  User.YesNoCancel = {resume ? TAnswer::Yes : TAnswer::No};
  Editor.SellectEditBtnClick();
  User.YesNoCancel.clear();
}

TFigItem* TEditorSession::Draw(const TFigData& figure) {
  EnsureMode(mdDraw);
  const std::int32_t before = History.GetStepCount();
  const TDrawingTool tool = figure.DrawingTool;
  Editor.DrawingBtnClick(tool);
  if (tool == dtText) {
    Editor.PressWithTextTool(figure.Start);
    Editor.InputEditEnter(figure.Start, Cp932ToUtf8(figure.Text).Text);
  } else if (IsBoxTool(tool)) {
    Editor.FinishBoxFigure(tool, figure.Start, figure.End);
  } else if (IsPointListTool(tool) && figure.PointData && figure.PointData->GetCount() > 0) {
    const auto points = figure.PointData->Points();
    if (tool == dtFreeLine) {
      Editor.FinishFreeLine(points.front(), points.back(), *figure.PointData);
    } else {
      Editor.BeginPolyline();
      Editor.EndPolyline(tool, points.back(), *figure.PointData);
    }
  }
  return History.GetStepCount() > before ? FigList.GetTail() : nullptr;
}

void TEditorSession::GatherStamp(TPoint c1, TPoint c2) {
  EnsureMode(mdDraw);
  Editor.DrawingBtnClick(kStampSetupTool);
  Editor.StampSetupReleased(c1, c2);
}

TFigItem* TEditorSession::PlaceStamp(TPoint at) {
  EnsureMode(mdDraw);
  if (!Editor.Stamp().Available()) return nullptr;
  Editor.DrawingBtnClick(dtStamp);
  Editor.PlaceStamp(at);
  return FigList.GetTail();
}

void TEditorSession::SelectAndDrag(TFigItem* item, TPoint delta) {
  EnsureMode(mdEdit);
  const TPoint press = item->Data.Start;
  Editor.EditMove(press);  // the pointer moves over the canvas to the figure
  Editor.EditPress(press);
  const TPoint release{press.X + delta.X, press.Y + delta.Y};
  if (delta.X != 0 || delta.Y != 0) Editor.EditMove(release);
  Editor.EditRelease(release);
}

bool TEditorSession::PressOnEmptyCanvas() {
  EnsureMode(mdEdit);
  for (int y = 2; y < CanvasHeight; y += 37) {
    for (int x = 3; x < CanvasWidth; x += 41) {
      if (Editor.HitTest({x, y})) continue;
      Editor.EditMove({x, y});
      Editor.EditPress({x, y});
      Editor.EditRelease({x, y});
      return true;
    }
  }
  return false;
}

void TEditorSession::Duplicate() {
  EnsureMode(mdEdit);
  Editor.DupBtnClick();
}

void TEditorSession::Delete() {
  EnsureMode(mdEdit);
  Editor.DeleteBtnClick();
}

void TEditorSession::Undo() {
  EnsureMode(mdEdit);
  Editor.UndoBtnClick();
}

void TEditorSession::Front() {
  EnsureMode(mdEdit);
  Editor.FrontBackBtnClick(true);
}

void TEditorSession::Back() {
  EnsureMode(mdEdit);
  Editor.FrontBackBtnClick(false);
}

void TEditorSession::Thicker() {
  EnsureMode(mdEdit);
  Editor.AttrChangeBtnClick(TAttrButton::ThickBtn);
}

void TEditorSession::Thinner() {
  EnsureMode(mdEdit);
  Editor.AttrChangeBtnClick(TAttrButton::ThinBtn);
}

void TEditorSession::Palette(int panel) {
  EnsureMode(mdEdit);
  panel == 0 ? Editor.ClearPanelClick() : Editor.ColorPanelClick(panel);
}

void TEditorSession::LineColor(int panel) {
  Palette(panel);
  Editor.AttrChangeBtnClick(TAttrButton::LineColorBtn);
}

void TEditorSession::BodyColor(int panel) {
  Palette(panel);
  Editor.AttrChangeBtnClick(TAttrButton::BodyColorBtn);
}

void TEditorSession::TextColor(int panel) {
  Palette(panel);
  Editor.AttrChangeBtnClick(TAttrButton::TextColorBtn);
}

void TEditorSession::ChangeText(const std::string& cp932Text) {
  EnsureMode(mdEdit);
  Editor.ChangeTextBtnClick();
  if (!View.TextBox) return;
  Editor.InputEditEnter(View.TextBoxAt, Cp932ToUtf8(cp932Text).Text);
}

void TEditorSession::TrackBar(bool horizontal, std::int32_t position) {
  EnsureMode(mdEdit);
  Editor.TrackBarChange(horizontal, position);
}

void TEditorSession::Clear(TClearKind kind) {
  Editor.ClearMenuClick(kind == TClearKind::All          ? TClearMenu::ClearAllMenu
                        : kind == TClearKind::Background ? TClearMenu::ClearBGMenu
                                                         : TClearMenu::ClearImageMenu);
}

void TEditorSession::ReadBG(const std::string& cp932Name) {
  User.Files = {Cp932ToUtf8(cp932Name).Text};
  Editor.ReadBGMenuClick();
  User.Files.clear();
}

std::string TEditorSession::Save() {
  User.Files = {file_.string()};
  User.YesNo = {true};  // over the session's own file
  Editor.WriteDataMenuClick();
  User.Files.clear();
  User.YesNo.clear();
  std::ifstream in(file_, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace mirel::test
