#pragma once
// The pixels figures paint, kept as runs of one colour per row, so that a
// figure drawn again (a redrawn area, the next frame, a step back) is
// filled from memory instead of stroked anew. Runs are taken from drawing
// the figure alone, so they are its pixels exactly; a figure with pixels
// that blend with what lies beneath is always drawn.
#include <QRegion>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

class TFigureSpans {
 public:
  // Runs are kept from a figure's second drawing on (a figure drawn once
  // costs nothing more), up to kMaxBytes in all; past that all are let go.
  static constexpr std::size_t kMaxBytes = 96u << 20;

  TFigureSpans();
  // Draws `figure` in copy mode on `surface` (canvas-sized), within `clip`
  // (`whole`: the whole canvas).
  void Draw(const TFigData& figure, TSurface& surface, const QRegion& clip, bool whole);

 private:
  struct TRun {
    std::int16_t Y, Left, Right;  // pixels Left..Right of row Y
    QRgb Colour;
  };
  enum class TState : std::uint8_t { DrawnOnce, Kept, Blending };
  struct TEntry {
    TState State = TState::DrawnOnce;
    std::vector<TRun> Runs;  // when Kept
  };
  // Draws the figure alone and takes its runs; false when some pixel blends.
  bool Take(const TFigData& figure, TEntry& entry);
  static void Fill(const std::vector<TRun>& runs, TSurface& surface, const QRegion& clip, bool whole);

  std::unordered_map<std::uint64_t, TEntry> byFigure_;
  std::size_t bytes_ = 0;
  // The figure alone over white and over black: a pixel it paints is the
  // same on both.
  TSurface onWhite_;
  TSurface onBlack_;
};

}  // namespace mirel
