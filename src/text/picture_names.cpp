#include "text/picture_names.h"

#include <cstdio>

#include "text/path_utils.h"

namespace mirel {

std::string PictureBackupName(std::string_view chosenPath) { return BaseNameOf(chosenPath) + ".bak"; }

std::string SeriesFrameName(std::string_view chosenPath, int step) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d", step);
  return BaseNameOf(chosenPath) + number + ".jpg";
}

}  // namespace mirel
