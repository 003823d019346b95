#pragma once
// The canvas drawing state that every surface keeps between operations.
#include <cstdint>

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

}  // namespace mirel
