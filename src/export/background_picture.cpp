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

TBackgroundLoadResult Outcome(TBackgroundLoadKind kind) {
  TBackgroundLoadResult result;
  result.Kind = kind;
  result.Ok = result.Code() == 0;
  return result;
}

// Simple words for the child at the screen; the exact reason goes to Detail.
std::string_view UserReason(TDecodeFailure failure) {
  switch (failure) {
    case TDecodeFailure::NotAPicture: return msg::kNotAPicture;
    case TDecodeFailure::Unsupported: return msg::kPictureKindUnsupported;
    case TDecodeFailure::TooLarge: return msg::kPictureTooLarge;
    case TDecodeFailure::ReadError: return msg::kFileUnreadable;
    case TDecodeFailure::Damaged:
    case TDecodeFailure::None: break;
  }
  return msg::kPictureDamaged;
}

TBackgroundLoadResult Failure(const std::string& path, TDecodeFailure failure, const std::string& detail) {
  TBackgroundLoadResult result =
      Outcome(failure == TDecodeFailure::TooLarge ? TBackgroundLoadKind::TooLarge : TBackgroundLoadKind::Undecodable);
  result.Message = path + ": " + std::string(UserReason(failure));
  result.Detail = path + ": " + detail;
  return result;
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

TBackgroundLoadResult TBackgroundPicture::Load(const std::string& cp932Name) {
  const std::string native = NativePathFromCp932(cp932Name);
  // A name that does not decode names no file this system can find.
  if (native.empty()) return Outcome(TBackgroundLoadKind::Missing);
  return LoadPath(native);
}

TBackgroundLoadResult TBackgroundPicture::LoadPath(const std::string& nativePath) {
  // A folder is no file, as the file-exists test has it.
  struct stat info {};
  if (::stat(nativePath.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Outcome(TBackgroundLoadKind::Missing);
    return Failure(nativePath, TDecodeFailure::ReadError, SystemReason(errno));
  }
  if (S_ISDIR(info.st_mode)) return Outcome(TBackgroundLoadKind::Missing);

  const std::string extension = ExtensionOf(nativePath);
  if (extension != ".bmp" && extension != ".BMP" && extension != ".jpg" && extension != ".JPG") {
    return Outcome(TBackgroundLoadKind::NotAPicture);
  }

  const TResult<TFilePtr> opened = OpenRegularFile(nativePath);
  const TOpenFailure failure = OpenFailureOf(opened);
  if (failure == TOpenFailure::Missing || failure == TOpenFailure::Folder) return Outcome(TBackgroundLoadKind::Missing);
  if (!opened) {
    TBackgroundLoadResult result = Failure(nativePath, TDecodeFailure::ReadError, opened.Detail);
    if (failure == TOpenFailure::NotRegular) result.Message = nativePath + ": " + std::string(msg::kNotRegularFile);
    result.Detail = opened.Detail;
    return result;
  }
  TDecodedPicture decoded = DecodeVisiblePicture(opened->get());
  if (!decoded.Ok()) return Failure(nativePath, decoded.Failure, decoded.Detail);
  // Only now, with the new picture whole, does the old one go.
  picture_ = std::move(decoded.Picture);
  pictureSize_ = decoded.FullSize;
  return Outcome(TBackgroundLoadKind::Loaded);
}

int TBackgroundPicture::LoadBackground(const std::string& cp932Name) {
  TBackgroundLoadResult result = Load(cp932Name);
  if (!result.Message.empty()) loadError_ = std::move(result.Message);
  return result.Code();
}

std::string TBackgroundPicture::TakeLoadError() { return std::exchange(loadError_, {}); }

}  // namespace mirel
