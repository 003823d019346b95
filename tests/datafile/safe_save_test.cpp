#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "datafile/safe_save.h"
#include "support/temp_folder.h"
#include "test_histories.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Files may grow to `bytes` only, while it lives; writes past it fail.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

class SafeSave : public ::testing::Test {
 protected:
  SafeSave() { test::BuildEveryKind(history_); }
  THistoryList history_;
  test::TTempFolder folder_;
};

TEST(BackupNames, OverwriteSaveReplacesTheLastThreeCharacters) {
  EXPECT_EQ(BackupPathFor("/e/drawing.mrl", TBackupRule::OverwriteSave), "/e/drawing.bak");
  EXPECT_EQ(BackupPathFor("/e/drawing.jpeg", TBackupRule::OverwriteSave), "/e/drawing.jbak");
  EXPECT_EQ(BackupPathFor("/e/えほん", TBackupRule::OverwriteSave), "/e/bak");
  EXPECT_EQ(BackupPathFor("/e/え.mrl", TBackupRule::OverwriteSave), "/e/え.bak");
  EXPECT_EQ(BackupPathFor("/e/ab", TBackupRule::OverwriteSave), "/e/bak");
  EXPECT_EQ(BackupPathFor("drawing.mrl", TBackupRule::OverwriteSave), "drawing.bak");
}

TEST(BackupNames, SaveAsDropsTheExtensionWhateverItsLength) {
  EXPECT_EQ(BackupPathFor("/e/drawing.mrl", TBackupRule::SaveAs), "/e/drawing.bak");
  EXPECT_EQ(BackupPathFor("/e/drawing.jpeg", TBackupRule::SaveAs), "/e/drawing.bak");
  EXPECT_EQ(BackupPathFor("/e/pic.old.mrl", TBackupRule::SaveAs), "/e/pic.old.bak");
  EXPECT_EQ(BackupPathFor("/e/noext", TBackupRule::SaveAs), "/e/noext.bak");
  EXPECT_EQ(BackupPathFor("/e.d/noext", TBackupRule::SaveAs), "/e.d/noext.bak");
}

TEST_F(SafeSave, NewFileHoldsTheWrittenHistoryAndNothingElseIsLeft) {
  const fs::path target = folder_ / "drawing.mrl";
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::SaveAs);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_TRUE(result.Value().empty());
  EXPECT_EQ(test::ReadAll(target), test::WriteToString(history_));
  EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"drawing.mrl"});
}

TEST_F(SafeSave, ReplacedFileBecomesTheBackupAndKeepsItsPermissions) {
  const fs::path target = folder_ / "drawing.mrl";
  test::WriteAll(target, "old drawing");
  ::chmod(target.c_str(), 0640);
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::OverwriteSave);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_EQ(result.Value(), folder_ / "drawing.bak");
  EXPECT_EQ(test::ReadAll(folder_ / "drawing.bak"), "old drawing");
  EXPECT_EQ(test::ReadAll(target), test::WriteToString(history_));
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(Names(folder_.Path()), (std::vector<std::string>{"drawing.bak", "drawing.mrl"}));
}

TEST_F(SafeSave, TakenBackupNameIsLeftAloneAndTheFileRewritten) {
  const fs::path target = folder_ / "drawing.mrl";
  test::WriteAll(target, "old drawing");
  test::WriteAll(folder_ / "drawing.bak", "older backup");
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::OverwriteSave);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_TRUE(result.Value().empty());
  EXPECT_EQ(test::ReadAll(folder_ / "drawing.bak"), "older backup");
  EXPECT_EQ(test::ReadAll(target), test::WriteToString(history_));
}

TEST_F(SafeSave, SaveAsBacksUpUnderTheNameWithoutExtension) {
  const fs::path target = folder_ / "e.hon.mrl2";
  test::WriteAll(target, "old");
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::SaveAs);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_EQ(test::ReadAll(folder_ / "e.hon.bak"), "old");
}

TEST_F(SafeSave, FailedWriteLeavesThePreviousFileWholeAndNoTemporaryFile) {
  const fs::path target = folder_ / "drawing.mrl";
  test::WriteAll(target, "old drawing");
  const TResult<fs::path> result = [&] {
    TFileSizeLimit limit(4096);  // the history needs more
    return SaveHistoryToFile(history_, target, TBackupRule::OverwriteSave);
  }();
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Detail.find("cannot write"), std::string::npos) << result.Detail;
  // The user learns the file and the system's own reason.
  EXPECT_NE(result.Message.find("drawing.mrl"), std::string::npos) << result.Message;
  EXPECT_NE(result.Message.find(std::strerror(EFBIG)), std::string::npos) << result.Message;
  EXPECT_EQ(test::ReadAll(target), "old drawing");
  EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"drawing.mrl"});
}

TEST_F(SafeSave, MissingFolderIsAFailure) {
  const fs::path target = folder_ / "gone" / "drawing.mrl";
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::SaveAs);
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Detail.empty());
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
}

TEST_F(SafeSave, TargetThatIsAFolderIsRefusedAndKept) {
  const fs::path target = folder_ / "drawing.mrl";
  fs::create_directories(target / "inside");
  const TResult<fs::path> result = SaveHistoryToFile(history_, target, TBackupRule::OverwriteSave);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"drawing.mrl"});
}

TEST_F(SafeSave, SavingThroughALinkWritesTheFileItNamesAndKeepsTheLink) {
  fs::create_directory(folder_ / "store");
  test::WriteAll(folder_ / "store" / "real.mrl", "old drawing");
  fs::create_symlink("store/real.mrl", folder_ / "drawing.mrl");
  const TResult<fs::path> result = SaveHistoryToFile(history_, folder_ / "drawing.mrl", TBackupRule::OverwriteSave);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_TRUE(fs::is_symlink(folder_ / "drawing.mrl"));
  EXPECT_EQ(test::ReadAll(folder_ / "store" / "real.mrl"), test::WriteToString(history_));
  // The backup is named after the name saved to.
  EXPECT_EQ(result.Value(), folder_ / "drawing.bak");
  EXPECT_EQ(test::ReadAll(folder_ / "drawing.bak"), "old drawing");
}

}  // namespace
}  // namespace mirel
