#include "text/path_utils.h"

#include "text/cp932.h"

namespace mirel {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsCp932Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length of FolderPart: one past the last separator or drive colon.
// With `cp932`, the byte after a lead byte is skipped, never taken as a separator.
size_t FolderLength(std::string_view path, bool cp932) {
  size_t length = 0;
  if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') length = 2;
  for (size_t i = 0; i < path.size(); ++i) {
    if (cp932 && IsCp932Lead(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (IsSeparator(path[i])) length = i + 1;
  }
  return length;
}

// Position of the extension's dot within a last component, or npos. A dot is
// a single-byte character, and never a trail byte in code page 932 (trail
// bytes start at 0x40), so a plain search is safe in both encodings.
size_t ExtensionStart(std::string_view component) { return component.rfind('.'); }

std::string Extension(std::string_view component) {
  const size_t dot = ExtensionStart(component);
  return dot == std::string_view::npos ? std::string() : std::string(component.substr(dot));
}

std::string BaseName(std::string_view component) {
  return std::string(component.substr(0, ExtensionStart(component)));
}

}  // namespace

std::string FolderPart(std::string_view path) { return std::string(path.substr(0, FolderLength(path, false))); }

std::string LastComponent(std::string_view path) { return std::string(path.substr(FolderLength(path, false))); }

std::string ExtensionOf(std::string_view path) { return Extension(path.substr(FolderLength(path, false))); }

std::string BaseNameOf(std::string_view path) { return BaseName(path.substr(FolderLength(path, false))); }

std::string FolderPartCp932(std::string_view path) { return std::string(path.substr(0, FolderLength(path, true))); }

std::string LastComponentCp932(std::string_view path) { return std::string(path.substr(FolderLength(path, true))); }

std::string ExtensionOfCp932(std::string_view path) { return Extension(path.substr(FolderLength(path, true))); }

std::string BaseNameOfCp932(std::string_view path) { return BaseName(path.substr(FolderLength(path, true))); }

std::string NativePathFromCp932(std::string_view cp932) {
  TTextConversion converted = Cp932ToUtf8(cp932);
  return converted.Ok ? std::move(converted.Text) : std::string();
}

}  // namespace mirel
