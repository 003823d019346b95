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

class TBackgroundPicture final : public IBackgroundSurface {
 public:
  // Starts blank: canvas-sized and white.
  TBackgroundPicture();

  // Loads a recorded (code page 932) file name: true when the picture is the
  // new background, false when the name names no picture kind (".bmp",
  // ".BMP", ".jpg" and ".JPG" do, exactly these) and nothing was loaded.
  // Which of the two kinds a picture file holds is told by its contents. A
  // failure is BackgroundNotFound, or tells the file and why in Message (the
  // why alone in Reason, the library's or the system's words in Detail).
  TResult<bool> Load(const std::string& cp932Name);
  // The same for a native path (bytes, passed to the system as they are).
  TResult<bool> LoadPath(const std::string& nativePath);

  TResult<> LoadBackground(const std::string& cp932Name) override { return Load(cp932Name); }
  void ClearBackground() override;

  // Format_RGB32: the top-left part of the picture that the canvas shows.
  const QImage& Picture() const { return picture_; }
  // The picture's own size, as its file gives it (the canvas size when blank).
  QSize PictureSize() const { return pictureSize_; }

 private:
  QImage picture_;
  QSize pictureSize_;
};

}  // namespace mirel
