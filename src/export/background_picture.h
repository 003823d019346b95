#pragma once
// The picture under the canvas: blank (white), or a BMP or JPEG file loaded
// by name. Only what the canvas shows, the top-left 640 x 480 pixels, is
// decoded and kept. A picture that cannot be loaded leaves the current one
// in place.
#include <QImage>
#include <string>

#include "model/result.h"
#include "replay/background_surface.h"

namespace mirel {

enum class TBackgroundLoadKind {
  Loaded,       // the picture is the new background
  NotAPicture,  // the file exists but its extension names no picture kind; nothing loaded
  Missing,      // no file of that name
  Undecodable,  // the file could not be read or decoded
  TooLarge,     // the picture would take more memory than a picture may
};

// Message: for the user, the file and why it was not loaded (empty when it
// loaded, was no picture or was missing). Detail: the same for developers,
// with the library's or the system's reason.
struct TBackgroundLoadResult : TResult<> {
  TBackgroundLoadKind Kind = TBackgroundLoadKind::Loaded;
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

  // Loads a recorded (code page 932) file name. ".bmp"/".BMP"/".jpg"/".JPG"
  // name picture files, exactly these; other names load nothing. Which of
  // the two kinds a picture file holds is told by its contents.
  TBackgroundLoadResult Load(const std::string& cp932Name);
  // The same for a native path (bytes, passed to the system as they are).
  TBackgroundLoadResult LoadPath(const std::string& nativePath);

  // The replay's view: Load's Code(). A file that exists but fails to load
  // is also kept for TakeLoadError, since replay itself says nothing.
  int LoadBackground(const std::string& cp932Name) override;
  void ClearBackground() override;

  // The user's message of the last failed LoadBackground since the last
  // call; empty if none.
  std::string TakeLoadError();

  // Format_RGB32: the top-left part of the picture that the canvas shows.
  const QImage& Picture() const { return picture_; }
  // The picture's own size, as its file gives it (the canvas size when blank).
  QSize PictureSize() const { return pictureSize_; }

 private:
  QImage picture_;
  QSize pictureSize_;
  std::string loadError_;
};

}  // namespace mirel
