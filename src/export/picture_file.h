#pragma once
// Writing canvas frames as picture files: the file names the picture
// exports use, the ".bak" backup of an overwritten picture, and writes that
// never leave a partial file behind a name.
#include <QImage>
#include <span>
#include <string>
#include <string_view>

#include "export/jpeg_encoder.h"
#include "fileio/file_replace.h"
#include "model/result.h"
#include "text/picture_names.h"

namespace mirel {

// Writes `bytes` to `path` (a native path, bytes) through a temporary file
// in the same folder, flushed to the disk before it takes the place of the
// old file. When `backupName` is not empty and `path` exists, the old file
// ends up under `backupName`; if a file of that name exists already the old
// file is simply replaced. On failure `path` keeps its old content and
// nothing is left behind. A symbolic link is followed and stays a link.
// Deferred durability leaves bringing the file to the disk to the caller.
// A failure's Message: for the user, the file and the system's reason (a
// full disk, a size limit, ...); Detail: the step that failed.
TResult<> WritePictureFile(std::span<const unsigned char> bytes, const std::string& path,
                                    const std::string& backupName,
                                    TDurability durability = TDurability::Synced);

// `frame` encoded as `kind` (BMP 32-bit, JPEG quality 90 through
// `jpeg`, PNG) and written as WritePictureFile does.
TResult<> SavePicture(TPictureKind kind, const QImage& frame, const std::string& path,
                               const std::string& backupName, TJpegEncoder& jpeg,
                               TDurability durability = TDurability::Synced);

// The BMP export: `frame` as a 32-bit BMP at `path`, the old file backed up.
TResult<> SaveBmpPicture(const QImage& frame, const std::string& path);
// The JPEG export: `frame` as a JPEG at `path`, the old file backed up.
TResult<> SaveJpegPicture(TJpegEncoder& encoder, const QImage& frame, const std::string& path);
}  // namespace mirel
