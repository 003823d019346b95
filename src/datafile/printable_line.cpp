#include "datafile/printable_line.h"

#include <cstdio>

#include "text/cp932.h"

namespace mirel {
namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// Bytes of the character at the start of `rest`.
std::size_t CharLength(std::string_view rest) {
  return rest.size() >= 2 && IsLeadByte(static_cast<unsigned char>(rest[0])) &&
                 IsTrailByte(static_cast<unsigned char>(rest[1]))
             ? 2
             : 1;
}

// C0 and C1 controls and DEL, as UTF-8.
bool IsControl(std::string_view utf8) {
  const auto first = static_cast<unsigned char>(utf8[0]);
  if (first < 0x20 || first == 0x7F) return true;
  return first == 0xC2 && utf8.size() > 1 && static_cast<unsigned char>(utf8[1]) <= 0x9F;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  for (const char c : bytes) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
    out += escaped;
  }
}

}  // namespace

std::string PrintableLine(std::string_view cp932, std::size_t maxBytes) {
  std::string out;
  std::size_t i = 0;
  while (i < cp932.size() && i < maxBytes) {
    const std::string_view character = cp932.substr(i, CharLength(cp932.substr(i)));
    i += character.size();
    const auto first = static_cast<unsigned char>(character[0]);
    if (first >= 0x20 && first < 0x7F) {
      out += character;
      continue;
    }
    const TTextConversion decoded = first < 0x80 ? TTextConversion{} : Cp932ToUtf8(character);
    if (first >= 0x80 && decoded.Ok && !decoded.Text.empty() && !IsControl(decoded.Text)) {
      out += decoded.Text;
    } else {
      AppendEscaped(out, character);
    }
  }
  if (i < cp932.size()) out += "...";
  return out;
}

}  // namespace mirel
