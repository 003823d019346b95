#pragma once
// A folder of drawings becomes a web site: one folder of outputs per
// drawing, built in parallel, rebuilt only when its file changed, and the
// index page over all of them.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gallery/gallery_card.h"
#include "model/result.h"

namespace mirel {

struct TGalleryOptions {
  std::vector<std::string> Inputs;  // folders of drawings, or drawings (native paths)
  std::string Site;
  std::vector<std::string> BackgroundFolders;  // looked in after the drawing's own folder
  int Workers = 0;                             // 0: one per core
};

// What a build did. It goes on past failures, each told as it happens, and
// only counts them here.
struct TGallerySummary {
  int Built = 0;
  int Reused = 0;     // unchanged since the last run
  int Failed = 0;     // cards saying the drawing could not be read
  int Unwritten = 0;  // folders not listed, the site or its index not written
  double BuildSeconds = 0;  // the drawings' builds added up
  double VideoSeconds = 0;  // of which the videos
  bool Whole() const { return Failed == 0 && Unwritten == 0; }
};

// Builds the gallery. `progress(done, total)` runs on the calling thread
// while the drawings are built; false stops the build (no index is
// written, nothing is returned). `report(line)` gets each warning and
// failure, also on the calling thread.
std::optional<TGallerySummary> BuildGallery(const TGalleryOptions& options, const std::function<bool(int done, int total)>& progress,
                             const std::function<void(const std::string& line)>& report);

// Writes SITE/index.html, its style sheet and SITE/manifest.json for `cards`.
TResult<> WriteGalleryIndex(const std::filesystem::path& site, const std::vector<TGalleryCard>& cards);

// The cards of every drawing whose outputs are under `site`, by name.
std::vector<TGalleryCard> CardsInSite(const std::filesystem::path& site);

// The drawings `inputs` name: the .mrl files of each folder by name, and
// files named themselves. Folders that cannot be listed are reported.
std::vector<std::string> FindDrawings(const std::vector<std::string>& inputs, std::vector<std::string>& trouble);

}  // namespace mirel
