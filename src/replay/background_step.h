#pragma once
// Brings the picture under the canvas in line with the background that a
// rebuilt step asks for.
#include <string>

#include "replay/background_surface.h"

namespace mirel {

// When `wanted` differs from `shown`: an empty name clears the picture; any
// other name is loaded, and failing that its last path component is loaded
// from the current folder (a data file may have travelled without its
// folders); failing that too, the old picture stays without a word.
// Afterwards `shown` names `wanted` whether a load succeeded or not, so a
// missing picture is not looked for again at every step.
void ShowReplayBackground(IBackgroundSurface& surface, const std::string& wanted, std::string& shown);

}  // namespace mirel
