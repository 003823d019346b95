#pragma once
// One data file opened without a window: its history, the drawing rebuilt
// from it at any step, the picture under the canvas and the composed canvas.
#include <memory>
#include <string>
#include <vector>

#include "editor/document.h"
#include "export/background_picture.h"
#include "model/result.h"
#include "render/canvas_damage.h"
#include "render/frame_composer.h"
#include "render/surface.h"

namespace mirel {

// One LoadBackground call: the recorded name asked for and what came of it.
struct TBackgroundAttempt {
  std::string Cp932Name;
  TResult<bool> Result;  // as TBackgroundPicture::Load has it
};

// The background of a headless rebuild: a recorded name that cannot be found
// is looked for, by its last component, in extra folders. Every load is
// kept for the caller to report.
class TSearchingBackground final : public IBackgroundSurface {
 public:
  explicit TSearchingBackground(std::vector<std::string> searchFolders);
  TResult<> LoadBackground(const std::string& cp932Name) override;
  void ClearBackground() override { picture_.ClearBackground(); }
  const QImage& Picture() const { return picture_.Picture(); }
  // The loads since the last call, in order.
  std::vector<TBackgroundAttempt> TakeAttempts();

 private:
  TBackgroundPicture picture_;
  std::vector<std::string> searchFolders_;
  std::vector<TBackgroundAttempt> attempts_;
};

// A drawing read without a window: the document, the picture under the
// canvas and the composed canvas.
class TBatchDrawing {
 public:
  explicit TBatchDrawing(std::vector<std::string> backgroundFolders = {});
  TBatchDrawing(const TBatchDrawing&) = delete;
  TBatchDrawing& operator=(const TBatchDrawing&) = delete;

  // The steps will only be walked forward, each rebuild going on from the
  // one before: no copies of the drawing or canvases are kept for stepping
  // back, which would cost a long drawing more than its whole rebuild.
  void WalkForwardOnly();
  // Reads a data file (native path) into the empty history. Never asks.
  TResult<> Read(const std::string& path);
  // Rebuilds the drawing as it stood after `step` (0 .. step count).
  TRebuiltStep RebuildTo(int step);
  // Composes the canvas of the last rebuild, without selection marks.
  const QImage& Compose();
  // Rebuilds `step` and composes it, redrawing only what the rebuild
  // changed since the step composed before.
  const QImage& RebuildAndCompose(int step);
  // Composes the drawing, redrawing only what rebuilds and the document's
  // edits changed since the last composition from changes.
  const QImage& ComposeChanged();

  TDocument Document;
  const THistoryList& History = Document.History();
  const TFigList& FigList = Document.Figures();
  const TFigList& DeletedFigList = Document.DeletedFigures();
  TSearchingBackground Background;
  TSurface BackBuffer;

 private:
  TCanvasDamage damage_;
  TFrameComposer composer_;
};

}  // namespace mirel
