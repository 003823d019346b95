#include "export/picture_file.h"

#include <QBuffer>
#include <QByteArray>

#include "export/bmp_encoder.h"
#include "fileio/user_reason.h"
#include "fileio/user_words.h"

namespace mirel {
namespace {

std::string NotWritten(const std::string& path, const std::string& why) {
  return std::string(msg::kFileNotWritten) + path + " (" + why + ")";
}

TResult<> EncodingFailure(const std::string& path, const std::string& why) {
  TResult<> failure = TResult<>::Failed(NotWritten(path, why), "cannot encode " + path + ": " + why);
  failure.Reason = UserReason(0, TFileUse::Writing);
  return failure;
}

}  // namespace

TResult<> WritePictureFile(std::span<const unsigned char> bytes, const std::string& path,
                                    const std::string& backupName, TDurability durability) {
  const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const TResult<std::filesystem::path> replaced =
      ReplaceFile(path, backupName, [contents](TFileSink& sink) { return sink.Write(contents); }, durability);
  if (!replaced) return replaced.Told(NotWritten(path, replaced.Message));
  return TResult<>::Done();
}

TResult<> SavePicture(TPictureKind kind, const QImage& frame, const std::string& path,
                               const std::string& backupName, TJpegEncoder& jpeg, TDurability durability) {
  switch (kind) {
    case TPictureKind::Bmp: {
      const std::vector<unsigned char> bytes = EncodeBmp32(frame);
      if (bytes.empty()) return EncodingFailure(path, "no picture");
      return WritePictureFile(bytes, path, backupName, durability);
    }
    case TPictureKind::Jpeg: {
      const TResult<std::span<const unsigned char>> encoded = jpeg.Encode(frame);
      if (!encoded) return EncodingFailure(path, encoded.Detail);
      return WritePictureFile(*encoded, path, backupName, durability);
    }
    case TPictureKind::Png:
      break;
  }
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !frame.save(&buffer, "PNG")) {
    return EncodingFailure(path, "PNG encoding failed");
  }
  return WritePictureFile(std::span(reinterpret_cast<const unsigned char*>(png.constData()),
                                    static_cast<std::size_t>(png.size())),
                          path, backupName, durability);
}

TResult<> SaveBmpPicture(const QImage& frame, const std::string& path) {
  TJpegEncoder unused;
  return SavePicture(TPictureKind::Bmp, frame, path, PictureBackupName(path), unused);
}

TResult<> SaveJpegPicture(TJpegEncoder& encoder, const QImage& frame, const std::string& path) {
  return SavePicture(TPictureKind::Jpeg, frame, path, PictureBackupName(path), encoder);
}

}  // namespace mirel
