#pragma once
// The pixels figures paint, kept as runs of one colour per row, so that a
// figure drawn again (a redrawn area, the next frame, a step back) is
// filled from memory instead of stroked anew. Runs are taken from drawing
// the figure alone, so they are its pixels exactly; a figure with pixels
// that blend with what lies beneath is always drawn.
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

class TFigureSpans {
 public:
  // Runs are taken the first time a figure is drawn here, up to kMaxBytes
  // in all (one composition may take some past it); past that all are let
  // go. Taking them costs about as much as
  // stroking the figure, and a figure stroked instead would keep every
  // figure behind it from being filled front first: with runs taken only
  // from a figure's second drawing, a slider jump in the 10,000-step mixed
  // drawing filled most figures back to front over each other (composing
  // about 30 ms, now about 16 ms).
  static constexpr std::size_t kMaxBytes = 96u << 20;

  TFigureSpans();
  // Draws `frontFirst`, the figures from the front backwards, in copy mode
  // on `surface` (canvas-sized), within `clip` (`whole`: the whole canvas),
  // with the pixels of drawing them back to front. The figures in front
  // that are all kept as runs (all of them, unless one blends or too much
  // is kept) are filled front to back instead, each pixel once: what they
  // cover of the figures behind is not painted twice.
  // `fingerprintOf` gives a figure's FigureFingerprint (perhaps remembered);
  // none: it is computed.
  using TFingerprintOf = std::function<std::uint64_t(const TFigData&)>;
  void DrawAll(std::span<const TFigData* const> frontFirst, TSurface& surface, const QRegion& clip, bool whole,
               const TFingerprintOf& fingerprintOf = {});
  // Paints the pixels of `frontFirst` drawn back to front over `layer`
  // (canvas-sized), each pixel once, from their runs (taken now when not
  // kept yet). False, leaving `layer` unfinished, when some figure's pixels
  // blend with what lies beneath or too much is kept.
  bool FillLayer(std::span<const TFigData* const> frontFirst, TSurface& layer, const TFingerprintOf& fingerprintOf);

 private:
  struct TRun {
    std::int16_t Y, Left, Right;  // pixels Left..Right of row Y
    QRgb Colour;
  };
  enum class TState : std::uint8_t { New, DrawnOnce, Kept, Blending };
  struct TEntry {
    TState State = TState::New;
    std::vector<TRun> Runs;  // when Kept
    QRect Box;               // of the runs
  };
  // Takes the runs of a figure, unless too much is kept.
  void Keep(const TFigData& figure, TEntry& entry);
  // The same for the figures of `wanted` (each entry once), on two cores
  // when there are many: after opening a long drawing, the first jumps
  // take the runs of thousands of figures.
  void KeepMany(std::span<const std::pair<const TFigData*, TEntry*>> wanted);
  void Draw(const TFigData& figure, TEntry& entry, TSurface& surface, const QRegion& clip, bool whole);
  // Fills the runs of each figure, front first, where no figure before it
  // in `frontFirst` painted. A figure whose box lies where all is painted
  // already is passed over whole: in a slider jump in the 10,000-step mixed
  // drawing, two thirds of the figures that show somewhere through the
  // cover of filled figures are painted over by the figures in front.
  void FillFrontFirst(std::span<const TEntry* const> frontFirst, TSurface& surface, const QRegion& clip,
                      bool whole);
  // Whether all pixels of the blocks that `box` meets are painted.
  bool Sealed(const QRect& box) const;
  // Notes that word `word` of row `y` is all painted.
  void Painted(int y, int word);
  // Draws the figure alone on `alone` (transparent, canvas-sized, left so)
  // and takes its runs; false when some pixel blends.
  static bool Take(const TFigData& figure, TEntry& entry, TSurface& alone);
  static void Fill(const std::vector<TRun>& runs, TSurface& surface, const QRegion& clip, bool whole);

  std::unordered_map<std::uint64_t, TEntry> byFigure_;
  // Scratch of DrawAll: the runs of the kept figures in front; per canvas
  // row, one bit per pixel already painted or outside the clip.
  std::vector<const TEntry*> kept_;
  std::vector<TEntry*> entries_;  // of the figures drawn, front first
  std::vector<std::pair<const TFigData*, TEntry*>> wanted_;  // to take
  std::vector<std::uint64_t> painted_;
  // Per band of kBandRows rows, one bit per word of painted_: whether the
  // band's rows are all painted there.
  static constexpr int kBandRows = 8;
  std::vector<std::uint16_t> sealed_;
  std::size_t bytes_ = 0;
  // The figure alone over nothing (transparent): a pixel it paints is
  // opaque, one it would blend with what lies beneath is not. Drawn without
  // antialiasing in the colours of a drawing (all opaque), a pixel painted
  // is the one painted on the canvas.
  TSurface alone_;
  // The same for a second core, made when first used.
  std::unique_ptr<TSurface> aloneToo_;
};

}  // namespace mirel
