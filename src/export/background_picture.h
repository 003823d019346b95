#pragma once
// The picture under the canvas: blank (white), or a BMP or JPEG file loaded
// by name. A picture that cannot be loaded leaves the current one in place.
#include <QImage>
#include <string>

#include "replay/background_surface.h"

namespace mirel {

// Pictures larger than this on a side are refused rather than decoded.
inline constexpr int MaxPictureSide = 16384;

enum class TBackgroundLoadKind {
  Loaded,       // the picture is the new background
  NotAPicture,  // the file exists but its extension names no picture kind; nothing loaded
  Missing,      // no file of that name
  Undecodable,  // the file could not be read or decoded
  TooLarge,     // wider or taller than MaxPictureSide
};

struct TBackgroundLoadResult {
  TBackgroundLoadKind Kind = TBackgroundLoadKind::Loaded;
  std::string Error;  // for Undecodable and TooLarge: the file and the reason
  // As IBackgroundSurface::LoadBackground reports it: loaded (a file that is
  // no picture kind loads nothing and is no failure), missing, or undecodable.
  int Code() const {
    switch (Kind) {
      case TBackgroundLoadKind::Loaded:
      case TBackgroundLoadKind::NotAPicture: return kBackgroundLoaded;
      case TBackgroundLoadKind::Missing: return kBackgroundMissing;
      default: return kBackgroundUndecodable;
    }
  }
};

class TBackgroundPicture final : public IBackgroundSurface {
 public:
  // Starts blank: canvas-sized and white.
  TBackgroundPicture();

  // Loads a recorded (code page 932) file name. ".bmp"/".BMP" are read as
  // bitmaps, ".jpg"/".JPG" as JPEG, exactly these; other names load nothing.
  TBackgroundLoadResult Load(const std::string& cp932Name);
  // The same for a native (UTF-8) path.
  TBackgroundLoadResult LoadPath(const std::string& nativePath);

  // The replay's view: Load's Code(). A file that exists but fails to load
  // is also kept for TakeLoadError, since replay itself says nothing.
  int LoadBackground(const std::string& cp932Name) override;
  void ClearBackground() override;

  // The last load error of LoadBackground since the last call; empty if none.
  std::string TakeLoadError();

  // The picture at its own size, Format_RGB32; the canvas shows its top-left.
  const QImage& Picture() const { return picture_; }

 private:
  QImage picture_;
  std::string loadError_;
};

}  // namespace mirel
