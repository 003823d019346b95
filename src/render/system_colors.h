#pragma once
// Turns the colour values of figure records into pixels.
#include <QColor>

#include "model/geometry.h"

namespace mirel {

// An RGB value 0x00BBGGRR, or a system colour 0x80000000 + index drawn with
// the classic desktop palette (unknown indexes are black).
QColor ColorFromValue(TColor value);

}  // namespace mirel
