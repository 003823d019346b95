#pragma once
// Opening a file for reading only when it is a regular file. A FIFO, device
// or socket under a data file's or a picture's name is refused before it can
// block or act; opening itself never blocks. Names are bytes, passed to the
// system as they are.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "model/result.h"

namespace mirel {

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

// The file open for reading in binary mode. A failure's Detail says which
// file and why; Error is the errno value (EISDIR for a folder, 0 for a
// FIFO, device or socket); Reason is worded for reading; no Message.
TResult<TFilePtr> OpenRegularFile(const std::filesystem::path& path);

// A failed open with nothing of that name to read: missing, or a folder.
inline bool IsMissingOrFolder(const TResult<>& opened) {
  return !opened && (opened.Error == ENOENT || opened.Error == ENOTDIR || opened.Error == EISDIR);
}
// A failed open refused as a FIFO, device, socket or other special file.
inline bool IsNotRegularFile(const TResult<>& opened) { return !opened && opened.Error == 0; }

}  // namespace mirel
