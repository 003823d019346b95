#include "replay/background_step.h"

#include <gtest/gtest.h>

#include "fake_background.h"

namespace mirel::test {
namespace {

using Calls = std::vector<std::string>;

TEST(ReplayBackground, LoadsOnlyWhenTheNameChanges) {
  TFakeBackground surface;
  surface.Existing = {"C:\\work\\hana.jpg"};
  std::string shown;
  ShowReplayBackground(surface, "C:\\work\\hana.jpg", shown);
  ShowReplayBackground(surface, "C:\\work\\hana.jpg", shown);
  EXPECT_EQ(surface.Calls, (Calls{"load C:\\work\\hana.jpg"}));
  EXPECT_EQ(shown, "C:\\work\\hana.jpg");

  ShowReplayBackground(surface, "", shown);
  ShowReplayBackground(surface, "", shown);
  EXPECT_EQ(surface.Calls, (Calls{"load C:\\work\\hana.jpg", "clear"}));
  EXPECT_EQ(shown, "");
}

TEST(ReplayBackground, FallsBackToTheFileNameInTheCurrentFolder) {
  TFakeBackground surface;
  surface.Existing = {"hana.jpg"};
  std::string shown;
  ShowReplayBackground(surface, "C:\\work/old\\hana.jpg", shown);
  EXPECT_EQ(surface.Calls, (Calls{"load C:\\work/old\\hana.jpg", "load hana.jpg"}));
  EXPECT_EQ(surface.Picture, "hana.jpg");
  EXPECT_EQ(shown, "C:\\work/old\\hana.jpg");
}

TEST(ReplayBackground, PictureThatCannotBeShownIsNotReplacedByItsNamesake) {
  TFakeBackground surface;
  surface.Existing = {"a.bmp", "hana.jpg"};
  surface.Undecodable = {"C:\\work\\hana.jpg"};
  std::string shown;
  ShowReplayBackground(surface, "a.bmp", shown);
  ShowReplayBackground(surface, "C:\\work\\hana.jpg", shown);
  EXPECT_EQ(surface.Calls, (Calls{"load a.bmp", "load C:\\work\\hana.jpg"}));
  EXPECT_EQ(surface.Picture, "a.bmp");
}

TEST(ReplayBackground, TrailByteIsNotAFolderSeparator) {
  TFakeBackground surface;
  // "表.jpg" in code page 932: its second byte is 0x5C.
  const std::string name = "\x95\x5C.jpg";
  surface.Existing = {name};
  std::string shown;
  ShowReplayBackground(surface, "D:\\e\\" + name, shown);
  EXPECT_EQ(surface.Picture, name);
}

TEST(ReplayBackground, MissingPictureKeepsTheOldOneAndIsNotSoughtAgain) {
  TFakeBackground surface;
  surface.Existing = {"a.bmp"};
  std::string shown;
  ShowReplayBackground(surface, "a.bmp", shown);
  ShowReplayBackground(surface, "gone.bmp", shown);  // no folder: one look-up
  ShowReplayBackground(surface, "gone.bmp", shown);
  EXPECT_EQ(surface.Calls, (Calls{"load a.bmp", "load gone.bmp"}));
  EXPECT_EQ(surface.Picture, "a.bmp");
  EXPECT_EQ(shown, "gone.bmp");
}

}  // namespace
}  // namespace mirel::test
