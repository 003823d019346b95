#include "export/picture_file.h"

#include "export/bmp_encoder.h"

namespace mirel {
namespace {

TPictureFileResult Failure(const std::string& path, const std::string& reason, std::string detail) {
  return TResult::Failed("ファイルにかきだせませんでした: " + path + " (" + reason + ")", std::move(detail));
}

TPictureFileResult EncodingFailure(const std::string& path, const std::string& why) {
  return Failure(path, why, "cannot encode " + path + ": " + why);
}

}  // namespace

TPictureFileResult WritePictureFile(std::span<const unsigned char> bytes, const std::string& path,
                                    const std::string& backupName, TDurability durability) {
  const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const TReplaceResult replaced =
      ReplaceFile(path, backupName, [contents](TFileSink& sink) { return sink.Write(contents); }, durability);
  if (!replaced.Ok) return Failure(path, replaced.Reason, replaced.Detail);
  return TResult::Done();
}

TPictureFileResult SaveBmpPicture(const QImage& frame, const std::string& path) {
  const std::vector<unsigned char> bytes = EncodeBmp32(frame);
  if (bytes.empty()) return EncodingFailure(path, "no picture");
  return WritePictureFile(bytes, path, PictureBackupName(path));
}

TPictureFileResult SaveJpegPicture(TJpegEncoder& encoder, const QImage& frame, const std::string& path) {
  std::string error;
  if (!encoder.Encode(frame, error)) return EncodingFailure(path, error);
  return WritePictureFile(encoder.Data(), path, PictureBackupName(path));
}

}  // namespace mirel
