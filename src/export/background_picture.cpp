#include "export/background_picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <span>
#include <utility>

#include "export/jpeg_decoder.h"
#include "model/geometry.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

TBackgroundLoadResult Failure(TBackgroundLoadKind kind, const std::string& path, const std::string& why) {
  return {kind, path + ": " + why};
}


}  // namespace

TBackgroundPicture::TBackgroundPicture() { ClearBackground(); }

void TBackgroundPicture::ClearBackground() {
  if (picture_.size() != QSize(CanvasWidth, CanvasHeight) || picture_.format() != QImage::Format_RGB32) {
    picture_ = QImage(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
  }
  picture_.fill(Qt::white);
}

TBackgroundLoadResult TBackgroundPicture::Load(const std::string& cp932Name) {
  const std::string native = NativePathFromCp932(cp932Name);
  // A name that does not decode names no file this system can find.
  if (native.empty()) return {TBackgroundLoadKind::Missing, {}};
  return LoadPath(native);
}

TBackgroundLoadResult TBackgroundPicture::LoadPath(const std::string& nativePath) {
  const QString path = QString::fromStdString(nativePath);
  if (!QFileInfo(path).isFile()) return {TBackgroundLoadKind::Missing, {}};

  const std::string extension = ExtensionOf(nativePath);
  const bool bitmap = extension == ".bmp" || extension == ".BMP";
  const bool jpeg = extension == ".jpg" || extension == ".JPG";
  if (!bitmap && !jpeg) return {TBackgroundLoadKind::NotAPicture, {}};

  QImage loaded;
  if (bitmap) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
      return Failure(TBackgroundLoadKind::TooLarge, nativePath,
                     "picture of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                         " pixels is larger than " + std::to_string(MaxPictureSide) + " pixels on a side");
    }
    if (!reader.read(&loaded)) {
      return Failure(TBackgroundLoadKind::Undecodable, nativePath, reader.errorString().toStdString());
    }
    if (loaded.format() != QImage::Format_RGB32) loaded = loaded.convertToFormat(QImage::Format_RGB32);
  } else {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      return Failure(TBackgroundLoadKind::Undecodable, nativePath, file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
      return Failure(TBackgroundLoadKind::Undecodable, nativePath, file.errorString().toStdString());
    }
    TJpegDecodeResult decoded = DecodeJpeg(
        std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
        MaxPictureSide);
    if (decoded.Picture.isNull()) {
      return Failure(decoded.TooLarge ? TBackgroundLoadKind::TooLarge : TBackgroundLoadKind::Undecodable, nativePath,
                     decoded.Error);
    }
    loaded = std::move(decoded.Picture);
  }
  if (loaded.isNull()) return Failure(TBackgroundLoadKind::Undecodable, nativePath, "empty picture");
  picture_ = std::move(loaded);
  return {};
}

int TBackgroundPicture::LoadBackground(const std::string& cp932Name) {
  TBackgroundLoadResult result = Load(cp932Name);
  if (!result.Error.empty()) loadError_ = std::move(result.Error);
  return result.Code();
}

std::string TBackgroundPicture::TakeLoadError() { return std::exchange(loadError_, {}); }

}  // namespace mirel
