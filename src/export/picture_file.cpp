#include "export/picture_file.h"

#include <QFile>
#include <QSaveFile>

#include "export/bmp_encoder.h"

namespace mirel {
namespace {

TPictureFileResult Failure(const std::string& path, const QString& why) {
  return {false, "cannot write " + path + ": " + why.toStdString()};
}

}  // namespace

TPictureFileResult WritePictureFile(std::span<const unsigned char> bytes, const std::string& path,
                                    const std::string& backupName) {
  const QString target = QString::fromStdString(path);
  QSaveFile file(target);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());
  const auto size = static_cast<qint64>(bytes.size());
  // A small picture stays in QFileDevice's buffer until flushed, and commit()
  // does not report a failed flush (a full disk): flush and check here.
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush()) {
    const QString why = file.errorString();
    file.cancelWriting();
    return Failure(path, why);
  }
  const QString backup = QString::fromStdString(backupName);
  // A failed backup is not an error: the old picture is then replaced.
  const bool backedUp = !backupName.empty() && QFile::exists(target) && QFile::rename(target, backup);
  if (!file.commit()) {
    if (backedUp) QFile::rename(backup, target);  // put the old picture back
    return Failure(path, file.errorString());
  }
  return {};
}

TPictureFileResult SaveBmpPicture(const QImage& frame, const std::string& path) {
  const std::vector<unsigned char> bytes = EncodeBmp32(frame);
  if (bytes.empty()) return {false, "cannot write " + path + ": no picture"};
  return WritePictureFile(bytes, path, PictureBackupName(path));
}

TPictureFileResult SaveJpegPicture(TJpegEncoder& encoder, const QImage& frame, const std::string& path) {
  std::string error;
  if (!encoder.Encode(frame, error)) return {false, "cannot write " + path + ": " + error};
  return WritePictureFile(encoder.Data(), path, PictureBackupName(path));
}

TPictureFileResult SaveSeriesFrame(TJpegEncoder& encoder, const QImage& frame,
                                   std::string_view chosenPath, int step) {
  const std::string path = SeriesFrameName(chosenPath, step);
  std::string error;
  if (!encoder.Encode(frame, error)) return {false, "cannot write " + path + ": " + error};
  return WritePictureFile(encoder.Data(), path, {});
}

}  // namespace mirel
