#pragma once
// Brings the picture under the canvas in line with the background that a
// rebuilt step asks for.
#include <string>

#include "replay/background_surface.h"

namespace mirel {

// When `wanted` differs from `shown`: an empty name clears the picture; any
// other name is loaded. A file that is not there is looked for once more by
// its last path component in the current folder (a data file may have
// travelled without its folders); a file that is there but cannot be shown
// keeps the old picture, so that another picture of the same name elsewhere
// never appears in its place. Afterwards `shown` names `wanted` whether a
// load succeeded or not, so a missing picture is not looked for again at
// every step.
void ShowReplayBackground(IBackgroundSurface& surface, const std::string& wanted, std::string& shown);

}  // namespace mirel
