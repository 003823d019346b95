#pragma once
// Background pictures decoded for what the canvas can show: only the
// top-left 640 x 480 pixels of a picture are ever visible, so only they are
// read and kept, and a picture costs about one canvas of memory whatever
// its header claims. The kind of picture is told by its first bytes.
#include <QImage>
#include <QSize>
#include <cstdio>
#include <span>
#include <string>

namespace mirel {

enum class TDecodeFailure {
  None,
  NotAPicture,  // neither a Windows bitmap nor a JPEG
  Unsupported,  // a kind of bitmap or JPEG that is not read (12-bit JPEG, PNG inside a bitmap, ...)
  Damaged,      // broken data, or a header that is absurd or contradicts the file
  TooLarge,     // more memory than a picture may take
  ReadError,    // the file could not be read
};

struct TDecodedPicture {
  // Format_RGB32, the top-left part of the picture of at most 640 x 480
  // pixels; null on failure.
  QImage Picture;
  QSize FullSize;  // the picture's own size, as its header gives it
  TDecodeFailure Failure = TDecodeFailure::None;
  std::string Detail;  // for developers: why it failed
  bool Ok() const { return Failure == TDecodeFailure::None; }
};

inline TDecodedPicture DecodeFailure(TDecodeFailure failure, std::string detail) {
  TDecodedPicture result;
  result.Failure = failure;
  result.Detail = std::move(detail);
  return result;
}

enum class TPictureFormat { Unknown, Bmp, Jpeg };

// The format that a file starting with `head` holds.
TPictureFormat SniffPictureFormat(std::span<const unsigned char> head);

// Decodes the picture in `file` (read from its start), whatever its name.
// Never throws; a failed allocation is a failure like any other.
TDecodedPicture DecodeVisiblePicture(std::FILE* file);
// The same for a picture held in memory.
TDecodedPicture DecodeVisiblePicture(std::span<const unsigned char> bytes);

}  // namespace mirel
