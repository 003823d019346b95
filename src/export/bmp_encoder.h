#pragma once
// Frames as Windows bitmap files: 32 bits per pixel, uncompressed,
// bottom-up rows, the file header and the 40-byte information header.
#include <QImage>
#include <vector>

namespace mirel {

// The whole file for `frame`; empty for a null picture.
std::vector<unsigned char> EncodeBmp32(const QImage& frame);

}  // namespace mirel
