#pragma once
// libjpeg reports fatal errors through a callback that must not return.
// This manager jumps back to the caller's guard instead of ending the
// process, and keeps the library's message for the report.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <string>

#include <jpeglib.h>

namespace mirel {

struct TJpegErrorManager {
  jpeg_error_mgr Pub{};
  std::jmp_buf Jump{};
  char Message[JMSG_LENGTH_MAX] = {};
};

// Installs `manager` as the error handler of `cinfo` (a compress or
// decompress object). Warnings (damaged but readable data) are kept quiet.
jpeg_error_mgr* InstallJpegErrorManager(TJpegErrorManager& manager);

}  // namespace mirel
