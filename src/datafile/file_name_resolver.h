#pragma once
// Decides the recorded file name of a ReadData or ReadBG record read from a
// data file, asking the user to locate a picture that cannot be found.
#include <string>
#include <string_view>

#include "datafile/reader_prompts.h"

namespace mirel {

// `name` is the line read (code page 932 bytes); so is the result. Windows
// paths such as C:\work\hana.jpg split at '\' as well as '/'. Never fails.
std::string ResolveFileName(std::string_view name, IReaderPrompts& prompts);

}  // namespace mirel
