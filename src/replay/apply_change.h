#pragma once
// Applies the one attribute that a Change record concerns to a live figure.
#include "history/action_data.h"

namespace mirel {

// Copies the fields of `record.Parameter` from the record's snapshot into
// `item`'s figure; the figure keeps its kind and every other field. A Size
// change rewrites the corners, the text size, and the points (point-list
// figures) or the contents (stamps). Returns 1, changing nothing, when the
// snapshot cannot hold what the figure needs: fewer points than the figure,
// or no contents for a stamp. Unknown parameters change nothing and return 0.
int ApplyChange(const TActionData& record, TFigItem& item);

}  // namespace mirel
