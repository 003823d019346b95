#include "export/jpeg_encoder.h"

#include <QtEndian>
#include <new>

#include <jerror.h>

namespace mirel {
namespace {

// libjpeg leaves through longjmp on errors: the guarded functions hold no
// objects that need destroying.
bool CreateCompressor(jpeg_compress_struct* cinfo, TJpegErrorManager* err) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_compress(cinfo);
  return true;
}

// The library is left by longjmp, never from inside a catch block.
bool GrowTo(std::vector<unsigned char>& buffer, std::size_t size) {
  try {
    if (buffer.size() < size) buffer.resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

TJpegEncoder::TJpegEncoder() {
  info_.err = InstallJpegErrorManager(errors_);
  created_ = CreateCompressor(&info_, &errors_);
  destination_.Pub.init_destination = InitDestination;
  destination_.Pub.empty_output_buffer = EmptyOutputBuffer;
  destination_.Pub.term_destination = TermDestination;
  destination_.Owner = this;
}

TJpegEncoder::~TJpegEncoder() { jpeg_destroy_compress(&info_); }

void TJpegEncoder::InitDestination(j_compress_ptr cinfo) {
  auto* self = reinterpret_cast<TDestination*>(cinfo->dest)->Owner;
  if (!GrowTo(self->buffer_, 64 * 1024)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  cinfo->dest->next_output_byte = self->buffer_.data();
  cinfo->dest->free_in_buffer = self->buffer_.size();
}

boolean TJpegEncoder::EmptyOutputBuffer(j_compress_ptr cinfo) {
  // Called when the whole buffer is full, whatever free_in_buffer says.
  auto* self = reinterpret_cast<TDestination*>(cinfo->dest)->Owner;
  const std::size_t used = self->buffer_.size();
  if (!GrowTo(self->buffer_, used * 2)) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
  cinfo->dest->next_output_byte = self->buffer_.data() + used;
  cinfo->dest->free_in_buffer = self->buffer_.size() - used;
  return TRUE;
}

void TJpegEncoder::TermDestination(j_compress_ptr cinfo) {
  auto* self = reinterpret_cast<TDestination*>(cinfo->dest)->Owner;
  self->size_ = self->buffer_.size() - cinfo->dest->free_in_buffer;
}

bool TJpegEncoder::CompressRows(const QImage& frame, TJpegRows rows) {
  if (setjmp(errors_.Jump)) return false;
  info_.dest = &destination_.Pub;
  info_.image_width = static_cast<JDIMENSION>(frame.width());
  info_.image_height = static_cast<JDIMENSION>(rows.Count);
  // QImage's 0xffRRGGBB words are read as they lie in memory.
  info_.input_components = 4;
  info_.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_set_defaults(&info_);
  jpeg_set_quality(&info_, Quality, TRUE);
  info_.restart_in_rows = rows.RestartInRows;
  jpeg_start_compress(&info_, TRUE);
  const unsigned char* bits = frame.constBits() + static_cast<qsizetype>(rows.First) * frame.bytesPerLine();
  const auto stride = frame.bytesPerLine();
  while (info_.next_scanline < info_.image_height) {
    // libjpeg only reads the rows it is given.
    JSAMPROW row = const_cast<unsigned char*>(bits + static_cast<qsizetype>(info_.next_scanline) * stride);
    jpeg_write_scanlines(&info_, &row, 1);
  }
  jpeg_finish_compress(&info_);
  return true;
}

TResult<std::span<const unsigned char>> TJpegEncoder::Encode(const QImage& frame, TJpegRows rows) {
  size_ = 0;
  if (!created_) return TResult<>::Failed({}, std::string("JPEG compressor unavailable: ") + errors_.Message);
  if (rows.Count < 0) rows.Count = frame.height() - rows.First;
  if (frame.isNull() || frame.width() > JPEG_MAX_DIMENSION || frame.height() > JPEG_MAX_DIMENSION ||
      rows.First < 0 || rows.Count <= 0 || rows.First + rows.Count > frame.height()) {
    return TResult<>::Failed({}, "no picture to compress");
  }
  const bool direct = frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32;
  const QImage converted = direct ? QImage() : frame.convertToFormat(QImage::Format_RGB32);
  if (!CompressRows(direct ? frame : converted, rows)) {
    jpeg_abort_compress(&info_);
    size_ = 0;
    return TResult<>::Failed({}, errors_.Message);
  }
  return Data();
}

}  // namespace mirel
