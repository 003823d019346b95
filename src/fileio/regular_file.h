#pragma once
// Opening a file for reading only when it is a regular file. A FIFO, device
// or socket under a data file's or a picture's name is refused before it can
// block or act; opening itself never blocks. Names are bytes, passed to the
// system as they are.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace mirel {

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

enum class TOpenFailure {
  None,
  Missing,     // nothing of that name
  Folder,      // a folder of that name
  NotRegular,  // a FIFO, device, socket or other special file
  System,      // the system refused (permissions, too many open files, ...)
};

struct TOpenedFile {
  TFilePtr File;  // open for reading in binary mode; null on failure
  TOpenFailure Failure = TOpenFailure::None;
  std::string Detail;  // for developers: the file and why it was not opened
  int Error = 0;       // the errno value behind the failure (EISDIR for a folder), 0 if none
};

TOpenedFile OpenRegularFile(const std::filesystem::path& path);

}  // namespace mirel
