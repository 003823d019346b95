#include "export/jpeg_error_manager.h"

namespace mirel {
namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->Message);
  std::longjmp(manager->Jump, 1);
}

void OutputMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(TJpegErrorManager& manager) {
  jpeg_error_mgr* pub = jpeg_std_error(&manager.Pub);
  pub->error_exit = ErrorExit;
  pub->output_message = OutputMessage;
  return pub;
}

}  // namespace mirel
