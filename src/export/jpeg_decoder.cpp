#include "export/jpeg_decoder.h"

#include <QtEndian>
#include <cstddef>

#include "export/jpeg_error_manager.h"

namespace mirel {
namespace {

// libjpeg leaves through longjmp on errors, so the guarded steps below hold
// nothing that needs destroying between setjmp and the library calls.

bool CreateAndReadHeader(jpeg_decompress_struct* cinfo, TJpegErrorManager* err,
                         const unsigned char* data, std::size_t size) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  return true;
}

bool DecodeRows(jpeg_decompress_struct* cinfo, TJpegErrorManager* err, unsigned char* bits,
                std::ptrdiff_t bytesPerLine) {
  if (setjmp(err->Jump)) return false;
  // Rows land directly in QImage's 0xAARRGGBB words, opaque.
  cinfo->out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  cinfo->dct_method = JDCT_ISLOW;
  cinfo->do_fancy_upsampling = TRUE;
  cinfo->do_block_smoothing = TRUE;
  cinfo->scale_num = 1;
  cinfo->scale_denom = 1;
  jpeg_start_decompress(cinfo);
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = bits + static_cast<std::ptrdiff_t>(cinfo->output_scanline) * bytesPerLine;
    jpeg_read_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// Owns the decompressor for the whole decode; destroying is safe after any
// failure, even one inside jpeg_create_decompress.
struct TDecompressor {
  TDecompressor() { Info.err = InstallJpegErrorManager(Errors); }
  ~TDecompressor() { jpeg_destroy_decompress(&Info); }
  TDecompressor(const TDecompressor&) = delete;
  TDecompressor& operator=(const TDecompressor&) = delete;

  jpeg_decompress_struct Info{};
  TJpegErrorManager Errors;
};

}  // namespace

TJpegDecodeResult DecodeJpeg(std::span<const unsigned char> data, int maxSide) {
  TJpegDecodeResult result;
  if (data.empty()) {
    result.Error = "empty file";
    return result;
  }
  TDecompressor d;
  if (!CreateAndReadHeader(&d.Info, &d.Errors, data.data(), data.size())) {
    result.Error = d.Errors.Message;
    return result;
  }
  const auto width = d.Info.image_width;
  const auto height = d.Info.image_height;
  if (width > static_cast<unsigned>(maxSide) || height > static_cast<unsigned>(maxSide)) {
    result.Error = "picture of " + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels is larger than " + std::to_string(maxSide) + " pixels on a side";
    result.TooLarge = true;
    return result;
  }
  QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (picture.isNull()) {
    result.Error = "not enough memory for a picture of " + std::to_string(width) + " x " +
                   std::to_string(height) + " pixels";
    return result;
  }
  if (!DecodeRows(&d.Info, &d.Errors, picture.bits(), picture.bytesPerLine())) {
    result.Error = d.Errors.Message;
    return result;
  }
  result.Picture = std::move(picture);
  return result;
}

}  // namespace mirel
