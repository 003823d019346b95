#pragma once
// The names the picture exports write, formed from the file the user chose.
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

enum class TPictureKind { Bmp, Jpeg, Png };

// The kind a picture file's name asks for by its extension (.bmp, .jpg,
// .png, in any case), or none.
std::optional<TPictureKind> PictureKindOf(std::string_view path);

// The backup name of a chosen picture: its base name (no folders, drive or
// extension) + ".bak". It is relative: the backup lands in the current
// folder, which the save dialog has just made the chosen file's folder.
// pic.bmp and pic.jpg share pic.bak.
std::string PictureBackupName(std::string_view chosenPath);

// The name of step `step` (from 1) of the all-steps series for a chosen
// file: base name + the step as three digits (four and more from 1000) +
// ".jpg", relative to the current folder.
std::string SeriesFrameName(std::string_view chosenPath, int step);

}  // namespace mirel
