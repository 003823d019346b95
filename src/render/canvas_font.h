#pragma once
// The one face that draws and measures every text on every surface, so a
// text's measured width is the width it is drawn with.
#include <QFont>
#include <QString>

namespace mirel {

inline constexpr const char* CanvasFontFamily = "IPAPGothic";

// The canvas face at `points`, converted at 96 pixels per inch whatever the
// device, so every surface and every measurement agree. Sizes from files may
// be anything; the pixel size is kept within 1 to 1024.
QFont CanvasFont(int points);

// Pixel size used for `points`.
int CanvasFontPixels(int points);

// Width in pixels of `text` drawn in CanvasFont(points).
int CanvasTextWidth(const QString& text, int points);

}  // namespace mirel
