#pragma once
// The data files kept under tests/data: their names and how each is made,
// so that they can be regenerated and checked to be up to date.
#include <map>
#include <string>

namespace mirel::test {

// File name -> bytes.
std::map<std::string, std::string> GoldenFiles();

}  // namespace mirel::test
