#pragma once
// A background surface that records what it was asked and loads only the
// names it is told exist.
#include <set>
#include <string>
#include <vector>

#include "replay/background_surface.h"

namespace mirel::test {

class TFakeBackground : public IBackgroundSurface {
 public:
  std::set<std::string> Existing;
  std::set<std::string> Undecodable;  // there, but no picture
  std::vector<std::string> Calls;  // "load NAME" or "clear"
  std::string Picture;              // what is shown; empty = blank

  TResult<> LoadBackground(const std::string& cp932Name) override {
    Calls.push_back("load " + cp932Name);
    if (Undecodable.contains(cp932Name)) return TResult<>::Failed("no picture");
    if (!Existing.contains(cp932Name)) return BackgroundNotFound();
    Picture = cp932Name;
    return TResult<>::Done();
  }
  void ClearBackground() override {
    Calls.push_back("clear");
    Picture.clear();
  }
};

}  // namespace mirel::test
