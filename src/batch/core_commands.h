#pragma once
// The commands of mirel-batch that draw nothing: they read a data file and
// write text or a data file, without the picture and toolkit libraries, so
// that they start as fast as a small tool. Each returns the exit status (0,
// or 1 with the message on standard error).
#include <string>

namespace mirel {

// Prints the internal-processing lines of every record, in UTF-8.
int LogDataFile(const std::string& file);
// Reads `file` and writes its history to `output` as a new data file.
int ResaveDataFile(const std::string& file, const std::string& output);

}  // namespace mirel
