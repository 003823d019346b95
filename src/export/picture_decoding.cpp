#include "export/picture_decoding.h"

#include <new>

#include "export/bmp_decoder.h"
#include "export/jpeg_decoder.h"
#include "fileio/regular_file.h"
#include "fileio/user_words.h"

namespace mirel {

TPictureFormat SniffPictureFormat(std::span<const unsigned char> head) {
  if (head.size() >= 2 && head[0] == 'B' && head[1] == 'M') return TPictureFormat::Bmp;
  if (head.size() >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return TPictureFormat::Jpeg;
  return TPictureFormat::Unknown;
}

TResult<TDecodedPicture> DecodeVisiblePicture(std::FILE* file) {
  unsigned char head[3] = {};
  const std::size_t got = std::fread(head, 1, sizeof head, file);
  if (std::ferror(file) || std::fseek(file, 0, SEEK_SET) != 0) {
    return DecodeFailure(msg::kFileUnreadable, "the file cannot be read");
  }
  try {
    switch (SniffPictureFormat(std::span(head, got))) {
      case TPictureFormat::Bmp:
        return DecodeVisibleBmp(file);
      case TPictureFormat::Jpeg:
        return DecodeVisibleJpeg(file);
      case TPictureFormat::Unknown:
        break;
    }
  } catch (const std::bad_alloc&) {
    return DecodeFailure(msg::kPictureTooLarge, "out of memory");
  }
  if (got == 0) return DecodeFailure(msg::kPictureDamaged, "empty file");
  return DecodeFailure(msg::kNotAPicture, "neither a Windows bitmap nor a JPEG picture");
}

TResult<TDecodedPicture> DecodeVisiblePicture(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return DecodeFailure(msg::kPictureDamaged, "empty file");
  // fmemopen reads the bytes in place; it only needs a non-const pointer.
  const TFilePtr file(
      ::fmemopen(const_cast<unsigned char*>(bytes.data()), bytes.size(), "rb"));
  if (!file) return DecodeFailure(msg::kPictureTooLarge, "out of memory");
  return DecodeVisiblePicture(file.get());
}

}  // namespace mirel
