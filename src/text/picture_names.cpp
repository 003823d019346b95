#include "text/picture_names.h"

#include <cctype>
#include <cstdio>

#include "text/path_utils.h"

namespace mirel {

std::optional<TPictureKind> PictureKindOf(std::string_view path) {
  std::string extension = ExtensionOf(path);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".bmp") return TPictureKind::Bmp;
  if (extension == ".jpg") return TPictureKind::Jpeg;
  if (extension == ".png") return TPictureKind::Png;
  return std::nullopt;
}

std::string PictureBackupName(std::string_view chosenPath) { return BaseNameOf(chosenPath) + ".bak"; }

std::string SeriesFrameName(std::string_view chosenPath, int step) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d", step);
  return BaseNameOf(chosenPath) + number + ".jpg";
}

}  // namespace mirel
