#pragma once
// The shipped editor driven as a user drives it, for whole sessions: each
// operation goes through the editor's commands in the order the window
// calls them (the pointer moving over the canvas, presses, releases,
// buttons, menus), with a scripted user and a window without pixels.
#include <cstdint>
#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "editor/editor_fixture.h"

namespace mirel::test {

enum class TClearKind { Background, Drawing, All };

class TEditorSession {
 public:
  TEditorSession();
  ~TEditorSession();
  TEditorSession(const TEditorSession&) = delete;
  TEditorSession& operator=(const TEditorSession&) = delete;

  TScriptedUser User;
  TRecordingView View;
  TEditor Editor;
  const TFigList& FigList;
  const TFigList& DeletedFigList;
  const THistoryList& History;
  const TActionRecorder& Recorder;

  // The background under the canvas; empty = blank.
  const std::string& Background() const { return View.Background; }
  TFigItem* Selected() const { return Editor.SelectedFig(); }
  // The figure at `index` from the back, or none.
  TFigItem* FigureAt(std::int32_t index) const;

  // Mode buttons; leaving watching mode answers No (back to the end).
  void SwitchToDraw();
  void SwitchToEdit();
  // "みる": watching from step 0. False when the history is empty.
  bool SwitchToPlay();
  // The time track bar moved to `step`.
  void ShowStep(std::int32_t step);
  // Leaves watching mode for editing; `resume` answers the question.
  void LeavePlay(bool resume);

  // Drawing mode: `figure`'s kind, corners, points and text drawn with its
  // tool; what else it gets comes from the editor. None when the gesture
  // made nothing. Stamps are made with GatherStamp and PlaceStamp.
  TFigItem* Draw(const TFigData& figure);
  void GatherStamp(TPoint c1, TPoint c2);
  TFigItem* PlaceStamp(TPoint at);

  // Editing mode: the pointer moves to the figure's corner, presses, drags
  // by `delta` and releases. The front-most figure there is selected.
  void SelectAndDrag(TFigItem* item, TPoint delta);
  // A press where no figure is; false when none was found.
  bool PressOnEmptyCanvas();
  void Duplicate();
  void Delete();
  void Undo();
  void Front();
  void Back();
  void Thicker();
  void Thinner();
  void LineColor(int panel);  // 0 = the no-fill panel
  void BodyColor(int panel);
  void TextColor(int panel);
  // The change-text button, then Enter with `cp932Text` in the box.
  void ChangeText(const std::string& cp932Text);
  // A size track bar moved to `position` (-99 to 100).
  void TrackBar(bool horizontal, std::int32_t position);

  void Clear(TClearKind kind);
  // The background menu; `cp932Name` need not exist.
  void ReadBG(const std::string& cp932Name);
  // Save-as to a file of the session; returns the file's bytes.
  std::string Save();

 private:
  void EnsureMode(TEditorMode mode);
  void Palette(int panel);
  std::filesystem::path file_;
};

}  // namespace mirel::test
