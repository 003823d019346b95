#pragma once
// Path helpers for file names recorded on any platform: both '\' and '/'
// separate folders, and a leading "X:" names a drive, so "C:\work\hana.jpg"
// splits the same way here as where it was written.

#include <string>
#include <string_view>

namespace mirel {

// On UTF-8 (or any ASCII-compatible single-byte-safe) text.

// Everything up to and including the last separator or drive colon; empty if none.
std::string FolderPart(std::string_view path);
// The part after FolderPart.
std::string LastComponent(std::string_view path);
// From the last dot of LastComponent on, dot included; empty if it has no dot.
std::string ExtensionOf(std::string_view path);
// LastComponent without its extension.
std::string BaseNameOf(std::string_view path);

// The same on code page 932 bytes, without decoding them: a 0x5C that is
// the trail byte of a double-byte character (as in "表" = 0x95 0x5C) is not
// a separator. They work on bytes that do not decode, too.
std::string FolderPartCp932(std::string_view path);
std::string LastComponentCp932(std::string_view path);
std::string ExtensionOfCp932(std::string_view path);
std::string BaseNameOfCp932(std::string_view path);

// The UTF-8 name to open for a recorded code page 932 file name. Only the
// encoding changes: separators stay as recorded. Returns an empty string
// when the name does not decode completely, since a name with '?' in place
// of a character would name a different file.
std::string NativePathFromCp932(std::string_view cp932);

}  // namespace mirel
