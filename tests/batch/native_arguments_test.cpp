#include "text/native_arguments.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(NativeArguments, EveryByteStringComesBackExactly) {
  const std::string valid[] = {"", "plain.mrl", "/home/はな/え.mrl", "\xf0\x9f\x98\x80.mrl"};
  for (const std::string& bytes : valid) {
    EXPECT_EQ(ArgumentFromBytes(bytes), QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_EQ(BytesFromArgument(ArgumentFromBytes(bytes)), bytes);
  }
  const std::string invalid[] = {
      "\xff\xfe.mrl",        // never in UTF-8
      "\x82\xa8.mrl",        // code page 932
      "a\xc3(b",             // a lead byte without its trail
      "\xc0\xaf",            // overlong
      "\xed\xa0\x80",        // an encoded surrogate
      "\xf4\x90\x80\x80",    // above U+10FFFF
      "\xe3\x81",            // cut short at the end
      "\xf0\x9f\x98\x80\xdc",  // a pair, then a byte that looks like its escape
  };
  for (const std::string& bytes : invalid) {
    const QString argument = ArgumentFromBytes(bytes);
    EXPECT_NE(argument, QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_EQ(BytesFromArgument(argument), bytes);
  }
}

}  // namespace
}  // namespace mirel
