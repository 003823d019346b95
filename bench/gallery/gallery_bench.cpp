// The class gallery of 30 drawings of 500 to 5,000 steps: the first build,
// and a second one after one drawing changed. Counters: the share of the
// builds' time spent on the videos (composing and encoding their frames).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "gallery/gallery_build.h"
#include "support/bench_history.h"
#include "support/qt_bench_main.h"

namespace {

using namespace mirel;

constexpr int kDrawings = 30;

struct TClass {
  TClass() {
    std::filesystem::create_directories(Folder());
    for (int i = 0; i < kDrawings; ++i) bench::WriteSession(File(i), 500 + i * 4500 / (kDrawings - 1), i);
  }
  std::filesystem::path Folder() const { return std::filesystem::path(Dir.path().toStdString()) / "class"; }
  std::string File(int i) const { return (Folder() / ("child" + std::to_string(i) + ".mrl")).string(); }
  TGallerySummary Build(const std::string& site) const {
    TGalleryOptions options;
    options.Inputs = {Folder().string()};
    options.Site = site;
    return *BuildGallery(options, {}, [](const std::string&) {});  // never cancelled
  }
  QTemporaryDir Dir;
};

TClass& Class() {
  static TClass drawings;
  return drawings;
}

void Report(benchmark::State& state, const TGallerySummary& outcome) {
  if (!outcome.Whole()) state.SkipWithError("the gallery failed");
  state.counters["built"] = outcome.Built;
  state.counters["reused"] = outcome.Reused;
  state.counters["video_share"] = outcome.BuildSeconds > 0 ? outcome.VideoSeconds / outcome.BuildSeconds : 0;
}

void BM_GalleryFirstRun(benchmark::State& state) {
  const std::string site = Class().Dir.filePath("first").toStdString();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(site);
    state.ResumeTiming();
    Report(state, Class().Build(site));
  }
}
BENCHMARK(BM_GalleryFirstRun)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_GallerySecondRunOneChanged(benchmark::State& state) {
  const std::string site = Class().Dir.filePath("second").toStdString();
  Class().Build(site);
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // One child drew a little more.
    bench::WriteSession(Class().File(kDrawings / 2), 2800 + ++round, kDrawings / 2);
    state.ResumeTiming();
    Report(state, Class().Build(site));
  }
}
BENCHMARK(BM_GallerySecondRunOneChanged)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return mirel::bench::RunWithQt<QGuiApplication>(argc, argv); }
