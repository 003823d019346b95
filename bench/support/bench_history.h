#pragma once
// A recorded session for the benchmarks that read data files: figures of
// every kind drawn one after another, every tenth step a move of an earlier
// one, a few seconds apart with now and then a long pause.
#include <filesystem>

#include "datafile/safe_save.h"
#include "history/history_list.h"
#include "support/bench_drawing.h"

namespace mirel::bench {

inline void WriteSession(const std::filesystem::path& file, int steps, int seed = 0) {
  constexpr TDrawingTool Kinds[] = {dtLine, dtFreeLine, dtEllipse, dtRectangle, dtPolyline, dtPolygon, dtText};
  THistoryList history;
  int seconds = 9 * 3600;
  for (int step = 1; step <= steps; ++step) {
    TActionItem* item = nullptr;
    if (step % 10 == 0) {
      TFigData moved = Figure(dtRectangle, step + seed);
      item = history.AddAction(moved);
      item->Data.TargetType = TActionKind::Move;
      item->Data.TargetID = step - 5;
    } else {
      item = history.AddAction(Figure(step % 10 == 5 ? dtRectangle : Kinds[(step + seed) % 7], step + seed));
      item->Data.TargetType = TActionKind::Create;
      item->Data.TargetID = step;
    }
    seconds += step % 97 == 0 ? 900 : 2 + (step + seed) % 7;
    item->Data.ActionTime = {2026, 3, 1, static_cast<std::uint8_t>(seconds / 60 % 60),
                             static_cast<std::uint8_t>(seconds / 3600 % 24), 0, static_cast<std::uint8_t>(seconds % 60)};
  }
  SaveHistoryToFile(history, file, TBackupRule::SaveAs);
}

}  // namespace mirel::bench
