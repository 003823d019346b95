#pragma once
// The track bars' geometry: a figure stretched or shrunk along one axis from
// the geometry it had when it was selected. Every result is computed in
// double precision and truncated toward zero.
#include <cstdint>
#include <functional>

#include "editor/editor_types.h"
#include "model/fig_data.h"

namespace mirel {

enum class TAxis { X = 0, Y = 1 };

// Width in pixels of a code page 932 text at a size in points.
using TTextWidth = std::function<int(const std::string& cp932Text, int points)>;

// What the track bars resize `figure` from while it stays selected.
TResizeBase ResizeBaseOf(const TFigData& figure);

// Resizes `figure` by the bar position `position` along `axis` from `base`.
// Box and point-list figures grow by `position` pixels on each side (points
// mapped linearly; with no base extent on the axis the points stay); texts
// change their size (the horizontal bar adds, the vertical bar subtracts)
// unless it would become 5 or less; stamps stretch their contents.
void ResizeFigure(TFigData& figure, const TResizeBase& base, TAxis axis, std::int32_t position,
                  const TTextWidth& textWidth);

// Stretches a stamp's contents (relative to its corner) to its new extent
// along `axis`, from the contents of `base`, a copy of the same stamp. A
// base without extent on the axis has no ratio: the contents stay.
void ScaleStampContents(TFigData& stamp, const TFigData& base, TAxis axis);

}  // namespace mirel
