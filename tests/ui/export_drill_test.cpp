// Exports under faults: a read-only folder and a full disk (each in a child
// process) leave the previous picture as it was, name the file to the user
// and give the window back.
#include <QApplication>
#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "ui/form_fixture.h"
#include "support/file_helpers.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

enum class TFault { ReadOnlyFolder, FullDisk };

void ApplyFault(TFault fault, const fs::path& folder) {
  if (fault == TFault::ReadOnlyFolder) {
    ::chmod(folder.c_str(), 0555);
    // Root writes anywhere: the drill runs as nobody.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
  } else {
    std::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the end of the process
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
}

class TExportDrillTest : public TFormTest {
 protected:
  TTempFolder root_;
  fs::path folder_ = root_.Path() / "pictures";
  TExportDrillTest() {
    fs::create_directories(folder_);
    fs::permissions(folder_, fs::perms::all);
  }
  ~TExportDrillTest() override { fs::permissions(folder_, fs::perms::owner_all); }

  // Chooses `menu` with `file` in the child under `fault`; 0 when the user
  // was told once, naming the file `named`, and the window is enabled again.
  int ExportInChild(TFault fault, const char* menu, const fs::path& file, const std::string& named) {
    const pid_t child = ::fork();
    if (child == 0) {
      ApplyFault(fault, folder_);
      User().Files = {file.string()};
      Choose(menu);
      int failed = 0;
      if (User().Notices.size() != 1) failed |= 1;
      if (!User().Notices.empty() && User().Notices[0].find(named) == std::string::npos) {
        failed |= 2;
      }
      if (!Form().isEnabled() || QApplication::overrideCursor()) failed |= 4;
      // Why, in words: the encoder of a video may fail first, with no system reason.
      const std::string why = fault == TFault::ReadOnlyFolder ? "かきこむ けんりが ありません" : "ファイルが おおきすぎます";
      const bool video = std::string_view(menu) == "SaveMovieMenu";
      if (User().Reasons.size() != 1 || (User().Reasons[0] != why && !video)) failed |= 8;
      ::_exit(failed);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
};

TEST_F(TExportDrillTest, PicturesAndSeriesUnderFaults) {
  DrawRectangles(2);
  const struct {
    const char* Menu;
    const char* Chosen;
    const char* Written;  // the first file the export writes
  } exports[] = {{"Save2BMPMenu", "e.bmp", "e.bmp"},
                 {"Save2JPEGMenu", "e.jpg", "e.jpg"},
                 {"SaveAllProcessMenu", "s.jpg", "s001.jpg"},
                 {"SaveMovieMenu", "v.mp4", "v.mp4"}};
  for (TFault fault : {TFault::ReadOnlyFolder, TFault::FullDisk}) {
    for (const auto& e : exports) {
      SCOPED_TRACE(std::string(e.Menu) + (fault == TFault::FullDisk ? " on a full disk" : " in a read-only folder"));
      const fs::path previous = folder_ / e.Written;
      std::ofstream(previous, std::ios::binary) << "the previous picture";
      EXPECT_EQ(ExportInChild(fault, e.Menu, folder_ / e.Chosen, e.Written), 0);
      EXPECT_EQ(ReadAll(previous), "the previous picture");
      std::vector<std::string> names;
      for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
      EXPECT_EQ(names, std::vector<std::string>{e.Written});  // no partial file, no backup
      fs::remove(previous);
    }
  }
}

}  // namespace
}  // namespace mirel::test
