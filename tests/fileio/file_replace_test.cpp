#include "fileio/file_replace.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"
#include "fileio/temp_file.h"
#include "support/file_helpers.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;
using test::InChild;

void Write(const fs::path& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TResult<fs::path> ReplaceWith(const fs::path& target, std::string_view text, const fs::path& backup = {}) {
  return ReplaceFile(target, backup, [text](TFileSink& sink) { return sink.Write(text); });
}

struct TLinkCase {
  const char* What;
  std::vector<std::pair<std::string, std::string>> Links;  // name -> what it points to
  std::string Chosen;  // the name written to
  std::string Real;    // the file that must receive the contents
  bool RealExists;
};

TEST(FileReplace, SymbolicLinksAreFollowedAndStayLinks) {
  const TLinkCase cases[] = {
      {"relative", {{"link.mrl", "real.mrl"}}, "link.mrl", "real.mrl", true},
      {"into a folder", {{"link.mrl", "store/real.mrl"}}, "link.mrl", "store/real.mrl", true},
      {"chain", {{"first.mrl", "second.mrl"}, {"second.mrl", "store/real.mrl"}}, "first.mrl", "store/real.mrl", true},
      {"dangling", {{"link.mrl", "store/new.mrl"}}, "link.mrl", "store/new.mrl", false},
  };
  for (const TLinkCase& c : cases) {
    test::TTempFolder folder;
    fs::create_directory(folder / "store");
    if (c.RealExists) Write(folder / c.Real, "old");
    for (const auto& [name, target] : c.Links) fs::create_symlink(target, folder / name);
    fs::create_symlink(folder / c.Links.front().second, folder / "absolute.mrl");

    const TResult<fs::path> result = ReplaceWith(folder / c.Chosen, "new", folder / "chosen.bak");
    ASSERT_TRUE(result.Ok) << c.What << ": " << result.Detail;
    EXPECT_EQ(test::ReadAll(folder / c.Real), "new") << c.What;
    for (const auto& [name, target] : c.Links) {
      EXPECT_TRUE(fs::is_symlink(folder / name)) << c.What << ": " << name;
      EXPECT_EQ(fs::read_symlink(folder / name), target) << c.What;
    }
    EXPECT_EQ(fs::exists(folder / "chosen.bak"), c.RealExists) << c.What;
    if (c.RealExists) {
      EXPECT_EQ(test::ReadAll(folder / "chosen.bak"), "old") << c.What;
    }

    // Through an absolute link as well.
    ASSERT_TRUE(ReplaceWith(folder / "absolute.mrl", "newer").Ok) << c.What;
    EXPECT_TRUE(fs::is_symlink(folder / "absolute.mrl"));
  }
}

TEST(FileReplace, ALinkLoopIsAFailureWithTheSystemsReason) {
  test::TTempFolder folder;
  fs::create_symlink("b.mrl", folder / "a.mrl");
  fs::create_symlink("a.mrl", folder / "b.mrl");
  const TResult<fs::path> result = ReplaceWith(folder / "a.mrl", "new");
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Message, std::strerror(ELOOP));
  EXPECT_NE(result.Detail.find("a.mrl"), std::string::npos);
  EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"a.mrl", "b.mrl"}));
}

TEST(FileReplace, AFileSizeLimitIsAWriteErrorWithItsReasonNotADeath) {
  test::TTempFolder folder;
  Write(folder / "drawing.mrl", "old");
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);  // as a fresh process has it
    const rlimit limit{4096, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const TResult<fs::path> result = ReplaceWith(folder / "drawing.mrl", std::string(100000, 'x'));
    if (result.Ok) return 1;
    return result.Message == std::strerror(EFBIG) && result.Detail.find("drawing.mrl") != std::string::npos ? 0 : 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::ReadAll(folder / "drawing.mrl"), "old");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"drawing.mrl"});
}

TEST(FileReplace, AProcessKilledWhileWritingLeavesTheOldFileAndNothingElse) {
  test::TTempFolder folder;
  Write(folder / "drawing.mrl", "old");
  for (int run = 0; run < 3; ++run) {
    const int status = InChild([&] {
      ReplaceFile(folder / "drawing.mrl", folder / "drawing.bak", [](TFileSink& sink) {
        sink.Write(std::string(1 << 20, 'x'));
        ::raise(SIGKILL);
        return true;
      });
      return 0;
    });
    EXPECT_EQ(status, 128 + SIGKILL);
  }
  EXPECT_EQ(test::ReadAll(folder / "drawing.mrl"), "old");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"drawing.mrl"});
}

TEST(FileReplace, StaleTemporaryFilesOfOurOwnAreRemovedAtTheNextWrite) {
  test::TTempFolder folder;
  const std::string stale = ".mirel-save-0123456789abcdef.tmp";
  const std::string fresh = ".mirel-save-fedcba9876543210.tmp";
  const std::string foreign = ".mirel-save-notours.tmp";
  for (const std::string& name : {stale, fresh, foreign}) Write(folder / name, "left behind");
  const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
  fs::last_write_time(folder / stale, twoDaysAgo);
  fs::last_write_time(folder / foreign, twoDaysAgo);

  ASSERT_TRUE(ReplaceWith(folder / "drawing.mrl", "new").Ok);
  EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{fresh, foreign, "drawing.mrl"}));
}

TEST(FileReplace, AHeldFileIsPrivateLockedAndGrowsByWholeAppends) {
  test::TTempFolder folder;
  Write(folder / "journal.mrl", "old");
  ::chmod((folder / "journal.mrl").c_str(), 0644);
  TResult<TLockedFile> held =
      ReplaceLockedFile(folder / "journal.mrl", [](TFileSink& sink) { return sink.Write("head\n"); });
  ASSERT_TRUE(held.Ok) << held.Detail;
  EXPECT_EQ(fs::status(folder / "journal.mrl").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(TLockedFile::TryLockExisting(folder / "journal.mrl")) << "locked while held";
  ASSERT_TRUE(held->Append("one\n"));
  // As a full disk: an append that cannot be written whole leaves nothing.
  EXPECT_EQ(InChild([&] {
              std::signal(SIGXFSZ, SIG_IGN);
              const rlimit full{12, 12};
              ::setrlimit(RLIMIT_FSIZE, &full);
              return held->Append("two and more\n") ? 1 : 0;
            }),
            0);
  EXPECT_EQ(test::ReadAll(folder / "journal.mrl"), "head\none\n");
  held->Close();
  EXPECT_TRUE(TLockedFile::TryLockExisting(folder / "journal.mrl"));
}

TEST(TempFile, NamedFilesFollowThePatternAndGoUnlessMoved) {
  test::TTempFolder folder;
  for (const TTempFile::TKind kind : {TTempFile::TKind::Named, TTempFile::TKind::Unnamed}) {
    TTempFile temp;
    ASSERT_EQ(temp.Create(folder.Path(), kind), 0);
    EXPECT_EQ(Names(folder.Path()).size(), kind == TTempFile::TKind::Named ? 1u : 0u);
    ASSERT_EQ(temp.GiveName(), 0);
    EXPECT_TRUE(IsTempFileName(temp.Path().filename().native())) << temp.Path();
    EXPECT_TRUE(fs::exists(temp.Path()));
    EXPECT_EQ(temp.Close(), 0);
  }
  EXPECT_TRUE(Names(folder.Path()).empty());
  // Moved, named or not, onto a free name or over a file, no other name stays.
  Write(folder / "taken", "old");
  for (const TTempFile::TKind kind : {TTempFile::TKind::Named, TTempFile::TKind::Unnamed}) {
    for (const char* target : {"free", "taken"}) {
      TTempFile temp;
      ASSERT_EQ(temp.Create(folder.Path(), kind), 0);
      ASSERT_EQ(::write(temp.Fd(), "new", 3), 3);
      EXPECT_EQ(temp.MoveTo(folder / target), 0);
      EXPECT_EQ(temp.Close(), 0);
      EXPECT_EQ(test::ReadAll(folder / target), "new");
    }
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"free", "taken"}));
    fs::remove(folder / "free");
  }
  EXPECT_FALSE(IsTempFileName(".mirel-save-0123456789ABCDEF.tmp"));
  EXPECT_FALSE(IsTempFileName(".mirel-save-0123456789abcde.tmp"));
}

}  // namespace
}  // namespace mirel
