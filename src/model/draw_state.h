#pragma once
// The canvas drawing state that every surface keeps between operations.
#include <cstdint>

#include "model/fig_data.h"
#include "model/geometry.h"

namespace mirel {

enum class TPenStyle : std::uint8_t { Solid, Dot };
enum class TPenMode : std::uint8_t { Copy, NotXor };
enum class TBrushStyle : std::uint8_t { Solid, Clear };

struct TDrawState {
  std::int32_t PenWidth = 1;
  TPenStyle PenStyle = TPenStyle::Solid;
  TColor PenColor = clBlack;
  TPenMode PenMode = TPenMode::Copy;
  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  std::int32_t FontSize = 9;  // points
  TColor FontColor = clBlack;
  TPoint PenPos;
  friend bool operator==(const TDrawState&, const TDrawState&) = default;
};

// The pen and brush a canvas starts with and drawing goes back to: a solid
// black pen 4 pixels wide, copied over a solid white brush.
inline void SetDrawDefaults(TDrawState& state) {
  state.PenWidth = 4;
  state.PenStyle = TPenStyle::Solid;
  state.PenColor = clBlack;
  state.BrushColor = clWhite;
  state.BrushStyle = TBrushStyle::Solid;
  state.PenMode = TPenMode::Copy;
}

// The pen and brush that drawing `figure` sets on a surface and leaves there.
// Texts always show what lies behind them between the glyphs.
inline void ApplyFigureAttributes(const TFigData& figure, TDrawState& state) {
  state.PenWidth = figure.PenWidth;
  state.PenColor = figure.PenColor;
  state.BrushColor = figure.BrushColor;
  state.BrushStyle = figure.BrushColor == clBtnFace || figure.DrawingTool == dtText
                         ? TBrushStyle::Clear
                         : TBrushStyle::Solid;
  state.PenStyle = TPenStyle::Solid;
}

}  // namespace mirel
