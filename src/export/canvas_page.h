#pragma once
// The canvas on a printed page, the same on paper and in a PDF file: the
// picture scaled to fit the printable area with its proportions kept,
// centred, in colour, on a landscape page by default.
#include <QImage>
#include <QPageLayout>
#include <QRect>
#include <string>

#include "model/fig_data.h"
#include "model/result.h"

class QPagedPaintDevice;

namespace mirel {

// A4 landscape with 10 mm margins: where printing and PDFs start.
QPageLayout CanvasPageLayout();

// Where a picture of `picture` size lands in the printable area `area`.
QRect CanvasPlacement(QSize picture, const QRect& area);

// Paints the canvas on the one page of `device` (a printer or a PDF
// writer): the background picture as a picture, white where it does not
// reach, and `figures` over it as shapes, the way the canvas composes them.
// False when the device cannot be painted on.
bool PaintCanvasPage(QPagedPaintDevice& device, const QImage& background, const TFigList& figures);

// The canvas as a one-page PDF at `path`, replaced whole.
TResult<> SaveCanvasPdf(const QImage& background, const TFigList& figures, const std::string& path);

}  // namespace mirel
