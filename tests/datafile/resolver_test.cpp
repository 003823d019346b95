#include <gtest/gtest.h>

#include "datafile/file_name_resolver.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "test_histories.h"

namespace mirel {
namespace {

const std::string kQuestionTail = "が見つかりません。場所を指定しますか？";

TEST(ResolveFileName, ExistingFileWithAFolderIsKeptWithoutAQuestion) {
  test::TTempFolder folder;
  test::WriteAll(folder / "hana.jpg", "x");
  test::TScriptedUser prompts;
  const std::string name = (folder / "hana.jpg").string();
  EXPECT_EQ(ResolveFileName(name, prompts), name);
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST(ResolveFileName, WindowsPathFindsTheLastComponentInTheCurrentFolder) {
  test::TTempFolder folder(true);
  test::WriteAll(folder / "hana.jpg", "x");
  test::TScriptedUser prompts;
  EXPECT_EQ(ResolveFileName("C:\\work\\hana.jpg", prompts), "hana.jpg");
  // After a dialog chose a file, its folder comes first.
  prompts.Folder = "/home/kids/e/";
  EXPECT_EQ(ResolveFileName("C:\\work\\hana.jpg", prompts), "/home/kids/e/hana.jpg");
  EXPECT_EQ(ResolveFileName("D:/old/hana.jpg", prompts), "/home/kids/e/hana.jpg");
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST(ResolveFileName, NameWithoutFolderAlwaysAsks) {
  test::TTempFolder folder(true);
  test::WriteAll(folder / "hana.jpg", "x");
  test::TScriptedUser prompts;
  EXPECT_EQ(ResolveFileName("hana.jpg", prompts), "hana.jpg");
  ASSERT_EQ(prompts.Questions.size(), 1u);
  EXPECT_EQ(prompts.Questions[0], "確認: hana.jpg" + kQuestionTail);
  EXPECT_TRUE(prompts.Locates.empty());  // answered No
}

TEST(ResolveFileName, LocateDialogGetsTheNameAndTheFilterOfItsExtension) {
  test::TTempFolder folder(true);
  const std::pair<std::string, int> cases[] = {
      {"C:\\pics\\hana.jpg", 2}, {"C:\\pics\\hana.JPG", 2}, {"C:\\pics\\hana.Jpg", 1},
      {"/pics/hana.bmp", 1},     {"/pics/hana", 1},
  };
  for (const auto& [name, filter] : cases) {
    test::TScriptedUser prompts;
    prompts.YesNo = {true};
    EXPECT_EQ(ResolveFileName(name, prompts), name) << "cancelled keeps the name as read";
    ASSERT_EQ(prompts.Locates.size(), 1u);
    EXPECT_EQ(prompts.Locates[0].FileName, name.substr(name.find_last_of("\\/") + 1));
    EXPECT_EQ(prompts.Locates[0].FilterIndex, filter) << name;
  }
}

TEST(ResolveFileName, ChosenFileIsRecordedInCodePage932) {
  test::TTempFolder folder(true);
  test::TScriptedUser prompts;
  prompts.YesNo = {true, true, true};
  prompts.Located = {"/e/はな.jpg", "/e/\xF0\x9F\x8C\xB8.jpg", "/e/a\nb.jpg"};
  EXPECT_EQ(ResolveFileName("C:\\e\\x.jpg", prompts), "/e/\x82\xCD\x82\xC8.jpg");
  // A path code page 932 cannot hold, or one that would break the file's
  // lines, cannot be recorded: the name stays as read.
  EXPECT_EQ(ResolveFileName("C:\\e\\x.jpg", prompts), "C:\\e\\x.jpg");
  EXPECT_EQ(ResolveFileName("C:\\e\\x.jpg", prompts), "C:\\e\\x.jpg");
}

TEST(ResolveFileName, TrailByteBackslashIsNoSeparator) {
  test::TTempFolder folder(true);
  test::TScriptedUser prompts;
  // "表.jpg" in a folder: 0x95 0x5C is one character.
  ResolveFileName("C:\\work\\\x95\x5C.jpg", prompts);
  ResolveFileName("\x95\x5C.jpg", prompts);
  ASSERT_EQ(prompts.Questions.size(), 2u);
  EXPECT_EQ(prompts.Questions[0], "確認: 表.jpg" + kQuestionTail);
  EXPECT_EQ(prompts.Questions[1], "確認: 表.jpg" + kQuestionTail);
}

TEST(NonInteractivePrompts, NeverAskAndSearchExtraFoldersByLastComponent) {
  test::TTempFolder folder(true);
  std::filesystem::create_directories(folder / "bg");
  test::WriteAll(folder / "bg" / "hana.jpg", "x");
  test::WriteAll(folder / "here.jpg", "x");

  TNonInteractivePrompts plain;
  EXPECT_EQ(ResolveFileName("C:\\work\\hana.jpg", plain), "C:\\work\\hana.jpg");

  TNonInteractivePrompts searching({(folder / "bg").string()});
  EXPECT_EQ(ResolveFileName("C:\\work\\hana.jpg", searching), (folder / "bg" / "hana.jpg").string());
  EXPECT_EQ(ResolveFileName("hana.jpg", searching), (folder / "bg" / "hana.jpg").string());
  EXPECT_EQ(ResolveFileName("C:\\work\\missing.jpg", searching), "C:\\work\\missing.jpg");
  // Found here already: kept as read, as the current folder is where it is looked up.
  EXPECT_EQ(ResolveFileName("here.jpg", searching), "here.jpg");
  EXPECT_EQ(ResolveFileName("C:\\work\\here.jpg", searching), "here.jpg");
}

}  // namespace
}  // namespace mirel
