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
#include <string_view>

#include "model/result.h"

namespace mirel {

struct TDecodedPicture {
  // Format_RGB32, the top-left part of the picture of at most 640 x 480 pixels.
  QImage Picture;
  QSize FullSize;  // the picture's own size, as its header gives it
};

// A picture that is not decoded: `reason` is the user's words for why (in
// user_words.h: no picture, a kind that is not read, damaged, too large,
// unreadable), `detail` the developers'.
inline TResult<> DecodeFailure(std::string_view reason, std::string detail) {
  TResult<> failure = TResult<>::Failed({}, std::move(detail));
  failure.Reason = reason;
  return failure;
}

enum class TPictureFormat { Unknown, Bmp, Jpeg };

// The format that a file starting with `head` holds.
TPictureFormat SniffPictureFormat(std::span<const unsigned char> head);

// Decodes the picture in `file` (read from its start), whatever its name.
// Never throws; a failed allocation is a failure like any other.
TResult<TDecodedPicture> DecodeVisiblePicture(std::FILE* file);
// The same for a picture held in memory.
TResult<TDecodedPicture> DecodeVisiblePicture(std::span<const unsigned char> bytes);

}  // namespace mirel
