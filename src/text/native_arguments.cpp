#include "text/native_arguments.h"

namespace mirel {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at the start of `s`; 0 if none.
std::size_t Utf8SequenceLength(std::string_view s) {
  const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

QString ArgumentFromBytes(std::string_view bytes) {
  QString text;
  while (!bytes.empty()) {
    const std::size_t length = Utf8SequenceLength(bytes);
    if (length == 0) {
      text.append(QChar(static_cast<char16_t>(kEscapeBase | static_cast<unsigned char>(bytes[0]))));
      bytes.remove_prefix(1);
    } else {
      text.append(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length)));
      bytes.remove_prefix(length);
    }
  }
  return text;
}

std::string BytesFromArgument(const QString& argument) {
  std::string bytes;
  for (qsizetype i = 0; i < argument.size(); ++i) {
    const QChar c = argument[i];
    if (c.isHighSurrogate() && i + 1 < argument.size() && argument[i + 1].isLowSurrogate()) {
      bytes += argument.mid(i, 2).toStdString();
      ++i;
    } else if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
      bytes += static_cast<char>(c.unicode() & 0xFF);
    } else {
      bytes += QString(c).toStdString();
    }
  }
  return bytes;
}

QStringList ArgumentsKeepingBytes(int argc, const char* const argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(ArgumentFromBytes(argv[i]));
  return arguments;
}

}  // namespace mirel
