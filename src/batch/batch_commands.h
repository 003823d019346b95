#pragma once
// The commands of mirel-batch. Each returns the process exit status:
// 0 done, 1 a file could not be read or written (message on standard error),
// or, with Strict, a background picture could not be shown (warning on
// standard error; the output is written all the same).
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace mirel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct TBatchOptions {
  std::string File;
  std::optional<int> Step;  // the last step when absent
  std::string Output;
  std::vector<std::string> BackgroundFolders;
  bool Strict = false;
  int Fps = 10;         // timelapse: frames a second
  double Hold = 2.0;    // timelapse: seconds the last picture stays
  std::vector<std::string> Inputs;  // gallery: folders of drawings, or drawings
  bool IndexOnly = false;           // gallery: the index from the outputs in Output
};

int RunLogCommand(const TBatchOptions& options);
int RunDumpCommand(const TBatchOptions& options);
int RunRenderCommand(const TBatchOptions& options);
int RunFramesCommand(const TBatchOptions& options);
int RunResaveCommand(const TBatchOptions& options);
int RunTimelapseCommand(const TBatchOptions& options);
// Every drawing gets its outputs in the site Output; exit 1 when a drawing
// could not be read (its card says so) or a file could not be written.
int RunGalleryCommand(const TBatchOptions& options);

}  // namespace mirel
