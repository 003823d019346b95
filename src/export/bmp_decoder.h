#pragma once
// Windows bitmaps read straight from the file: the headers, then only the
// rows and the bytes of each row that the canvas can show.
#include <cstdio>

#include "export/picture_decoding.h"

namespace mirel {

// `file` starts with "BM" and is read from its start.
TResult<TDecodedPicture> DecodeVisibleBmp(std::FILE* file);

}  // namespace mirel
