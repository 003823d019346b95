#include "gallery/drawing_build.h"

#include <QElapsedTimer>
#include <memory>
#include <system_error>

#include "batch/background_warnings.h"
#include "batch/batch_drawing.h"
#include "editor/process_frames.h"
#include "export/frame_sinks.h"
#include "export/picture_file.h"
#include "fileio/file_replace.h"
#include "fileio/user_words.h"
#include "gallery/gallery_pages.h"

namespace mirel {
namespace {

// Both videos from one walk through the steps.
class TBothVideos final : public IFrameSink {
 public:
  TBothVideos(IFrameSink& first, IFrameSink& second) : first_(first), second_(second) {}
  bool AddFrame(int step, int times) override { return first_.AddFrame(step, times) && second_.AddFrame(step, times); }
  TResult<> Finish() override {
    TResult<> result = first_.Finish();
    return result ? second_.Finish() : result;
  }

 private:
  IFrameSink& first_;
  IFrameSink& second_;
};

std::string Native(const std::filesystem::path& path) { return path.string(); }

}  // namespace

std::filesystem::path WorksFolder(const std::filesystem::path& site, const QString& folder) {
  return site / kWorksFolder / folder.toStdString();
}

std::string WriteSiteFile(const std::filesystem::path& path, const QByteArray& bytes) {
  const std::string_view contents(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const TResult<std::filesystem::path> replaced = ReplaceFile(
      path, {}, [contents](TFileSink& sink) { return sink.Write(contents); }, TDurability::Deferred);
  return replaced.Ok ? std::string() : replaced.Detail;
}

std::vector<int> StripSteps(int steps) {
  std::vector<int> chosen;
  for (int k = 1; k <= kStripPictures; ++k) {
    const int step = static_cast<int>(static_cast<long long>(steps) * k / (kStripPictures + 1));
    if (step > 0 && step < steps && (chosen.empty() || chosen.back() != step)) chosen.push_back(step);
  }
  return chosen;
}

TDrawingBuild BuildDrawing(const TDrawingJob& job, const QString& hash, const std::filesystem::path& site,
                           const std::atomic<bool>& cancel) {
  QElapsedTimer clock;
  clock.start();
  TDrawingBuild build;
  TGalleryCard& card = build.Card;
  card.Name = job.Name;
  card.Folder = job.Folder;
  card.Hash = hash;
  const std::filesystem::path folder = WorksFolder(site, job.Folder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  auto fail = [&](const std::string& reason) {
    card.Failure = QString::fromStdString(reason);
    build.Warnings.push_back(job.File + ": " + reason);
  };

  TBatchDrawing drawing(job.BackgroundFolders);
  drawing.WalkForwardOnly();
  const TResult<> read = drawing.Read(job.File);
  TBackgroundWarnings backgrounds;
  auto noteBackgrounds = [&](int step) {
    for (std::string& line : backgrounds.Collect(step, drawing.Background.TakeAttempts())) {
      build.Warnings.push_back(job.File + ": " + line);
    }
  };
  std::string trouble;
  if (!read.Ok) {
    fail(read.Message + (read.Detail.empty() ? "" : " (" + read.Detail + ")"));
  } else {
    card.Facts = DrawingFactsOf(drawing.History);
    const int steps = card.Facts.Steps;
    TJpegEncoder jpeg;
    // Along the way first, while the drawing is still short.
    card.StripSteps = StripSteps(steps);
    for (std::size_t i = 0; trouble.empty() && i < card.StripSteps.size(); ++i) {
      drawing.RebuildTo(card.StripSteps[i]);
      noteBackgrounds(card.StripSteps[i]);
      const TResult<> written =
          SavePicture(TPictureKind::Jpeg, drawing.Compose(), Native(folder / ("strip" + std::to_string(i + 1) + ".jpg")),
                      {}, jpeg, TDurability::Deferred);
      if (!written.Ok) trouble = written.Detail;
    }
    if (trouble.empty()) {
      QElapsedTimer videoClock;
      videoClock.start();
      const TProcessPlan plan = ShortVideoPlan(steps, kGalleryVideoFrames);
      auto canvas = [&drawing]() -> const QImage& { return drawing.BackBuffer.Image(); };
      const std::unique_ptr<IFrameSink> webm = MakeVideoSink(canvas, Native(folder / "making.webm"), kVideoFps);
      const std::unique_ptr<IFrameSink> mp4 = MakeVideoSink(canvas, Native(folder / "making.mp4"), kVideoFps);
      TBothVideos videos(*webm, *mp4);
      const std::optional<TResult<>> made = RunProcess(
          videos, plan,
          [&](std::int32_t step) {
            drawing.RebuildAndCompose(step);
            noteBackgrounds(step);
          },
          [&](int, int) { return !cancel.load(); });
      build.VideoSeconds = static_cast<double>(videoClock.nsecsElapsed()) / 1e9;
      card.VideoSeconds = static_cast<double>(plan.FrameTimes()) / kVideoFps;
      build.Cancelled = !made;
      if (made && !*made) trouble = made->Detail;
    }
    if (trouble.empty() && !build.Cancelled) {
      // The video ends on the finished picture.
      const TResult<> written = SavePicture(TPictureKind::Png, drawing.BackBuffer.Image(),
                                                     Native(folder / "picture.png"), {}, jpeg, TDurability::Deferred);
      if (!written.Ok) trouble = written.Detail;
    }
    if (trouble.empty() && !build.Cancelled) trouble = WriteSiteFile(folder / "index.html", DrawingPage(card));
    if (!trouble.empty()) fail(std::string(msg::kDrawingNotMade) + trouble);
  }
  if (!build.Cancelled) {
    const std::string written = WriteSiteFile(folder / "card.json", CardJson(card));
    if (!written.empty() && card.Ok()) fail(std::string(msg::kDrawingNotMade) + written);
  }
  build.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  return build;
}

}  // namespace mirel
