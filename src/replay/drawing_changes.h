#pragma once
// What a rebuild changes on the canvas, told as each record is applied, so
// that composition can redraw only that.
#include <cstdint>

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
  // The steps told next are too many to redraw by their areas: everything
  // is redrawn, but the figures not told of are the same as before.
  virtual void ManySteps() { Everything(); }
  // The changes told next, until the next call, are those of applying
  // `step` of the history (told apart from others by `history`) to the
  // drawing of the step before it (or of taking it back), in a rebuild that
  // goes on to `target`.
  virtual void Applying(std::int32_t /*step*/, std::uint64_t /*history*/, std::int32_t /*target*/) {}
  // The rebuild is done: the drawing is that of `step`. What is told next
  // belongs to no step.
  virtual void Rebuilt(std::int32_t /*step*/) {}
};

}  // namespace mirel
