// mirel-batch gallery: folders of drawings as one web site.
#include <unistd.h>

#include <iostream>

#include "batch/batch_commands.h"
#include "gallery/gallery_build.h"

namespace mirel {

int RunGalleryCommand(const TBatchOptions& options) {
  if (options.IndexOnly) {
    const std::vector<TGalleryCard> cards = CardsInSite(options.Output);
    const TResult<> written = WriteGalleryIndex(options.Output, cards);
    if (!written.Ok) {
      std::cerr << "mirel-batch: " << written.Detail << '\n';
      return kExitFailed;
    }
    int failed = 0;
    for (const TGalleryCard& card : cards) failed += card.Ok() ? 0 : 1;
    return failed > 0 ? kExitFailed : kExitOk;
  }
  TGalleryOptions gallery;
  gallery.Inputs = options.Inputs;
  gallery.Site = options.Output;
  gallery.BackgroundFolders = options.BackgroundFolders;
  const bool terminal = isatty(STDERR_FILENO) == 1;
  bool progressShown = false;
  const std::optional<TGallerySummary> outcome = BuildGallery(
      gallery,
      [&](int done, int total) {
        if (terminal && total > 0) {
          std::cerr << "\rdrawing " << done << " / " << total << std::flush;
          progressShown = true;
        }
        return true;
      },
      [&](const std::string& line) {
        // A message starts on a line of its own, below the progress.
        if (progressShown) std::cerr << '\n';
        progressShown = false;
        std::cerr << "mirel-batch: " << line << '\n';
      });
  if (progressShown) std::cerr << '\n';
  return outcome && outcome->Whole() ? kExitOk : kExitFailed;
}

}  // namespace mirel
