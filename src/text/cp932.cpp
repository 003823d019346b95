#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace mirel {
namespace {

struct TIconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Owns one iconv conversion descriptor.
class TIconv {
 public:
  TIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    Cd.reset(cd);
  }

  iconv_t Get() const { return static_cast<iconv_t>(Cd.get()); }

  void Reset() const { iconv(Get(), nullptr, nullptr, nullptr, nullptr); }

 private:
  std::unique_ptr<void, TIconvCloser> Cd;
};

bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsCp932TrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// Length of the code page 932 character that iconv rejected at the start of `rest`.
size_t Cp932BadLength(std::string_view rest) {
  if (rest.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(rest[0])) &&
      IsCp932TrailByte(static_cast<unsigned char>(rest[1]))) {
    return 2;
  }
  return 1;
}

// Length of the UTF-8 sequence at the start of `rest`; 0 when it is malformed
// (then one byte is skipped).
size_t Utf8SequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  size_t length = 0;
  if (lead < 0x80) {
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (rest.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

std::string HexBytes(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", static_cast<unsigned char>(c));
    if (!out.empty()) out += ' ';
    out += buffer;
  }
  return out;
}

// Runs iconv over `input`; `onBad` is told about each rejected stretch and
// returns how many input bytes to skip for it.
template <typename OnBad>
std::string Convert(const TIconv& cd, std::string_view input, OnBad onBad) {
  std::string out;
  out.reserve(input.size() * 3 / 2 + 8);
  size_t done = 0;
  char buffer[4096];
  while (done < input.size()) {
    char* in = const_cast<char*>(input.data() + done);
    size_t inLeft = input.size() - done;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    done = input.size() - inLeft;
    if (result != static_cast<size_t>(-1)) continue;
    if (error == E2BIG) continue;
    // EILSEQ or EINVAL (a truncated character at the end): replace and go on.
    cd.Reset();
    const size_t skip = onBad(input.substr(done));
    out += '?';
    done += skip;
  }
  return out;
}

}  // namespace

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TTextConversion Cp932ToUtf8(std::string_view cp932) {
  TTextConversion result;
  if (IsAscii(cp932)) {
    result.Text = cp932;
    return result;
  }
  const TIconv cd("UTF-8", "CP932");
  result.Text = Convert(cd, cp932, [&result](std::string_view rest) {
    const size_t length = Cp932BadLength(rest);
    result.Ok = false;
    if (!result.Unconvertible.empty()) result.Unconvertible += ' ';
    result.Unconvertible += HexBytes(rest.substr(0, length));
    return length;
  });
  return result;
}

TTextConversion Utf8ToCp932(std::string_view utf8) {
  TTextConversion result;
  if (IsAscii(utf8)) {
    result.Text = utf8;
    return result;
  }
  const TIconv cd("CP932", "UTF-8");
  result.Text = Convert(cd, utf8, [&result](std::string_view rest) {
    const size_t length = Utf8SequenceLength(rest);
    const std::string character = length == 0 ? std::string("\xEF\xBF\xBD") : std::string(rest.substr(0, length));
    result.Ok = false;
    if (result.Unconvertible.find(character) == std::string::npos) result.Unconvertible += character;
    return length == 0 ? size_t{1} : length;
  });
  return result;
}

}  // namespace mirel
