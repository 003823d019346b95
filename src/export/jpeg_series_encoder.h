#pragma once
// Frames of one series compressed to JPEG files, each band of 16 rows (one
// row of the compressor's blocks) compressed only when it changed since the
// frame before. The compressed data restarts at every band, so a band's data
// depends on that band's pixels alone and the unchanged bands' data is taken
// over as it is. The file is, byte for byte, what TJpegEncoder writes for the
// whole frame with a restart at every band.
#include <QImage>
#include <span>
#include <vector>

#include "export/jpeg_encoder.h"
#include "model/result.h"

namespace mirel {

class TJpegSeriesEncoder {
 public:
  // As TJpegEncoder::Encode; the file is held until the next call.
  TResult<std::span<const unsigned char>> Encode(const QImage& frame);

 private:
  TResult<std::span<const unsigned char>> EncodeWhole(const QImage& frame);
  bool EncodeBands(const QImage& frame, int first, int count);
  void Assemble();

  TJpegEncoder encoder_;
  QImage previous_;  // the frame that bands_ hold; null when they hold none
  std::vector<unsigned char> header_;  // up to the compressed data
  std::vector<std::vector<unsigned char>> bands_;  // without restart markers
  std::vector<unsigned char> file_;
};

}  // namespace mirel
