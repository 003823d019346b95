#pragma once
// Writing canvas frames as picture files: the file names the picture
// exports use, the ".bak" backup of an overwritten picture, and writes that
// never leave a partial file behind a name.
#include <QImage>
#include <span>
#include <string>
#include <string_view>

#include "export/jpeg_encoder.h"
#include "text/picture_names.h"

namespace mirel {

struct TPictureFileResult {
  bool Ok = true;
  std::string Error;  // what failed, with the file name; empty on success
};

// Writes `bytes` to `path` (native UTF-8) through a temporary file in the
// same folder. When `backupName` is not empty and `path` exists, the old
// file is renamed to `backupName` once the new one is complete; if that
// rename fails (a backup of that name exists, say) the old file is simply
// replaced. On failure `path` keeps its old content.
TPictureFileResult WritePictureFile(std::span<const unsigned char> bytes, const std::string& path,
                                    const std::string& backupName);

// The BMP export: `frame` as a 32-bit BMP at `path`, the old file backed up.
TPictureFileResult SaveBmpPicture(const QImage& frame, const std::string& path);
// The JPEG export: `frame` as a JPEG at `path`, the old file backed up.
TPictureFileResult SaveJpegPicture(TJpegEncoder& encoder, const QImage& frame, const std::string& path);
// One frame of the all-steps series: SeriesFrameName(chosenPath, step),
// overwritten without backup.
TPictureFileResult SaveSeriesFrame(TJpegEncoder& encoder, const QImage& frame,
                                   std::string_view chosenPath, int step);

}  // namespace mirel
