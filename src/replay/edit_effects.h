#pragma once
// What the editing records do to the drawing. The editor's commands change
// the figures through these and then record the change; replaying the record
// calls the same function with the values the record holds, so a history
// rebuilds the drawing the commands made.
//
// Create, Duplicate and Move go through the figure operations themselves
// (AddCopy, OffsetFig), Front and Back through MoveFront and MoveBack. A
// Size change is computed by the track bars' maths when made and copied
// from the record's snapshot when replayed (ApplyChange).
#include <cstdint>
#include <memory>
#include <string>

#include "history/action_data.h"
#include "model/fig_data.h"

namespace mirel {

// Delete: a copy of the figure waits in `deleted` for Undo, and the figure
// leaves the drawing; its item is handed back whole (a step back puts it
// back at its address).
std::unique_ptr<TFigItem> DeleteFigure(TFigList& figures, TFigList& deleted, TFigItem* item);

// Undo: the newest deleted figure comes back in front of all others; when
// `taken` is given, the deleted copy's data moves there. None when nothing
// is deleted.
TFigItem* RestoreNewestDeleted(TFigList& figures, TFigList& deleted, TFigData* taken = nullptr);

// ClearDrawing, ClearAll: the drawing and the deleted figures are emptied.
void EmptyDrawing(TFigList& figures, TFigList& deleted);

// The colours and the pen width a Change record carries, as one value:
// LineColor, BodyColor, TextColor (colours) and LineWidth. Any other
// parameter reads 0 and sets nothing.
std::int64_t AttributeOf(const TFigData& figure, TParameter parameter);
void SetAttribute(TFigData& figure, TParameter parameter, std::int64_t value);

// Change of the text: the words and the corners they take.
void SetText(TFigData& figure, const std::string& cp932Text, TPoint start, TPoint end);

}  // namespace mirel
