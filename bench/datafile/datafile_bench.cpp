// Reading and writing a data file of 100,000 records (about 20 MB).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "datafile/data_reader.h"
#include "datafile/data_writer.h"
#include "datafile/safe_save.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

constexpr int kRecords = 100000;

TFigData Shape(TDrawingTool tool, int i) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = 1 + i % 9;
  f.PenColor = (i % 3 == 0) ? 0x000000FF : 0x00B469FF;
  f.BrushColor = (i % 2 == 0) ? 0x8000000F : 0x0000A5FF;
  f.TextColor = 0;
  f.Start = {i % 640, i % 480};
  f.End = {i % 640 + 40, i % 480 + 30};
  if (IsPointListTool(tool)) {
    f.PointData = std::make_unique<TPointData>();
    for (int p = 0; p < 24; ++p) f.PointData->AddPoint((i + p * 7) % 640, (i * 3 + p * 5) % 480);
    FitToPoints(f);
  }
  if (tool == dtText) {
    f.TextSize = 24;
    f.Text = "\x82\xCD\x82\xC8\x82\xAA\x82\xB3\x82\xA2\x82\xBD";  // はながさいた
  }
  return f;
}

// A drawing session's mix: figures of every kind, moves and changes.
std::unique_ptr<THistoryList> MakeBigHistory() {
  auto history = std::make_unique<THistoryList>();
  THistoryList& h = *history;
  {
    constexpr TDrawingTool kTools[] = {dtFreeLine, dtLine, dtRectangle, dtText, dtPolyline, dtEllipse};
    int id = 0;
    for (int i = 0; h.GetStepCount() < kRecords; ++i) {
      const TDrawingTool tool = kTools[i % 6];
      TActionData* r = &h.AddAction(Shape(tool, i))->Data;
      r->TargetType = TActionKind::Create;
      r->TargetID = ++id;
      r->ActionTime = {2004, 15, 7, static_cast<std::uint8_t>(i % 60), 10,
                       static_cast<std::uint8_t>(i % 100), static_cast<std::uint8_t>(i % 60)};
      if (i % 2 == 0) {
        TActionData& move = h.AddAction(Shape(tool, i + 17))->Data;
        move.TargetType = TActionKind::Move;
        move.TargetID = id;
        move.ActionTime = r->ActionTime;
      } else {
        TActionData& change = h.AddAction(Shape(tool, i))->Data;
        change.TargetType = TActionKind::Change;
        change.Parameter = static_cast<TParameter>(i % 6);
        change.TargetID = id;
        change.ActionTime = r->ActionTime;
      }
    }
  }
  return history;
}

const THistoryList& BigHistory() {
  static const std::unique_ptr<THistoryList> history = MakeBigHistory();
  return *history;
}

std::string Written() {
  TDataOutput out;
  WriteDataFile(out, BigHistory());
  return out.Text();
}

void BM_WriteToMemory(benchmark::State& state) {
  const THistoryList& history = BigHistory();
  std::size_t bytes = 0;
  for (auto _ : state) {
    TDataOutput out;
    WriteDataFile(out, history);
    bytes = out.Text().size();
    benchmark::DoNotOptimize(out.Text().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_WriteToMemory)->Unit(benchmark::kMillisecond);

// The writer as a save drives it, chunk by chunk, without the disk: unlike
// BM_WriteToMemory, no growing 20 MB string whose cost depends on how the
// allocator hands back large blocks.
void BM_WriteThroughSink(benchmark::State& state) {
  const THistoryList& history = BigHistory();
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    TDataOutput out([&bytes](std::string_view chunk) {
      benchmark::DoNotOptimize(chunk.data());
      bytes += chunk.size();
      return true;
    });
    WriteDataFile(out, history);
    out.Flush();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_WriteThroughSink)->Unit(benchmark::kMillisecond);

void BM_SaveToFile(benchmark::State& state) {
  const THistoryList& history = BigHistory();
  const auto path = std::filesystem::temp_directory_path() / "mirel_bench_save.mrl";
  for (auto _ : state) {
    if (!SaveHistoryToFile(history, path, TBackupRule::SaveAs).Ok) state.SkipWithError("save failed");
  }
  const auto bytes = std::filesystem::file_size(path);
  std::filesystem::remove(path);
  std::filesystem::remove(BackupPathFor(path, TBackupRule::SaveAs));
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

void BM_ReadFromMemory(benchmark::State& state) {
  const std::string text = Written();
  TNonInteractivePrompts prompts;
  TInternalLog log;
  for (auto _ : state) {
    THistoryList history;
    TLineReader lines(text);
    if (!ReadDataFile(lines, history, log, prompts).Ok) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(history.GetTail());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}
BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMillisecond);

void BM_ReadFromFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "mirel_bench_read.mrl";
  SaveHistoryToFile(BigHistory(), path, TBackupRule::SaveAs);
  const auto bytes = std::filesystem::file_size(path);
  TNonInteractivePrompts prompts;
  TInternalLog log;
  for (auto _ : state) {
    THistoryList history;
    TResult<TLineReader> lines = TLineReader::OpenFile(path);
    if (!lines || !ReadDataFile(*lines, history, log, prompts).Ok) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(history.GetTail());
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_ReadFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel
