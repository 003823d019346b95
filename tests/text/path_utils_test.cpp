#include "text/path_utils.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(PathUtils, WindowsPath) {
  EXPECT_EQ(FolderPart("C:\\work\\hana.jpg"), "C:\\work\\");
  EXPECT_EQ(LastComponent("C:\\work\\hana.jpg"), "hana.jpg");
  EXPECT_EQ(ExtensionOf("C:\\work\\hana.jpg"), ".jpg");
  EXPECT_EQ(BaseNameOf("C:\\work\\hana.jpg"), "hana");
}

TEST(PathUtils, MixedSeparatorsAndDrive) {
  EXPECT_EQ(FolderPart("C:/work\\sub/e.mrl"), "C:/work\\sub/");
  EXPECT_EQ(LastComponent("/home/u\\x.bmp"), "x.bmp");
  EXPECT_EQ(FolderPart("D:hana.bmp"), "D:");
  EXPECT_EQ(LastComponent("D:hana.bmp"), "hana.bmp");
  EXPECT_EQ(FolderPart("hana.bmp"), "");
  EXPECT_EQ(LastComponent("hana.bmp"), "hana.bmp");
  EXPECT_EQ(FolderPart("dir/"), "dir/");
  EXPECT_EQ(LastComponent("dir/"), "");
}

TEST(PathUtils, ExtensionFromLastDotOfLastComponent) {
  EXPECT_EQ(ExtensionOf("a.b/c"), "");
  EXPECT_EQ(ExtensionOf("pic.tar.JPG"), ".JPG");
  EXPECT_EQ(ExtensionOf("noext"), "");
  EXPECT_EQ(ExtensionOf("trailing."), ".");
  EXPECT_EQ(BaseNameOf("x/pic.tar.JPG"), "pic.tar");
  EXPECT_EQ(BaseNameOf("x/noext"), "noext");
}

TEST(PathUtils, Cp932TrailByteIsNoSeparator) {
  // "C:\表\表.jpg": each 表 is 0x95 0x5C.
  const std::string path = "C:\\\x95\x5C\\\x95\x5C.jpg";
  EXPECT_EQ(FolderPartCp932(path), "C:\\\x95\x5C\\");
  EXPECT_EQ(LastComponentCp932(path), "\x95\x5C.jpg");
  EXPECT_EQ(ExtensionOfCp932(path), ".jpg");
  EXPECT_EQ(BaseNameOfCp932(path), "\x95\x5C");
  // A name that is only 表 has no folder part.
  EXPECT_EQ(FolderPartCp932("\x95\x5C"), "");
  EXPECT_EQ(LastComponentCp932("\x95\x5C"), "\x95\x5C");
}

TEST(PathUtils, Cp932HelpersWorkOnUndecodableBytes) {
  // 0xFF is no character; a lead byte at the end has no trail.
  EXPECT_EQ(LastComponentCp932("d\\\xFF\\a\x81"), "a\x81");
  EXPECT_EQ(FolderPartCp932("d\\\xFF\\a\x81"), "d\\\xFF\\");
  // A lead byte followed by '/' swallows it, as code page 932 text would.
  EXPECT_EQ(FolderPartCp932("a\x81/b"), "");
}

TEST(PathUtils, NativePathOnlyChangesEncoding) {
  EXPECT_EQ(NativePathFromCp932("C:\\\x95\x5C\\\x82\xA0.bmp"), "C:\\表\\あ.bmp");
  EXPECT_EQ(NativePathFromCp932("dir/\xFF.bmp"), "");
}

}  // namespace
}  // namespace mirel
