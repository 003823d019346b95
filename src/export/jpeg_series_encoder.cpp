#include "export/jpeg_series_encoder.h"

#include <algorithm>
#include <cstring>

namespace mirel {
namespace {

// The rows of one row of blocks: colour is stored at half resolution, in
// 16 x 16 blocks.
constexpr int kBandRows = 16;

int BandCount(const QImage& frame) { return (frame.height() + kBandRows - 1) / kBandRows; }

struct TParsed {
  std::span<const unsigned char> Header;  // from the start to the compressed data
  std::vector<std::span<const unsigned char>> Bands;
};

// Splits a file of ours at its restart markers; empty Bands when it is not
// laid out as expected.
TParsed Split(std::span<const unsigned char> file) {
  TParsed parsed;
  std::size_t at = 2;
  for (;;) {
    if (at + 4 > file.size() || file[at] != 0xFF) return {};
    const std::size_t length = (std::size_t{file[at + 2]} << 8) | file[at + 3];
    const bool scan = file[at + 1] == 0xDA;
    at += 2 + length;
    if (scan) break;
  }
  if (at > file.size()) return {};
  parsed.Header = file.first(at);
  std::size_t start = at;
  for (;;) {
    // Markers begin with 0xFF; so does a stuffed 0xFF of the data.
    const void* next = std::memchr(file.data() + at, 0xFF, file.size() - at);
    if (!next) return {};
    at = static_cast<std::size_t>(static_cast<const unsigned char*>(next) - file.data());
    if (at + 1 >= file.size()) return {};
    const unsigned char marker = file[at + 1];
    at += 2;
    if (marker == 0x00) continue;
    if (marker != 0xD9 && (marker < 0xD0 || marker > 0xD7)) return {};
    parsed.Bands.push_back(file.subspan(start, at - 2 - start));
    if (marker == 0xD9) return parsed;
    start = at;
  }
}

bool SameRows(const QImage& a, const QImage& b, int first, int count) {
  const auto bytes = static_cast<std::size_t>(a.width()) * 4;
  for (int y = first; y < first + count; ++y) {
    if (std::memcmp(a.constScanLine(y), b.constScanLine(y), bytes) != 0) return false;
  }
  return true;
}

}  // namespace

TResult<std::span<const unsigned char>> TJpegSeriesEncoder::EncodeWhole(const QImage& frame) {
  previous_ = QImage();
  TResult<std::span<const unsigned char>> file = encoder_.Encode(frame, {.RestartInRows = 1});
  if (!file.Ok) return file;
  const TParsed parsed = Split(*file);
  if (static_cast<int>(parsed.Bands.size()) != BandCount(frame)) return file;  // a whole file, kept whole
  header_.assign(parsed.Header.begin(), parsed.Header.end());
  bands_.clear();
  for (const auto band : parsed.Bands) bands_.emplace_back(band.begin(), band.end());
  previous_ = frame;
  return file;
}

bool TJpegSeriesEncoder::EncodeBands(const QImage& frame, int first, int count) {
  const int rows = std::min(count * kBandRows, frame.height() - first * kBandRows);
  if (!encoder_.Encode(frame, {.First = first * kBandRows, .Count = rows, .RestartInRows = 1}).Ok) return false;
  const TParsed parsed = Split(encoder_.Data());
  if (static_cast<int>(parsed.Bands.size()) != count) return false;
  for (int i = 0; i < count; ++i) bands_[first + i].assign(parsed.Bands[i].begin(), parsed.Bands[i].end());
  return true;
}

void TJpegSeriesEncoder::Assemble() {
  file_.assign(header_.begin(), header_.end());
  for (std::size_t i = 0; i < bands_.size(); ++i) {
    if (i > 0) file_.insert(file_.end(), {0xFF, static_cast<unsigned char>(0xD0 + (i - 1) % 8)});
    file_.insert(file_.end(), bands_[i].begin(), bands_[i].end());
  }
  file_.insert(file_.end(), {0xFF, 0xD9});
}

TResult<std::span<const unsigned char>> TJpegSeriesEncoder::Encode(const QImage& frame) {
  if (previous_.isNull() || frame.size() != previous_.size() || frame.format() != previous_.format() ||
      frame.depth() != 32) {
    return EncodeWhole(frame);
  }
  const int bands = BandCount(frame);
  std::vector<bool> changed(static_cast<std::size_t>(bands));
  for (int b = 0; b < bands; ++b) {
    const int first = b * kBandRows;
    changed[b] = !SameRows(frame, previous_, first, std::min(kBandRows, frame.height() - first));
  }
  for (int band = 0; band < bands;) {
    int end = band;
    while (end < bands && changed[end]) ++end;
    if (end > band && !EncodeBands(frame, band, end - band)) return EncodeWhole(frame);
    band = end + 1;
  }
  previous_ = frame;
  Assemble();
  return std::span<const unsigned char>(file_);
}

}  // namespace mirel
