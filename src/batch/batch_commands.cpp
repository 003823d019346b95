#include "batch/batch_commands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <span>

#include "batch/background_warnings.h"
#include "batch/batch_drawing.h"
#include "batch/core_commands.h"
#include "batch/figure_json.h"
#include "datafile/safe_save.h"
#include "editor/process_frames.h"
#include "export/canvas_page.h"
#include "export/frame_sinks.h"
#include "export/picture_file.h"
#include "history/internal_log.h"
#include "text/cp932.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

void PrintError(const std::string& message) { std::cerr << "mirel-batch: " << message << '\n'; }

// Reads the file of the options; prints the reader's message on failure.
bool ReadInto(TBatchDrawing& drawing, const TBatchOptions& options) {
  drawing.WalkForwardOnly();
  const TResult<> result = drawing.Read(options.File);
  if (result.Ok) return true;
  PrintError(options.File + ": " + result.Message);
  if (!result.Detail.empty()) PrintError(result.Detail);
  return false;
}

// Warns about the backgrounds that the rebuild of `step` could not show;
// `beforeWarning` runs before the first one.
void ReportBackground(TBatchDrawing& drawing, TBackgroundWarnings& warnings, int step,
                      const std::function<void()>& beforeWarning = {}) {
  const std::vector<std::string> lines = warnings.Collect(step, drawing.Background.TakeAttempts());
  if (!lines.empty() && beforeWarning) beforeWarning();
  for (const std::string& warning : lines) PrintError(warning);
}

// A command's status once its work is done: with --strict, a background
// that could not be shown fails it.
int Finished(const TBatchOptions& options, const TBackgroundWarnings& warnings) {
  return options.Strict && warnings.Any() ? kExitFailed : kExitOk;
}

// Standard output went to a file that could not take it all.
int OutputStatus(const TBatchOptions& options, const TBackgroundWarnings& warnings) {
  if (!std::cout.flush()) {
    PrintError("cannot write the standard output");
    return kExitFailed;
  }
  return Finished(options, warnings);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The step to rebuild, or none (reported) when it is outside the history.
std::optional<int> TargetStep(const TBatchDrawing& drawing, const TBatchOptions& options) {
  const int last = drawing.History.GetStepCount();
  const int step = options.Step.value_or(last);
  if (!IsHistoryStep(step, last)) {
    PrintError("--step " + std::to_string(step) + " is outside the history (0 to " +
               std::to_string(last) + ")");
    return std::nullopt;
  }
  return step;
}

}  // namespace

int RunLogCommand(const TBatchOptions& options) { return LogDataFile(options.File); }

int RunDumpCommand(const TBatchOptions& options) {
  TBatchDrawing drawing(options.BackgroundFolders);
  if (!ReadInto(drawing, options)) return kExitFailed;
  const std::optional<int> step = TargetStep(drawing, options);
  if (!step) return kExitUsage;
  // One rebuild and no other: copies kept for later rebuilds would only
  // cost memory (as much again as the drawing, many times over).
  drawing.WalkForwardOnly();
  const TRebuiltStep rebuilt = drawing.RebuildTo(*step);
  TBackgroundWarnings warnings;
  ReportBackground(drawing, warnings, *step);
  // Figure by figure as it is written: a long drawing's JSON is many times
  // the size of its data file. Members in QJsonObject's order, by key.
  TIndentedJsonStream json(std::cout);
  json.Member("Background", Cp932ToQString(rebuilt.BackgroundFile));
  json.Member("DateHMS", QString::fromStdString(rebuilt.Dates.DateHMS));
  json.Member("DateYMD", QString::fromStdString(rebuilt.Dates.DateYMD));
  StreamFigureList(json, "Deleted", drawing.DeletedFigList);
  StreamFigureList(json, "Figures", drawing.FigList);
  json.Member("NextFigureID", drawing.History.NextFigureID());
  json.Member("Step", *step);
  json.Member("StepCount", drawing.History.GetStepCount());
  json.End();
  return OutputStatus(options, warnings);
}

int RunRenderCommand(const TBatchOptions& options) {
  const std::optional<TPictureKind> kind = PictureKindOf(options.Output);
  const bool pdf = Lower(ExtensionOf(options.Output)) == ".pdf";
  if (!kind && !pdf) {
    PrintError("the output must end in .bmp, .jpg, .png or .pdf: " + options.Output);
    return kExitUsage;
  }
  TBatchDrawing drawing(options.BackgroundFolders);
  // One rebuild and no other: a copy of the drawing kept for later ones
  // cost the 100,000-step mixed drawing about a tenth of the command.
  drawing.WalkForwardOnly();
  if (!ReadInto(drawing, options)) return kExitFailed;
  const std::optional<int> step = TargetStep(drawing, options);
  if (!step) return kExitUsage;
  drawing.RebuildTo(*step);
  TBackgroundWarnings warnings;
  ReportBackground(drawing, warnings, *step);
  TJpegEncoder jpeg;
  // A PDF is the printed page.
  const TResult<> written = pdf ? SaveCanvasPdf(drawing.Background.Picture(), drawing.FigList, options.Output)
                                         : SavePicture(*kind, drawing.Compose(), options.Output, "", jpeg);
  if (!written.Ok) {
    PrintError(written.Detail);
    return kExitFailed;
  }
  return Finished(options, warnings);
}

// Writes the making of the drawing to `frames` as `plan` says, with the
// progress on a terminal for a series.
int RunProcessCommand(const TBatchOptions& options, TBatchDrawing& drawing, IFrameSink& frames,
                      const TProcessPlan& plan, bool showProgress) {
  TBackgroundWarnings warnings;
  const TResult<> result = *RunProcess(  // never cancelled
      frames, plan,
      [&](std::int32_t step) {
        drawing.RebuildAndCompose(step);
        // A warning starts on a line of its own, below the progress.
        ReportBackground(drawing, warnings, step, [&] {
          if (showProgress && step > 1) std::cerr << '\n';
        });
      },
      [&](int done, int total) {
        if (showProgress) std::cerr << "\rframe " << done << " / " << total << std::flush;
        return true;
      });
  if (showProgress && plan.Frames() > 0) std::cerr << '\n';
  if (!result.Ok) {
    PrintError(result.Detail);
    return kExitFailed;
  }
  return Finished(options, warnings);
}

int RunFramesCommand(const TBatchOptions& options) {
  TBatchDrawing drawing(options.BackgroundFolders);
  if (!ReadInto(drawing, options)) return kExitFailed;
  const std::filesystem::path folder = std::filesystem::path(options.Output).parent_path();
  const std::unique_ptr<IFrameSink> frames =
      MakeSeriesSink([&]() -> const QImage& { return drawing.BackBuffer.Image(); },
                     [&](int step) { return (folder / SeriesFrameName(options.Output, step)).string(); });
  return RunProcessCommand(options, drawing, *frames, SeriesPlan(drawing.History.GetStepCount()),
                           isatty(STDERR_FILENO) == 1);
}

int RunTimelapseCommand(const TBatchOptions& options) {
  TBatchDrawing drawing(options.BackgroundFolders);
  if (!ReadInto(drawing, options)) return kExitFailed;
  const std::unique_ptr<IFrameSink> video =
      MakeVideoSink([&]() -> const QImage& { return drawing.BackBuffer.Image(); }, options.Output, options.Fps);
  return RunProcessCommand(options, drawing, *video,
                           VideoPlan(drawing.History.GetStepCount(), options.Fps, options.Hold), false);
}

int RunResaveCommand(const TBatchOptions& options) { return ResaveDataFile(options.File, options.Output); }

}  // namespace mirel
