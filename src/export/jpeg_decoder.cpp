#include "export/jpeg_decoder.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

#include "export/jpeg_error_manager.h"
#include "export/jpeg_source.h"
#include "fileio/user_words.h"
#include "model/geometry.h"

#include <jerror.h>

namespace mirel {
namespace {

enum class TRowKind { Colour, Cmyk, InvertedCmyk };

// Where the decoded rows go: the picture's first rows, through a row buffer
// wide enough for the library's output (which the cropping may widen).
struct TRowTarget {
  unsigned char* Bits = nullptr;
  std::ptrdiff_t BytesPerLine = 0;
  int Width = 0;
  int Height = 0;
  unsigned char* Row = nullptr;
  TRowKind Kind = TRowKind::Colour;
};

void ConvertRow(const TRowTarget& t, QRgb* out) {
  const unsigned char* in = t.Row;
  if (t.Kind == TRowKind::Colour) {
    for (int x = 0; x < t.Width; ++x) out[x] = qRgb(in[4 * x], in[4 * x + 1], in[4 * x + 2]);
    return;
  }
  // Adobe writes each ink inverted (255 = no ink); a file without Adobe's
  // marker holds the inks as they are.
  const bool inverted = t.Kind == TRowKind::InvertedCmyk;
  for (int x = 0; x < t.Width; ++x) {
    int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
  }
}

// libjpeg leaves through longjmp on errors, so the guarded steps below hold
// nothing that needs destroying between setjmp and the library calls.

bool ReadHeader(jpeg_decompress_struct* cinfo, TJpegErrorManager* err, TJpegFileSource* source) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kJpegMemoryLimit;
  source->Attach(cinfo);
  jpeg_read_header(cinfo, TRUE);
  return true;
}

bool DecodeRows(jpeg_decompress_struct* cinfo, TJpegErrorManager* err, const TRowTarget* t) {
  if (setjmp(err->Jump)) return false;
  cinfo->out_color_space = t->Kind == TRowKind::Colour ? JCS_EXT_RGBX : JCS_CMYK;
  cinfo->dct_method = JDCT_ISLOW;
  cinfo->do_fancy_upsampling = TRUE;
  cinfo->do_block_smoothing = TRUE;
  cinfo->scale_num = 1;
  cinfo->scale_denom = 1;
  jpeg_start_decompress(cinfo);
  if (static_cast<int>(cinfo->output_width) > t->Width) {
    JDIMENSION left = 0;
    JDIMENSION width = static_cast<JDIMENSION>(t->Width);
    jpeg_crop_scanline(cinfo, &left, &width);
  }
  JSAMPROW row = t->Row;
  while (static_cast<int>(cinfo->output_scanline) < t->Height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) break;
    ConvertRow(*t, reinterpret_cast<QRgb*>(t->Bits + y * t->BytesPerLine));
  }
  // What lies below the canvas is never read.
  jpeg_abort_decompress(cinfo);
  return true;
}

// Owns the decompressor and its source for the whole decode; destroying is
// safe after any failure, even one inside jpeg_create_decompress.
struct TDecompressor {
  explicit TDecompressor(std::FILE* file) : Source(file, kJpegReadLimit) {
    Info.err = InstallJpegErrorManager(Errors);
  }
  ~TDecompressor() { jpeg_destroy_decompress(&Info); }
  TDecompressor(const TDecompressor&) = delete;
  TDecompressor& operator=(const TDecompressor&) = delete;

  jpeg_decompress_struct Info{};
  TJpegErrorManager Errors;
  TJpegFileSource Source;
};

TResult<> LibraryFailure(const TDecompressor& d) {
  std::string_view reason = msg::kPictureDamaged;
  switch (d.Info.err->msg_code) {
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
    case JERR_TFILE_CREATE:
      // What the library could not hold: a picture it must keep whole.
      return DecodeFailure(msg::kPictureTooLarge,
                           "the " + std::string(d.Info.progressive_mode ? "progressive " : "") + "JPEG of " +
                               std::to_string(d.Info.image_width) + " x " + std::to_string(d.Info.image_height) +
                               " pixels needs more than " + std::to_string(kJpegMemoryLimit >> 20) +
                               " MiB to decode (" + d.Errors.Message + ")");
    case JERR_BAD_PRECISION:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_NOTIMPL:
    case JERR_ARITH_NOTIMPL:
      reason = msg::kPictureKindUnsupported;
      break;
    case JERR_FILE_READ:
      reason = msg::kFileUnreadable;
      break;
    default:
      break;
  }
  return DecodeFailure(reason, d.Errors.Message);
}

}  // namespace

TResult<TDecodedPicture> DecodeVisibleJpeg(std::FILE* file) {
  TDecompressor d(file);
  if (!ReadHeader(&d.Info, &d.Errors, &d.Source)) return LibraryFailure(d);

  TRowTarget target;
  switch (d.Info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      target.Kind = TRowKind::Colour;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      target.Kind = d.Info.saw_Adobe_marker ? TRowKind::InvertedCmyk : TRowKind::Cmyk;
      break;
    default:
      return DecodeFailure(msg::kPictureKindUnsupported,
                           "JPEG colour space " + std::to_string(d.Info.jpeg_color_space));
  }
  target.Width = static_cast<int>(std::min<JDIMENSION>(d.Info.image_width, CanvasWidth));
  target.Height = static_cast<int>(std::min<JDIMENSION>(d.Info.image_height, CanvasHeight));
  TDecodedPicture result;
  result.FullSize = QSize(static_cast<int>(d.Info.image_width), static_cast<int>(d.Info.image_height));
  result.Picture = QImage(target.Width, target.Height, QImage::Format_RGB32);
  if (result.Picture.isNull()) return DecodeFailure(msg::kPictureTooLarge, "no memory for the picture");
  // Before the crop is applied the library writes rows of the full width.
  std::vector<unsigned char> row(static_cast<std::size_t>(d.Info.image_width) * 4);
  target.Bits = result.Picture.bits();
  target.BytesPerLine = result.Picture.bytesPerLine();
  target.Row = row.data();
  // Rows the data does not reach (a picture cut short) stay white.
  result.Picture.fill(Qt::white);
  if (!DecodeRows(&d.Info, &d.Errors, &target)) return LibraryFailure(d);
  return result;
}

}  // namespace mirel
