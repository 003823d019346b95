#pragma once
// Drawing sessions for the replay benchmarks: histories of a given length
// made as an editing session makes them.
#include <random>
#include <string>
#include <vector>

#include "model/fig_ops.h"
#include "replay/replay_engine.h"

namespace mirel::bench {

inline TFigData Rect(std::mt19937& rng) {
  TFigData f;
  f.DrawingTool = dtRectangle;
  f.PenWidth = 2;
  f.Start = {static_cast<int>(rng() % 600), static_cast<int>(rng() % 440)};
  f.End = {f.Start.X + 30, f.Start.Y + 20};
  return f;
}

inline TFigData FreeLine(std::mt19937& rng) {
  TFigData f = Rect(rng);
  f.DrawingTool = dtFreeLine;
  f.PointData = std::make_unique<TPointData>();
  for (int i = 0; i < 20; ++i) f.PointData->AddPoint(f.Start.X + i * 3, f.Start.Y + static_cast<int>(rng() % 40));
  return TFigData(f);
}

inline TFigData Stamp(std::mt19937& rng) {
  TFigData f = Rect(rng);
  f.DrawingTool = dtStamp;
  f.StampData = std::make_unique<TFigList>();
  for (int i = 0; i < 4; ++i) AddCopy(f.StampData.MakeUnique(), i % 2 ? Rect(rng) : FreeLine(rng));
  return f;
}

// The editor state a history is replayed into.
struct TDrawing {
  THistoryList History;
  TFigList FigList;
  TFigList DeletedFigList;
  TReplayEngine Engine{History, FigList, DeletedFigList};
};

inline TActionData& Append(THistoryList& h, TActionKind kind, std::int32_t id, const TFigData* fig = nullptr) {
  TActionData& r = fig ? h.AddAction(*fig)->Data : h.AddBlankAction()->Data;
  r.TargetType = kind;
  r.TargetID = id;
  return r;
}

// A drawing session of `records` records: mostly new figures, moves and
// changes, some deletes and undos, a background now and then, and a resume
// from an earlier step about every thousand records. With `clearEvery`, the
// drawing is cleared that often, so it stays the size of a real picture.
inline void MakeSession(TDrawing& d, std::int64_t records, std::int64_t clearEvery = 0) {
  std::mt19937 rng(7);
  std::vector<std::int32_t> live;
  std::int32_t deleted = 0;
  std::int32_t nextId = 1;
  auto pickLive = [&]() -> std::int32_t& { return live[rng() % live.size()]; };
  for (std::int64_t k = 1; k <= records; ++k) {
    const unsigned roll = rng() % 100;
    if (k % 1000 == 0) {
      const std::int32_t from = static_cast<std::int32_t>(k - 1 - static_cast<std::int64_t>(rng() % 300));
      Append(d.History, TActionKind::Branch, from);
      // What is live after the branch is what step `from` had.
      d.Engine.RebuildDrawing(d.History.StepItem(from));
      live.clear();
      for (const TActionItem* i = d.History.GetHead(); i; i = i->Next()) {
        if (i->Data.LiveItem) live.push_back(i->Data.TargetID);
      }
      deleted = d.DeletedFigList.Count();
    } else if (clearEvery && k % clearEvery == 0) {
      Append(d.History, TActionKind::ClearDrawing, 0);
      live.clear();
      deleted = 0;
    } else if (roll < 2) {
      Append(d.History, TActionKind::ReadBG, 0).FileName = "C:\\e\\bg" + std::to_string(rng() % 5) + ".jpg";
    } else if (roll < 40 || live.size() < 3) {
      const TFigData fig = roll % 10 == 0 ? Stamp(rng) : roll % 3 == 0 ? FreeLine(rng) : Rect(rng);
      Append(d.History, TActionKind::Create, nextId, &fig);
      live.push_back(nextId++);
    } else if (roll < 60) {
      TFigData fig = Rect(rng);
      Append(d.History, TActionKind::Move, pickLive(), &fig);
    } else if (roll < 75) {
      TFigData fig = Rect(rng);
      fig.PenColor = rng();
      Append(d.History, TActionKind::Change, pickLive(), &fig).Parameter = TParameter::LineColor;
    } else if (roll < 83) {
      std::int32_t& id = pickLive();
      Append(d.History, TActionKind::Delete, id);
      id = live.back();
      live.pop_back();
      ++deleted;
    } else if (roll < 88 && deleted > 0) {
      TFigData fig = Rect(rng);
      Append(d.History, TActionKind::Undo, nextId, &fig);
      live.push_back(nextId++);
      --deleted;
    } else {
      Append(d.History, roll % 2 ? TActionKind::Front : TActionKind::Back, pickLive());
    }
  }
}

}  // namespace mirel::bench
