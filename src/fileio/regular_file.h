#pragma once
// Opening a file for reading only when it is a regular file. A FIFO, device
// or socket under a data file's or a picture's name is refused before it can
// block or act; opening itself never blocks. Names are bytes, passed to the
// system as they are.
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

// What kind of failure an open was, told by its errno value.
enum class TOpenFailure {
  None,
  Missing,     // nothing of that name
  Folder,      // a folder of that name
  NotRegular,  // a FIFO, device, socket or other special file
  System,      // the system refused (permissions, too many open files, ...)
};
TOpenFailure OpenFailureOf(const TResult<>& opened);

}  // namespace mirel
