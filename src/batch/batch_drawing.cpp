#include "batch/batch_drawing.h"

#include <limits>

#include "datafile/reader_prompts.h"
#include "render/canvas_composition.h"
#include "text/file_search.h"
#include "text/path_utils.h"

namespace mirel {

TSearchingBackground::TSearchingBackground(std::vector<std::string> searchFolders)
    : searchFolders_(std::move(searchFolders)) {}

TResult<> TSearchingBackground::LoadBackground(const std::string& cp932Name) {
  TResult<bool> result = picture_.Load(cp932Name);
  // A name without folders (the replay tries a recorded path's last
  // component too) is also looked for in the extra folders.
  if (IsBackgroundNotFound(result) && FolderPartCp932(cp932Name).empty()) {
    if (const auto found = FindInFolders(NativePathFromCp932(cp932Name), searchFolders_)) {
      result = picture_.LoadPath(*found);
    }
  }
  attempts_.push_back({cp932Name, result});
  return result;
}

std::vector<TBackgroundAttempt> TSearchingBackground::TakeAttempts() { return std::exchange(attempts_, {}); }

TBatchDrawing::TBatchDrawing(std::vector<std::string> backgroundFolders)
    : Background(std::move(backgroundFolders)), BackBuffer(CanvasWidth, CanvasHeight) {}

void TBatchDrawing::WalkForwardOnly() {
  Document.Replay().SetCheckpointSpacing(std::numeric_limits<std::int32_t>::max());
  composer_.ComposeForwardOnly();
}

TResult<> TBatchDrawing::Read(const std::string& path) {
  TNonInteractivePrompts prompts;
  return Document.Read(path, prompts);
}

TRebuiltStep TBatchDrawing::RebuildTo(int step) { return Document.RebuildStep(step, Background); }

const QImage& TBatchDrawing::Compose() {
  ComposeCanvas(BackBuffer, Background.Picture(), FigList, nullptr);
  composer_.Forget();
  return BackBuffer.Image();
}

const QImage& TBatchDrawing::RebuildAndCompose(int step) {
  // Told from the first composition on: finding a text's bounds needs the
  // fonts, which the commands that only rebuild do not load.
  Document.SetDrawingChanges(&damage_);
  RebuildTo(step);
  return ComposeChanged();
}

const QImage& TBatchDrawing::ComposeChanged() {
  Document.SetDrawingChanges(&damage_);
  composer_.ComposeChanged(BackBuffer, Background.Picture(), FigList, nullptr, damage_);
  return BackBuffer.Image();
}

}  // namespace mirel
