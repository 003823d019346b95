#pragma once
// A libjpeg data source reading a FILE in chunks, up to a number of bytes.
// Beyond it the data ends as at the end of the file (the library then pads
// with an end marker and warns), so that a huge file of garbage or of
// pictures far larger than the canvas is never read to its end.
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace mirel {

class TJpegFileSource {
 public:
  TJpegFileSource(std::FILE* file, long long byteLimit);
  TJpegFileSource(const TJpegFileSource&) = delete;
  TJpegFileSource& operator=(const TJpegFileSource&) = delete;

  // Makes this the source of `cinfo`, which must not outlive it.
  void Attach(j_decompress_ptr cinfo);

 private:
  static void InitSource(j_decompress_ptr cinfo);
  static boolean FillInputBuffer(j_decompress_ptr cinfo);
  static void SkipInputData(j_decompress_ptr cinfo, long count);
  static void TermSource(j_decompress_ptr cinfo);

  // First, so that libjpeg's pointer to it is a pointer to this object.
  jpeg_source_mgr pub_{};
  std::FILE* file_;
  long long left_;
  std::vector<JOCTET> buffer_;
};

}  // namespace mirel
