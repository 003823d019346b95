#pragma once
// The operations that put figures into lists, take them out, reorder them,
// and change one figure's geometry.
#include <cstdint>
#include <memory>

#include "model/fig_data.h"

namespace mirel {

// Appends a stored (deep) copy of `source` at the tail; returns the new item.
TFigItem* AddCopy(TFigList& list, const TFigData& source);
// Appends an item with an empty record at the tail; returns it.
TFigItem* AddEmpty(TFigList& list);
// AddCopy of the item's own record; none for none.
TFigItem* DuplicateFig(TFigList& list, const TFigItem* item);
// Unlinks and releases the item with everything it owns. 1 for none or head.
int DeleteFig(TFigList& list, TFigItem* item);
// One place towards the back; 1 for none, the head and the first figure.
int MoveBack(TFigList& list, TFigItem* item);
// One place towards the front; 1 for none, the head and the tail.
int MoveFront(TFigList& list, TFigItem* item);
// Releases every figure; the list and its head stay.
void ClearFigList(TFigList& list);
// Releases the whole list.
void FreeFigList(std::unique_ptr<TFigList>& list);

// Moves the corners and, for point-list figures, every point. The point
// bounds and a stamp's contents are left as they are.
void OffsetFig(TFigData& figure, std::int32_t dx, std::int32_t dy);
// Sets one coordinate (axis 0 = x, 1 = y) of one point; bounds stay.
void SetPointCoord(TFigData& figure, int axis, std::int32_t index, std::int32_t value);
// Start and End from the bounds of the figure's point list.
void FitToPoints(TFigData& figure);

}  // namespace mirel
