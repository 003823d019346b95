#pragma once
// Frames compressed to JPEG files: quality 90, baseline, 24-bit colour,
// otherwise libjpeg's defaults for colour pictures. One encoder serves any
// number of frames.
#include <QImage>
#include <span>
#include <string>
#include <vector>

#include "export/jpeg_error_manager.h"

#include "model/result.h"

namespace mirel {

// Which rows of a frame to compress, as a picture of their own, and how
// often the compressed data restarts (in rows of blocks; 0: never).
struct TJpegRows {
  int First = 0;
  int Count = -1;  // -1: to the bottom
  int RestartInRows = 0;
};

class TJpegEncoder {
 public:
  static constexpr int Quality = 90;

  TJpegEncoder();
  ~TJpegEncoder();
  TJpegEncoder(const TJpegEncoder&) = delete;
  TJpegEncoder& operator=(const TJpegEncoder&) = delete;

  // Compresses `frame` (any size; Format_RGB32 is used as it is) into the
  // whole file, held until the next call; a failure's Detail says why.
  TResult<std::span<const unsigned char>> Encode(const QImage& frame) { return Encode(frame, {}); }
  TResult<std::span<const unsigned char>> Encode(const QImage& frame, TJpegRows rows);
  std::span<const unsigned char> Data() const { return {buffer_.data(), size_}; }

 private:
  // The compressor writes into buffer_, which grows as needed and is kept.
  struct TDestination {
    jpeg_destination_mgr Pub{};
    TJpegEncoder* Owner = nullptr;
  };
  static void InitDestination(j_compress_ptr cinfo);
  static boolean EmptyOutputBuffer(j_compress_ptr cinfo);
  static void TermDestination(j_compress_ptr cinfo);
  bool CompressRows(const QImage& frame, TJpegRows rows);

  jpeg_compress_struct info_{};
  TJpegErrorManager errors_;
  TDestination destination_;
  bool created_ = false;
  std::vector<unsigned char> buffer_;
  std::size_t size_ = 0;
};

}  // namespace mirel
