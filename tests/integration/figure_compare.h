#pragma once
// Compares figure lists by what a data file carries of each figure, deep
// (points and stamp contents to any depth), and says where they differ.
#include <string>

#include "model/fig_data.h"

namespace mirel::test {

// Empty when `actual` holds the same figures in the same order as the stored
// copies of `live`'s figures; otherwise where and how they first differ.
// The stored copy is what every record and every rebuild holds: a point-list
// figure's corners are the bounds of its points. For the figure `unsettled`
// (a resize not yet recorded) the size fields are not compared.
std::string DescribeListDifference(const TFigList& live, const TFigList& actual,
                                   const TFigData* unsettled = nullptr);

}  // namespace mirel::test
