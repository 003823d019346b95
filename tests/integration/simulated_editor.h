#pragma once
// A window-less editor for the integration tests: it owns the editor state
// that the history layers work on and performs the editing commands in the
// window's order (change the figure list first, then exactly one recorder
// call), committing a pending resize where the window does.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/action_recorder.h"
#include "history/history_list.h"
#include "history/internal_log.h"
#include "model/fig_data.h"
#include "replay/replay_engine.h"

namespace mirel::test {

enum class TEditorMode { Draw, Edit, Play };
enum class TClearMenu { Background, Drawing, All };

// Geometry of the selected figure when it was selected: what the track bars
// resize from.
struct TResizeBase {
  TPoint Start;
  TPoint End;
  std::int32_t TextSize = 0;
  std::vector<TPoint> Points;
  std::optional<TFigData> Stamp;  // stamps scale their contents from this copy
};

// Width in pixels of `text` drawn at `size` points, standing in for the
// window's font measuring.
std::int32_t TextWidth(const std::string& text, std::int32_t size);

class TSimulatedEditor {
 public:
  TSimulatedEditor();
  TSimulatedEditor(const TSimulatedEditor&) = delete;
  TSimulatedEditor& operator=(const TSimulatedEditor&) = delete;

  TFigList FigList;
  TFigList DeletedFigList;
  THistoryList History;
  TInternalLog Log;
  TActionRecorder Recorder;
  TReplayEngine Engine;
  // The background under the canvas; empty = blank.
  std::string Background;
  TEditorMode Mode = TEditorMode::Draw;

  TFigItem* Selected() const { return Recorder.SelectedFig; }
  // The figure at `index` from the back, or none.
  TFigItem* FigureAt(std::int32_t index) const;

  // Mode buttons. Leaving watching mode rebuilds at `PlayCursor`.
  void SwitchToDraw();
  void SwitchToEdit();
  // "みる": watching from step 0. False when the history is empty.
  bool SwitchToPlay();
  // A playback control moved the cursor to `step` and rebuilt.
  void ShowStep(std::int32_t step);
  // Leaves watching mode for editing; `resume` answers the question asked
  // when the shown step is not the last.
  void LeavePlay(bool resume);

  // Drawing mode: a finished figure or a confirmed new text.
  TFigItem* Draw(const TFigData& figure);

  // Editing mode, through the selection tool: a press on the figure and a
  // release `delta` away from the press point.
  void SelectAndDrag(TFigItem* item, TPoint delta);
  // A press on empty canvas.
  void PressOnEmptyCanvas();
  void Duplicate();
  void Delete();
  void Undo();
  void Front();
  void Back();
  void Thicker();
  void Thinner();
  void LineColor(TColor color);
  void BodyColor(TColor color);
  void TextColor(TColor color);
  // Confirms a changed text in the selected text figure's box.
  void ChangeText(const std::string& text);
  // A size track bar moved to `position` (-99 to 100).
  void TrackBar(bool horizontal, std::int32_t position);

  void Clear(TClearMenu menu);
  void ReadBG(const std::string& fileName);
  // Overwrite-save: commits a pending resize and returns the file's bytes.
  std::string Save();

 private:
  void EnterEditMode();
  void EnterDrawMode();
  void CaptureResizeBase();
  void ResizeBox(TFigData& figure, int axis, std::int32_t p) const;
  void ResizePoints(TFigData& figure, int axis, std::int32_t p) const;
  void ResizeText(TFigData& figure, std::int32_t d) const;
  void ResizeStamp(TFigData& figure, int axis, std::int32_t p) const;
  // A command of the editing panel with nothing selected does nothing.
  bool HasSelection() const { return Recorder.SelectedFig != nullptr; }
  // The attribute buttons: record only when the value changed.
  void RecordIfChanged(bool changed, TParameter parameter);

  TActionItem* playCursor_ = nullptr;
  TResizeBase base_;
  std::int64_t ticks_ = 0;  // clock readings so far
};

}  // namespace mirel::test
