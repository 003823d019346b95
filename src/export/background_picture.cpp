#include "export/background_picture.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

#include "export/picture_decoding.h"
#include "fileio/regular_file.h"
#include "fileio/system_reason.h"
#include "fileio/user_words.h"
#include "model/geometry.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

TResult<> Failure(const std::string& path, std::string_view reason, const std::string& detail) {
  TResult<> failure = TResult<>::Failed(path + ": " + std::string(reason), detail);
  failure.Reason = reason;
  return failure;
}

}  // namespace

TBackgroundPicture::TBackgroundPicture() { ClearBackground(); }

void TBackgroundPicture::ClearBackground() {
  if (picture_.size() != QSize(CanvasWidth, CanvasHeight) || picture_.format() != QImage::Format_RGB32) {
    picture_ = QImage(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  }
  picture_.fill(Qt::white);
  pictureSize_ = picture_.size();
}

TResult<bool> TBackgroundPicture::Load(const std::string& cp932Name) {
  const std::string native = NativePathFromCp932(cp932Name);
  // A name that does not decode names no file this system can find.
  if (native.empty()) return BackgroundNotFound();
  return LoadPath(native);
}

TResult<bool> TBackgroundPicture::LoadPath(const std::string& nativePath) {
  // A folder is no file, as the file-exists test has it.
  struct stat info {};
  if (::stat(nativePath.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return BackgroundNotFound();
    return Failure(nativePath, msg::kFileUnreadable, nativePath + ": " + SystemReason(errno));
  }
  if (S_ISDIR(info.st_mode)) return BackgroundNotFound();

  const std::string extension = ExtensionOf(nativePath);
  if (extension != ".bmp" && extension != ".BMP" && extension != ".jpg" && extension != ".JPG") return false;

  const TResult<TFilePtr> opened = OpenRegularFile(nativePath);
  if (IsMissingOrFolder(opened)) return BackgroundNotFound();
  if (!opened) {
    return Failure(nativePath, IsNotRegularFile(opened) ? msg::kNotRegularFile : msg::kFileUnreadable, opened.Detail);
  }
  TResult<TDecodedPicture> decoded = DecodeVisiblePicture(opened->get());
  if (!decoded) return Failure(nativePath, decoded.Reason, nativePath + ": " + decoded.Detail);
  // Only now, with the new picture whole, does the old one go.
  picture_ = std::move(decoded->Picture);
  pictureSize_ = decoded->FullSize;
  return true;
}

}  // namespace mirel
