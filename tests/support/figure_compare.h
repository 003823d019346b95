#pragma once
// The one deep comparison of figures the tests use (points and stamp
// contents to any depth); it says where two figures first differ.
#include <string>

#include "model/fig_data.h"

namespace mirel::test {

// What a comparison looks at: every field a copy in memory keeps, or only
// what a data file carries (no brush style; no points and no stamp list
// count as empty ones; point bounds follow from the points).
enum class TFields { All, Stored };

// Empty when the figures are the same; otherwise the fields that differ.
std::string FigureDifference(const TFigData& expected, const TFigData& actual, TFields fields = TFields::All);

inline bool SameFigure(const TFigData& a, const TFigData& b) { return FigureDifference(a, b).empty(); }
bool SameFigures(const TFigList& a, const TFigList& b);

// Empty when `actual` holds the same figures in the same order as the stored
// copies of `live`'s figures; otherwise where and how they first differ.
// The stored copy is what every record and every rebuild holds: a point-list
// figure's corners are the bounds of its points. For the figure `unsettled`
// (a resize not yet recorded) the size fields are not compared.
std::string DescribeListDifference(const TFigList& live, const TFigList& actual,
                                   const TFigData* unsettled = nullptr);

}  // namespace mirel::test
