#pragma once
// File dialog filters written as "caption|patterns|caption|patterns" (patterns
// joined by ';') turned into Qt's name filters "caption (p1 p2)".
#include <QStringList>
#include <string_view>

namespace mirel {

// One name filter per caption/patterns pair; a caption without patterns is
// dropped, since it would list nothing.
QStringList QtNameFilters(std::string_view filter);

}  // namespace mirel
