#pragma once
// The editor: the one editor state of the program (the document, the mode,
// the tool, the selection, the stamp, the palette colour, the scratch record,
// the playback cursor) and one command per operation of the window. The
// window translates events into these commands and shows what they ask for;
// every rule lives here. Nothing here knows Qt: the window is reached
// through IEditorView and the user through IUserPrompts.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editor/document.h"
#include "editor/editor_types.h"
#include "editor/editor_view.h"
#include "editor/playback.h"
#include "editor/process_frames.h"
#include "editor/stamp.h"
#include "editor/user_prompts.h"
#include "model/draw_state.h"
#include "model/point_data.h"
#include "model/result.h"

namespace mirel {

inline constexpr std::string_view kVersionText = "Mirel Ver.1.31";
inline constexpr int kTextBoxWidth = 169;  // the text box's width at start
inline constexpr TColor kPaletteColors[16] = {
    0xFFFFFF, 0xB469FF, 0x0000FF, 0x0000D0, 0x000080, 0xEBCE87, 0xFF0000, 0x800080,
    0x00FFFF, 0x00A5FF, 0x00FF00, 0x00A000, 0x666600, 0xC0C0C0, 0x808080, 0x000000};

class TEditor {
 public:
  TEditor(IEditorView& view, IUserPrompts& prompts, TClock clock = ReadLocalClock);
  TEditor(const TEditor&) = delete;
  TEditor& operator=(const TEditor&) = delete;

  // ---- State, as the window shows it ----
  TDocument& Document() { return doc_; }
  const TDocument& Document() const { return doc_; }
  TEditorMode EditorMode() const { return mode_; }
  std::uint8_t CurrentTool() const { return tool_; }
  bool PolylineActive() const { return polylineActive_; }
  TFigItem* SelectedFig() const { return doc_.Selected(); }
  TFigItem* MarkedFig() const { return markedFig_; }
  // ConfirmPanel: the palette colour (clBtnFace for no fill) and its hint.
  TColor PaletteColor() const { return paletteColor_; }
  std::string_view PaletteHint() const;
  // The stamp last gathered: StampBtn is enabled exactly when there is one.
  const TStamp& Stamp() const { return stamp_; }
  // The visible canvas's drawing state: new figures take their attributes
  // from it, and feedback is drawn in its pen colour.
  const TDrawState& CanvasState() const { return canvas_; }
  std::int32_t HTrackPosition() const { return hTrack_; }
  std::int32_t VTrackPosition() const { return vTrack_; }
  // Watching mode's step and panel.
  const TPlayback& Playback() const { return playback_; }
  TMenuState Menus() const;
  // What the canvas shows now.
  TCanvasScene Scene() const { return {doc_.Figures(), doc_.Selected()}; }
  bool ShowInternal() const { return doc_.Log().ShowInternal; }
  // The window caption: the version, then " - " and the data file once one
  // was read or saved.
  std::string Caption() const;
  // Set when the program must end, with its exit status.
  std::optional<int> ExitStatus() const { return exitStatus_; }

  // ---- Start-up, modes and tools ----
  // Opens the first command-line argument, if any, as a dropped file.
  void FormCreate(const std::string& commandLineFile);
  void SellectDrawBtnClick();
  void SellectEditBtnClick();
  void SellectPlayBtnClick();
  // A tool button; refused while a polyline is under way.
  void DrawingBtnClick(std::uint8_t tool);
  void ColorPanelClick(int panel);  // 1 to 16
  void ClearPanelClick();
  // The display menu was opened.
  void DrawMenuClick();
  void HideTextBox();
  void ResetEditor();
  // Counts the resets: a gesture the window has under way belongs to the
  // drawing before the last one and must be dropped.
  std::uint32_t ResetCount() const { return resetCount_; }

  // ---- Drawing on the canvas (drawing mode) ----
  // A press with the selection tool: editing mode's panels, then the press.
  void PressWithSelectionTool(TPoint p);
  // A press with the text tool: the box at `p`, keeping its text and width.
  void PressWithTextTool(TPoint p);
  // A line, ellipse or rectangle released at `release`; nothing at the anchor.
  // Each gesture's end returns the figure it made, or none.
  const TFigItem* FinishBoxFigure(TDrawingTool tool, TPoint anchor, TPoint release);
  // A free line whose points (release included) the tool collected; nothing
  // when released at its press point.
  const TFigItem* FinishFreeLine(TPoint anchor, TPoint release, const TPointData& points);
  // The first vertex of a polyline or polygon was added: tools, modes and
  // the three menus are refused until it ends.
  void BeginPolyline();
  // Released at the last vertex: the figure is made when it has 2 points.
  const TFigItem* EndPolyline(TDrawingTool tool, TPoint lastVertex, const TPointData& points);
  // Every release with the stamp tool places the stamp at `at`.
  const TFigItem* PlaceStamp(TPoint at);
  // The stamp set-up released: the selection tool is current again and a
  // rectangle with extent on both axes gathers the stamp.
  void StampSetupReleased(TPoint anchor, TPoint release);
  void CollectStamp(TPoint c1, TPoint c2);
  // Enter in the text box at `boxTopLeft` with its text: a new text in
  // drawing mode, the selected text changed in editing mode. Text that code
  // page 932 cannot hold is refused with a message and the box stays open.
  TResult<> InputEditEnter(TPoint boxTopLeft, const std::string& utf8Text);
  // Escape in the text box.
  void InputEditEscape();

  // ---- Selecting and dragging (editing mode) ----
  // The front-most figure whose box, widened by 3 pixels, holds `p`.
  TFigItem* HitTest(TPoint p) const;
  void EditPress(TPoint p);
  // The pointer moved over the canvas (button held or not).
  void EditMove(TPoint q);
  void EditRelease(TPoint r);

  // ---- The editing panel ----
  void DupBtnClick();
  void DeleteBtnClick();
  void UndoBtnClick();
  void FrontBackBtnClick(bool front);
  void AttrChangeBtnClick(TAttrButton button);
  void ChangeTextBtnClick();
  // A size track bar moved to `position` (-99 to 100).
  void TrackBarChange(bool horizontal, std::int32_t position);

  // ---- Files, background, exit ----
  // A file named on the command line or dropped on the window.
  void OpenFileByName(const std::string& path);
  void ReadDataMenuClick();
  TResult<> OverWriteDataMenuClick();
  TResult<> WriteDataMenuClick();
  void ReadBGMenuClick();
  void ClearMenuClick(TClearMenu menu);
  // The exit item and the window's close box; ExitStatus is set when the
  // program ends (a cancelled or failed save keeps it running).
  void ExitMenuClick();
  void ExitByForceClick();

  // ---- Crash recovery ----
  // Start-up, before the command-line file: offers each drawing earlier runs
  // left in `folder` in turn, newest first, naming it and when it was last
  // changed (yes: it comes back unsaved, with its file name, and the others
  // are set aside; no: it is set aside as recovered-YYYYMMDD-HHMMSS.mrl),
  // then keeps this window's journal there. An unsaved drawing that a read
  // replaces is kept there too.
  void StartRecovery(const std::string& folder);
  // After each command: when the journal could no longer be written, the
  // user is told once, and again only after it has worked in between.
  void TellJournalTrouble();

  // ---- Playback ----
  void ForwardBtnClick();
  void ReverseBtnClick();
  void StopBtnClick();
  void TimeTrackBarChange(std::int32_t position);

  // ---- Export ----
  void CaptureMenuClick();
  TResult<> Save2BMPMenuClick();
  TResult<> Save2JPEGMenuClick();
  TResult<> SaveAllProcessMenuClick();
  // The making of the drawing as a video (VideoPlan at kMovieFps).
  TResult<> SaveMovieMenuClick();
  static constexpr int kMovieFps = kVideoFps;

  // ---- Internal log ----
  void ShowDataMenuClick();
  void ClearMemoBtnClick();

 private:
  // The selection and everything that moves with it: the mark, the resize base
  // and the track bars.
  void Select(TFigItem* item);
  void ClearSelection();
  void CaptureResizeBase();
  void ForgetStamp();
  // Hands the view the scene to show.
  void Repaint() { view_.Repaint(Scene()); }
  const TFigItem* FinishFigure(TDrawingTool tool, TPoint anchor, TPoint release, const TPointData* points);
  // Every release in drawing mode: solid pen 4 pixels wide, solid brush.
  void ResetPenForRelease();
  void SetDataFileName(std::string path);
  void LoadPicture(const std::string& path);
  TResult<> OverwriteSave();
  TResult<> SaveAs();
  // Rebuilds the drawing at the play cursor and shows it.
  void RebuildAtCursor();
  // Leaving watching mode: the resume question; false on Cancel.
  bool LeavePlay();
  void EnterPlayMode();
  bool ConfirmRead();
  // The history as the last save or read left it: steps recorded since
  // (or a recovered drawing) make the drawing unsaved.
  void MarkSaved();
  bool IsUnsaved() const;
  // Before a read replaces an unsaved drawing: it is kept in the recovery
  // folder. False when it could not be and the user would rather keep it.
  bool KeepReplacedDrawing();
  void ReadDataFile(const std::string& path, bool fromMenu);
  // Reads a journal of an earlier run; false when it held no record.
  bool RecoverJournal(const std::string& journal, const std::string& dataFileName);
  TResult<> SaveTo(const std::string& path, TBackupRule rule);
  // The start of every export to files: none during a polyline or when the
  // dialog is cancelled; a pending resize committed, the selection cleared.
  std::optional<std::string> ChooseExportFile(TFileDialog dialog);
  TResult<> ExportPicture(TPictureKind kind);
  // The steps of `plan` as frames, shown on the canvas as they go. A
  // failure is told with the file it names.
  TResult<> ExportProcess(IFrameSink& frames, const TProcessPlan& plan);
  // Rebuilds and shows the step a move of the playback panel names.
  void ShowPlayback(TPlayMove move);

  IEditorView& view_;
  IUserPrompts& prompts_;
  TClock clock_;
  TDocument doc_;
  TEditorMode mode_ = mdDraw;
  std::uint8_t tool_ = kSelectionTool;
  bool polylineActive_ = false;
  bool journalTroubleTold_ = false;
  std::string recoveryFolder_;  // empty: none
  std::uint64_t savedGeneration_ = 0;
  std::int32_t savedSteps_ = 0;
  bool dragging_ = false;
  TPoint dragAnchor_;
  TPoint dragStart_;
  TFigItem* markedFig_ = nullptr;
  TColor paletteColor_ = clBlack;
  TDrawState canvas_;
  TFigData scratch_;
  int textBoxWidth_ = kTextBoxWidth;
  TStamp stamp_;
  TResizeBase resizeBase_;
  std::int32_t hTrack_ = 0;
  std::int32_t vTrack_ = 0;
  TPlayback playback_;
  std::optional<int> exitStatus_;
  std::uint32_t resetCount_ = 0;
};

}  // namespace mirel
