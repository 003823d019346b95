#pragma once
// Building one drawing's part of the gallery from its data file alone: the
// finished picture, a few pictures along the way, its making as a video
// (WebM VP9 and MP4 H.264), its page and its card.
#include <QString>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "gallery/gallery_card.h"

namespace mirel {

// The video of a long drawing shows every so many steps: at most this many
// frames before the finished picture's hold.
inline constexpr int kGalleryVideoFrames = 150;
// Pictures in the strip along the way.
inline constexpr int kStripPictures = 4;

struct TDrawingJob {
  std::string File;  // the data file (native path)
  QString Name;      // its name as shown
  QString Folder;    // its folder under SITE/works
  std::vector<std::string> BackgroundFolders;
};

struct TDrawingBuild {
  TGalleryCard Card;
  std::vector<std::string> Warnings;  // backgrounds that could not be shown, output trouble
  double Seconds = 0;                 // the whole build
  double VideoSeconds = 0;            // composing and encoding the videos
  bool Cancelled = false;
};

// Builds the outputs of `job` under `site`; `hash` is the file's content
// hash for the card. Files are replaced whole; the card comes last, so a
// build cut short is built again by the next run. A drawing that cannot be
// read gets a card with the reason.
TDrawingBuild BuildDrawing(const TDrawingJob& job, const QString& hash, const std::filesystem::path& site,
                           const std::atomic<bool>& cancel);

// The folder of a drawing's outputs.
std::filesystem::path WorksFolder(const std::filesystem::path& site, const QString& folder);

// Writes `bytes` to `path` through a safe replacement (brought to the disk
// later with the rest of the site); empty on success, else the reason.
std::string WriteSiteFile(const std::filesystem::path& path, const QByteArray& bytes);

// The steps the strip shows for a drawing of `steps` steps: evenly along
// the way, neither the blank start nor the end, each once.
std::vector<int> StripSteps(int steps);

}  // namespace mirel
