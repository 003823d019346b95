#include "export/timelapse_writer.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>

#include "export/video_module_loader.h"
#include "fileio/system_reason.h"
#include "fileio/temp_file.h"
#include "fileio/user_reason.h"
#include "fileio/user_words.h"
#include "model/geometry.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

// `error`: the errno value behind it, 0 when the encoder failed.
TResult<> Failure(const std::string& path, const std::string& why, int error = 0) {
  TResult<> result = TResult<>::Failed(std::string(msg::kVideoNotWritten) + "：" + path, path + ": " + why);
  result.Reason = UserReason(error, TFileUse::Writing);
  return result;
}

struct TVideoCloser {
  const TVideoModule* Module = nullptr;
  void operator()(MirelVideo* video) const {
    if (Module) Module->Close(video);
  }
};

}  // namespace

struct TTimelapseWriter::TState {
  std::string Path;
  // A named temporary file beside the video (the encoder opens it by name);
  // removed unless it became the video, and one a killed export left is
  // removed by a later one after a day.
  TTempFile Temporary;
  const TVideoModule* Module = nullptr;
  std::unique_ptr<MirelVideo, TVideoCloser> Video;
  std::array<char, 256> Error{};

  TResult<> Failed() const { return Failure(Path, Error.data()); }
};

TTimelapseWriter::TTimelapseWriter() = default;
TTimelapseWriter::~TTimelapseWriter() = default;

TResult<> TTimelapseWriter::Open(const std::string& path, int fps) {
  state_ = std::make_unique<TState>();
  TState& s = *state_;
  s.Path = path;
  const std::string extension = ExtensionOf(path);
  const bool webm = extension == ".webm" || extension == ".WEBM";
  if (!webm && extension != ".mp4" && extension != ".MP4") return Failure(path, "the name must end in .mp4 or .webm");
  const TResult<const TVideoModule*> module = LoadVideoModule();
  if (!module) return Failure(path, module.Detail);
  s.Module = *module;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  RemoveStaleTempFiles(folder);
  if (const int error = s.Temporary.Create(folder, TTempFile::TKind::Named); error != 0) {
    return Failure(path, SystemReason(error), error);
  }
  MirelVideo* video = s.Module->Open(s.Temporary.Path().c_str(), webm ? 1 : 0, CanvasWidth, CanvasHeight, fps,
                                     s.Error.data(), s.Error.size());
  if (!video) return s.Failed();
  s.Video = std::unique_ptr<MirelVideo, TVideoCloser>(video, TVideoCloser{s.Module});
  return TResult<>::Done();
}

TResult<> TTimelapseWriter::AddFrame(const QImage& frame, int count) {
  if (!state_ || !state_->Video) return TResult<>::Failed(std::string(msg::kVideoNotWritten), "not open");
  TState& s = *state_;
  // Format_RGB32 holds B, G, R, X bytes in memory on this machine.
  const QImage canvas = frame.format() == QImage::Format_RGB32 && frame.size() == QSize(CanvasWidth, CanvasHeight)
                            ? frame
                            : frame.convertToFormat(QImage::Format_RGB32).copy(0, 0, CanvasWidth, CanvasHeight);
  if (s.Module->Add(s.Video.get(), canvas.constBits(), static_cast<int>(canvas.bytesPerLine()), count, s.Error.data(),
                    s.Error.size()) != 0) {
    return s.Failed();
  }
  return TResult<>::Done();
}

TResult<> TTimelapseWriter::Finish() {
  if (!state_ || !state_->Video) return TResult<>::Failed(std::string(msg::kVideoNotWritten), "not open");
  TState& s = *state_;
  if (s.Module->Finish(s.Video.get(), s.Error.data(), s.Error.size()) != 0) return s.Failed();
  // On the disk before it takes the name, as every file Mirel writes.
  if (::fsync(s.Temporary.Fd()) != 0) {
    const int error = errno;
    return Failure(s.Path, SystemReason(error), error);
  }
  if (const int error = s.Temporary.MoveTo(s.Path); error != 0) return Failure(s.Path, SystemReason(error), error);
  if (const int error = s.Temporary.Close(); error != 0) return Failure(s.Path, SystemReason(error), error);
  return TResult<>::Done();
}

}  // namespace mirel
