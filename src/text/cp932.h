#pragma once
// Conversion between code page 932 byte strings (as figure and history
// records hold them) and UTF-8 text (what Qt and the file system use).

#include <string>
#include <string_view>

namespace mirel {

struct TTextConversion {
  std::string Text;           // best-effort result; each unconvertible character became '?'
  bool Ok = true;             // false when anything had to be replaced
  std::string Unconvertible;  // what could not be converted (see the functions)
};

// Decodes code page 932 bytes. Bytes that form no code page 932 character are
// replaced by '?' and listed in Unconvertible as hex bytes, one group per
// character separated by blanks, e.g. "0x81 0x20 0xFF".
TTextConversion Cp932ToUtf8(std::string_view cp932);

// Encodes UTF-8 text. Characters code page 932 cannot hold (and malformed
// UTF-8 bytes) are replaced by '?'; Unconvertible holds each such character
// once, as UTF-8, in order of first appearance (malformed bytes as U+FFFD).
TTextConversion Utf8ToCp932(std::string_view utf8);

// True when every byte is 7-bit ASCII, which reads the same in both encodings.
bool IsAscii(std::string_view bytes);

}  // namespace mirel
