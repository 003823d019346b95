#pragma once
// What a rebuild changes on the canvas, told as each record is applied, so
// that composition can redraw only that.
#include "model/fig_data.h"

namespace mirel {

class IDrawingChanges {
 public:
  virtual ~IDrawingChanges() = default;
  // `figure` is about to change or to leave the drawing: it shows here now.
  virtual void Leaving(const TFigData& figure) = 0;
  // `figure` has entered the drawing in front of all others.
  virtual void Added(const TFigData& figure) = 0;
  // `figure` has changed or moved in the order: it shows here now.
  virtual void Entered(const TFigData& figure) = 0;
  // The background or the whole drawing changed (a clear, a resume from an
  // earlier step, a rebuild that started afresh): every figure may be a new
  // one.
  virtual void Everything() = 0;
};

}  // namespace mirel
