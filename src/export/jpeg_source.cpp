#include "export/jpeg_source.h"

#include <algorithm>

#include <jerror.h>

namespace mirel {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

}  // namespace

TJpegFileSource::TJpegFileSource(std::FILE* file, long long byteLimit)
    : file_(file), left_(byteLimit), buffer_(kChunk) {
  pub_.init_source = InitSource;
  pub_.fill_input_buffer = FillInputBuffer;
  pub_.skip_input_data = SkipInputData;
  pub_.resync_to_restart = jpeg_resync_to_restart;
  pub_.term_source = TermSource;
}

void TJpegFileSource::Attach(j_decompress_ptr cinfo) { cinfo->src = &pub_; }

void TJpegFileSource::InitSource(j_decompress_ptr) {}
void TJpegFileSource::TermSource(j_decompress_ptr) {}

boolean TJpegFileSource::FillInputBuffer(j_decompress_ptr cinfo) {
  auto* self = reinterpret_cast<TJpegFileSource*>(cinfo->src);
  const std::size_t want = static_cast<std::size_t>(std::min<long long>(self->left_, kChunk));
  const std::size_t got = want == 0 ? 0 : std::fread(self->buffer_.data(), 1, want, self->file_);
  self->left_ -= static_cast<long long>(got);
  if (got == 0) {
    // As libjpeg's own file source does: end the data where it ends.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    self->pub_.next_input_byte = kEndOfImage;
    self->pub_.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
  }
  self->pub_.next_input_byte = self->buffer_.data();
  self->pub_.bytes_in_buffer = got;
  return TRUE;
}

void TJpegFileSource::SkipInputData(j_decompress_ptr cinfo, long count) {
  auto* self = reinterpret_cast<TJpegFileSource*>(cinfo->src);
  if (count <= 0) return;
  while (count > static_cast<long>(self->pub_.bytes_in_buffer)) {
    count -= static_cast<long>(self->pub_.bytes_in_buffer);
    FillInputBuffer(cinfo);
  }
  self->pub_.next_input_byte += count;
  self->pub_.bytes_in_buffer -= static_cast<std::size_t>(count);
}

}  // namespace mirel
