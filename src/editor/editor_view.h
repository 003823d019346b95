#pragma once
// What the editor needs from the window that only Qt can do: showing the
// canvas, the text box and the stamp preview, measuring text, loading the
// background picture and writing pictures. The window implements it; tests
// and headless programs use their own.
#include <memory>
#include <string>

#include "editor/frame_sink.h"
#include "model/fig_data.h"
#include "model/geometry.h"
#include "model/result.h"
#include "replay/background_surface.h"
#include "replay/drawing_changes.h"
#include "replay/step_date_texts.h"
#include "text/picture_names.h"

namespace mirel {

// What the canvas shows: the figures, back to front, and the one that
// carries the selection mark (none for no mark). The view draws it when
// handed it and keeps no pointer into it.
struct TCanvasScene {
  const TFigList& Figures;
  const TFigItem* Marked = nullptr;
};

// The stamp for its preview: its figures, relative to the least corner `Min`
// of the figures it was gathered from, and the rectangle of the drawing the
// preview shows (stretched over the whole preview).
struct TStampPreview {
  const TFigList& Figures;
  TPoint Min;
  TPoint PreviewMin;
  TPoint PreviewMax;
};

class IEditorView : public IBackgroundSurface {
 public:
  // IBackgroundSurface: LoadBackground(cp932 name) -> loaded, or why not;
  // ClearBackground() -> the blank (white) background.

  // Composes the background, the scene's figures and its selection mark in
  // the back buffer and shows them on the canvas.
  virtual void Repaint(const TCanvasScene& scene) = 0;
  // Told every change of the scene's figures from the editor's start on,
  // so that a repaint redraws only what changed; none for a view that
  // redraws everything.
  virtual IDrawingChanges* CanvasChanges() { return nullptr; }

  // Width in pixels of a code page 932 text drawn at `points` in the canvas
  // font (where the pen stands after drawing it, less its left edge).
  virtual int TextWidth(const std::string& cp932Text, int points) = 0;

  // The text box over the canvas. Show places it with its top-left at
  // `topLeft`, `width` pixels wide, visible and focused; `utf8Text` replaces
  // its text when given, else the text it holds stays.
  virtual void ShowTextBox(TPoint topLeft, int width, const std::string* utf8Text) = 0;
  // Empties and hides the text box.
  virtual void HideTextBox() = 0;
  virtual bool TextBoxVisible() const = 0;

  // The stamp preview: the stamp as CollectStamp gathered it, or white when
  // there is no stamp.
  virtual void ShowStampPreview(const TStampPreview& stamp) = 0;
  virtual void ClearStampPreview() = 0;

  // The date panel.
  virtual void ShowDates(const TStepDateTexts& dates) = 0;
  // The window caption.
  virtual void SetCaption(const std::string& utf8Caption) = 0;

  // Exports: BackBuffer as the last Repaint composed it. A picture file replaces
  // `path`, the old one backed up under `backupName` (relative to the current
  // folder) when that is not empty.
  virtual TResult<> SavePicture(TPictureKind kind, const std::string& path,
                              const std::string& backupName) = 0;
  virtual void CopyToClipboard() = 0;
  // Long exports. A series writes the frame of each step as a JPEG named
  // SeriesFrameName(chosenPath, step); a video writes them all to `path`.
  virtual std::unique_ptr<IFrameSink> StartSeries(const std::string& chosenPath) = 0;
  virtual std::unique_ptr<IFrameSink> StartVideo(const std::string& path, int fps) = 0;
  // How far a long export has come, `done` of `total` frames; false when
  // the user asks to stop it. (0, 0) ends the showing.
  virtual bool ShowProgress(int done, int total) = 0;
  // Long work: the window takes no input and shows a busy cursor while set.
  virtual void SetBusy(bool busy) = 0;
};

}  // namespace mirel
