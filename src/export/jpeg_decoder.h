#pragma once
// JPEG pictures decoded with libjpeg at its best quality, only as far as the
// canvas shows them: the top 480 rows, of which the left 640 pixels are
// made (the library's cropping), and the rest of the file is not read.
// At most kJpegReadLimit bytes are read in any case.
// The library's own memory is limited; a progressive picture, which it must
// hold whole, is refused when it would need more.
#include <cstdio>

#include "export/picture_decoding.h"

namespace mirel {

// Bytes that libjpeg may take for a picture held whole (progressive JPEGs):
// enough for about 20 million pixels of a usual photograph.
inline constexpr long kJpegMemoryLimit = 64L * 1024 * 1024;
// Bytes read at most: the headers and the compressed top rows of any
// sensible picture fit many times over.
inline constexpr long long kJpegReadLimit = 64LL * 1024 * 1024;

// `file` starts with a JPEG marker and is read from its start. Greyscale,
// YCbCr and RGB pictures become 24-bit colour; CMYK and YCCK ones are
// converted as web browsers do, Adobe's inverted CMYK included.
TResult<TDecodedPicture> DecodeVisibleJpeg(std::FILE* file);

}  // namespace mirel
