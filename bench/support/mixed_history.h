#pragma once
// A drawing session as a child really makes one: nine steps in ten add a
// figure of any kind (stamps included) at a child's sizes, one in ten goes
// back to a figure drawn earlier and moves, recolours, resizes or deletes
// it. Seeded, so every run and every benchmark sees the same history.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "history/history_list.h"
#include "model/fig_ops.h"

namespace mirel::bench {

class TMixedHistory {
 public:
  // With `everyKind`, one step in ten is instead a record of another kind:
  // a background (bg0.bmp to bg2.bmp) or its removal, a clear, a duplicate,
  // an undo, a reorder, or a resume from an earlier step.
  explicit TMixedHistory(unsigned seed = 19, bool everyKind = false) : rng_(seed), everyKind_(everyKind) {}

  // Appends `steps` records to `history`.
  void Make(THistoryList& history, std::int32_t steps) {
    for (std::int32_t k = 0; k < steps; ++k) {
      if (everyKind_) {
        byStep_.push_back({live_, deleted_});
        if (Pick(0, 9) == 0) {
          OtherRecord(history);
          continue;
        }
      }
      if (live_.size() < 8 || Pick(0, 9) != 0) {
        AddFigure(history);
      } else {
        EditEarlier(history);
      }
    }
  }

  // A figure of any kind, where a child puts one.
  TFigData RandomFigure() {
    const int roll = Pick(0, 99);
    if (roll < 28) return FreeLine();
    if (roll < 40) return Box(dtRectangle);
    if (roll < 52) return Box(dtEllipse);
    if (roll < 62) return Box(dtLine);
    if (roll < 70) return Points(dtPolyline, Pick(3, 8));
    if (roll < 78) return Points(dtPolygon, Pick(3, 7));
    if (roll < 90) return Text();
    return Stamp();
  }

 private:
  struct TLive {
    std::int32_t Id;
    TFigData Figure;
  };

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  // Thin pens are the most common; fills are the palette's colours, and
  // about half the figures have none.
  void Look(TFigData& f) {
    static constexpr std::int32_t Widths[] = {1, 1, 2, 2, 3, 4, 4, 4, 6, 8, 10};
    f.PenWidth = Widths[Pick(0, std::size(Widths) - 1)];
    f.PenColor = Colour();
    f.BrushColor = Pick(0, 1) == 0 ? clBtnFace : Colour();
  }
  TColor Colour() { return static_cast<TColor>(rng_() & 0xFFFFFF); }

  TPoint Anywhere() { return {Pick(0, 620), Pick(0, 460)}; }

  TFigData Box(TDrawingTool tool) {
    TFigData f;
    f.DrawingTool = tool;
    Look(f);
    f.Start = Anywhere();
    f.End = {f.Start.X + Pick(-140, 140), f.Start.Y + Pick(-110, 110)};
    return f;
  }

  // A stroke of the hand: 20 to 200 points a few pixels apart.
  TFigData FreeLine() {
    TFigData f;
    f.DrawingTool = dtFreeLine;
    Look(f);
    f.BrushColor = clBtnFace;
    f.PointData = std::make_unique<TPointData>();
    TPoint p = Anywhere();
    int dx = Pick(-4, 4), dy = Pick(-4, 4);
    for (int n = Pick(20, 200); n > 0; --n) {
      f.PointData->AddPoint(p.X, p.Y);
      dx = std::clamp(dx + Pick(-1, 1), -5, 5);
      dy = std::clamp(dy + Pick(-1, 1), -5, 5);
      p = {p.X + dx, p.Y + dy};
    }
    FitToPoints(f);
    return f;
  }

  TFigData Points(TDrawingTool tool, int count) {
    TFigData f;
    f.DrawingTool = tool;
    Look(f);
    f.PointData = std::make_unique<TPointData>();
    const TPoint c = Anywhere();
    for (int n = 0; n < count; ++n) f.PointData->AddPoint(c.X + Pick(-90, 90), c.Y + Pick(-70, 70));
    FitToPoints(f);
    return f;
  }

  TFigData Text() {
    static const std::string Words[] = {"\x82\xA8\x82\xCD\x82\xE6\x82\xA4",  // おはよう
                                        "\x82\xCB\x82\xB1",                  // ねこ
                                        "Mirel", "\x82\xBF\x82\xE5\x82\xA4\x82\xBF\x82\xE5", "sun"};
    TFigData f;
    f.DrawingTool = dtText;
    Look(f);
    f.Text = Words[Pick(0, std::size(Words) - 1)];
    f.TextSize = Pick(10, 36);
    f.TextColor = Colour();
    f.Start = Anywhere();
    f.End = {f.Start.X + static_cast<int>(f.Text.size()) * f.TextSize / 2, f.Start.Y + f.TextSize * 4 / 3};
    return f;
  }

  // Two to six figures gathered from the canvas, one of them a stamp now
  // and then.
  TFigData Stamp() {
    TFigData f;
    f.DrawingTool = dtStamp;
    f.Start = Anywhere();
    f.StampData = std::make_unique<TFigList>();
    TFigList& contents = f.StampData.MakeUnique();
    for (int n = Pick(2, 6); n > 0; --n) {
      TFigData inner = Pick(0, 2) == 0 ? Points(dtFreeLine, Pick(5, 30)) : Box(Pick(0, 1) ? dtRectangle : dtEllipse);
      if (nesting_ < 1 && Pick(0, 9) == 0) {
        ++nesting_;
        inner = Stamp();
        --nesting_;
      }
      // Contents lie relative to the stamp's corner.
      OffsetFig(inner, Pick(0, 100) - inner.Start.X, Pick(0, 80) - inner.Start.Y);
      AddCopy(contents, inner);
    }
    f.End = {f.Start.X + Pick(40, 160), f.Start.Y + Pick(40, 120)};
    return f;
  }

  void Stamped(TActionData& r) { r.ActionTime = {2026, 12, 9, static_cast<std::uint8_t>(clock_ / 60 % 60), 10, 0, static_cast<std::uint8_t>(clock_++ % 60)}; }

  void AddFigure(THistoryList& history) {
    TFigData f = RandomFigure();
    TActionData& r = history.AddAction(f)->Data;
    r.TargetType = TActionKind::Create;
    r.TargetID = nextId_;
    Stamped(r);
    live_.push_back({nextId_++, std::move(f)});
  }

  void EditEarlier(THistoryList& history) {
    const std::size_t index = static_cast<std::size_t>(Pick(0, static_cast<int>(live_.size()) - 1));
    TLive& target = live_[index];
    TFigData& f = target.Figure;
    TActionData* r = nullptr;
    switch (Pick(0, 3)) {
      case 0:
        OffsetFig(f, Pick(-80, 80), Pick(-60, 60));
        r = &history.AddAction(f)->Data;
        r->TargetType = TActionKind::Move;
        break;
      case 1:
        if (f.DrawingTool == dtText) {
          f.TextColor = Colour();
          r = &history.AddAction(f)->Data;
          r->Parameter = TParameter::TextColor;
        } else if (f.BrushColor != clBtnFace && Pick(0, 1)) {
          f.BrushColor = Colour();
          r = &history.AddAction(f)->Data;
          r->Parameter = TParameter::BodyColor;
        } else {
          f.PenColor = Colour();
          r = &history.AddAction(f)->Data;
          r->Parameter = TParameter::LineColor;
        }
        r->TargetType = TActionKind::Change;
        break;
      case 2:
        Resize(f, Pick(60, 150));
        r = &history.AddAction(f)->Data;
        r->TargetType = TActionKind::Change;
        r->Parameter = TParameter::Size;
        break;
      default:
        r = &history.AddBlankAction()->Data;
        r->TargetType = TActionKind::Delete;
        break;
    }
    r->TargetID = target.Id;
    Stamped(*r);
    if (r->TargetType == TActionKind::Delete) {
      deleted_.push_back(target);
      std::swap(target, live_.back());
      live_.pop_back();
    }
  }

  // Scales the figure by `percent` about its Start, as the size bars do;
  // the point count stays.
  static void Resize(TFigData& f, int percent) {
    auto scale = [&](TPoint p) {
      return TPoint{f.Start.X + (p.X - f.Start.X) * percent / 100, f.Start.Y + (p.Y - f.Start.Y) * percent / 100};
    };
    if (f.PointData) {
      auto scaled = std::make_unique<TPointData>();
      for (const TPoint& p : f.PointData->Points()) scaled->AddPoint(scale(p).X, scale(p).Y);
      f.PointData = std::move(scaled);
      FitToPoints(f);
      return;
    }
    if (f.DrawingTool == dtText) f.TextSize = std::max(1, f.TextSize * percent / 100);
    f.End = scale(f.End);
  }

  TActionData& Blank(THistoryList& history, TActionKind kind, std::int32_t id = 0) {
    TActionData& r = history.AddBlankAction()->Data;
    r.TargetType = kind;
    r.TargetID = id;
    Stamped(r);
    return r;
  }

  void OtherRecord(THistoryList& history) {
    const int roll = Pick(0, 9);
    if (roll < 2) {
      Blank(history, TActionKind::ReadBG).FileName = "bg" + std::to_string(Pick(0, 2)) + ".bmp";
    } else if (roll == 2) {
      Blank(history, TActionKind::CleareBG);
    } else if (roll == 3) {
      Blank(history, Pick(0, 1) ? TActionKind::ClearDrawing : TActionKind::ClearAll);
      live_.clear();
      deleted_.clear();
    } else if (roll == 4 && !live_.empty()) {
      TFigData copy = live_[static_cast<std::size_t>(Pick(0, static_cast<int>(live_.size()) - 1))].Figure;
      OffsetFig(copy, 10, 10);
      TActionData& r = history.AddAction(copy)->Data;
      r.TargetType = TActionKind::Duplicate;
      r.TargetID = nextId_;
      Stamped(r);
      live_.push_back({nextId_++, std::move(copy)});
    } else if (roll == 5 && !deleted_.empty()) {
      TActionData& r = history.AddAction(deleted_.back().Figure)->Data;
      r.TargetType = TActionKind::Undo;
      r.TargetID = nextId_;
      Stamped(r);
      live_.push_back({nextId_++, std::move(deleted_.back().Figure)});
      deleted_.pop_back();
    } else if (roll == 6 && !live_.empty()) {
      const std::size_t index = static_cast<std::size_t>(Pick(0, static_cast<int>(live_.size()) - 1));
      Blank(history, Pick(0, 1) ? TActionKind::Front : TActionKind::Back, live_[index].Id);
    } else {
      // Resumes from an earlier step: what lives is what lived there.
      const int step = Pick(0, static_cast<int>(byStep_.size()) - 1);
      Blank(history, TActionKind::Branch, step);
      live_ = byStep_[static_cast<std::size_t>(step)].Live;
      deleted_ = byStep_[static_cast<std::size_t>(step)].Deleted;
    }
  }

  struct TState {
    std::vector<TLive> Live;
    std::vector<TLive> Deleted;
  };

  std::mt19937 rng_;
  bool everyKind_;
  std::vector<TState> byStep_;  // with everyKind: the figures after each step
  std::vector<TLive> deleted_;
  std::vector<TLive> live_;
  std::int32_t nextId_ = 1;
  std::uint32_t clock_ = 0;
  int nesting_ = 0;
};

// A mixed history of `steps` records in `history`.
inline void MakeMixedHistory(THistoryList& history, std::int32_t steps, unsigned seed = 19) {
  TMixedHistory(seed).Make(history, steps);
}

}  // namespace mirel::bench
