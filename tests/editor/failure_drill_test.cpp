// Failure drills: saving into a read-only folder, onto a full disk, over a
// file that vanished and into a folder that was removed; reading files that
// are no drawings. Each fault is applied in a child process (a full disk is
// a file size limit there; a read-only folder needs a user other than root),
// and ends with the previous file intact and the user told.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fileio/user_words.h"
#include "support/temp_folder.h"
#include "editor/editor_fixture.h"
#include "support/file_helpers.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

enum class TFault { ReadOnlyFolder, FullDisk, VanishedFile, RemovedFolder };

struct TDrill {
  const char* Name;
  TFault Fault;
  bool SaveWorks;      // a vanished file is simply written again
  const char* Reason;  // told under the failure's message
};

constexpr TDrill kDrills[] = {
    {"read-only folder", TFault::ReadOnlyFolder, false, "かきこむ けんりが ありません"},
    {"full disk", TFault::FullDisk, false, "ファイルが おおきすぎます"},  // the size limit's EFBIG
    {"vanished file", TFault::VanishedFile, true, ""},
    {"removed folder", TFault::RemovedFolder, false, "ほぞんする フォルダが みつかりません"},
};

void ApplyFault(TFault fault, const fs::path& folder, const fs::path& file) {
  switch (fault) {
    case TFault::ReadOnlyFolder:
      ::chmod(folder.c_str(), 0555);
      // Root writes anywhere: the drill runs as nobody.
      if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
      break;
    case TFault::FullDisk: {
      // Writing past the limit fails with EFBIG instead of killing the process.
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{64, 64};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      break;
    }
    case TFault::VanishedFile: fs::remove(file); break;
    case TFault::RemovedFolder: fs::remove_all(folder); break;
  }
}

// What went wrong in the child, one bit each (0: the drill passed).
enum : int { kWrongSaveResult = 1, kWrongNotice = 2, kEnded = 4, kWrongSaveAs = 8, kWrongReason = 16 };

int RunDrill(const TDrill& drill, const fs::path& folder, const fs::path& file) {
  TScriptedUser user;
  TRecordingView view;
  TEditor editor(view, user, FixedClock());
  editor.OpenFileByName(file.string());
  editor.FinishBoxFigure(dtEllipse, {100, 100}, {200, 150});
  ApplyFault(drill.Fault, folder, file);

  int failed = 0;
  if (editor.OverWriteDataMenuClick().Ok != drill.SaveWorks) failed |= kWrongSaveResult;
  const std::string_view told = drill.SaveWorks ? msg::kOverwritten : msg::kOverwriteFailed;
  if (user.Notices != std::vector<std::string>{std::string(told)}) failed |= kWrongNotice;
  if (drill.SaveWorks) return failed;
  if (user.Reasons != std::vector<std::string>{drill.Reason}) failed |= kWrongReason;

  // Yes to saving at the exit: the save fails, so the program stays.
  user.YesNoCancel = {TAnswer::Yes};
  editor.ExitMenuClick();
  if (editor.ExitStatus()) failed |= kEnded;
  // Save-as into the same folder fails the same way.
  user.Files = {(folder / "other.mrl").string()};
  if (editor.WriteDataMenuClick().Ok || user.Notices.back() != msg::kSaveAsFailed) failed |= kWrongSaveAs;
  if (user.Reasons.back() != drill.Reason) failed |= kWrongReason;
  return failed;
}

TEST(FailureDrillTest, SavingUnderEachFaultKeepsThePreviousFileAndTheProgram) {
  for (const TDrill& drill : kDrills) {
    SCOPED_TRACE(drill.Name);
    TTempFolder root;
    const fs::path folder = root.Path() / "drawings";
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::all);
    const fs::path file = folder / "hana.mrl";
    {
      TScriptedUser user;
      TRecordingView view;
      TEditor editor(view, user, FixedClock());
      for (int i = 0; i < 5; ++i) editor.FinishBoxFigure(dtRectangle, {10 * i, 0}, {10 * i + 5, 5});
      user.Files = {file.string()};
      ASSERT_TRUE(editor.WriteDataMenuClick().Ok);
    }
    const std::string before = ReadAll(file);

    EXPECT_EQ(InChild([&] { return RunDrill(drill, folder, file); }), 0);

    if (fs::exists(folder)) fs::permissions(folder, fs::perms::owner_all);
    if (drill.SaveWorks) {
      EXPECT_NE(ReadAll(file), before);
      continue;
    }
    if (drill.Fault == TFault::RemovedFolder) {
      EXPECT_FALSE(fs::exists(folder));  // not made again behind the user's back
      continue;
    }
    EXPECT_EQ(ReadAll(file), before);
    // No half-written file, temporary or backup is left behind.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"hana.mrl"});
  }
}

TEST(FailureDrillTest, ReadingWhatIsNoDrawingIsToldAndNeverHangs) {
  TTempFolder folder;
  const fs::path truncated = folder / "truncated.mrl";
  std::ofstream(truncated, std::ios::binary)
      << "MIREL FILE FORMAT 1.3\r\nbegin ActionData\r\n2004 11 22 13 05 09 87\r\nCreate\r\n1\r\nbegin Fig";
  const fs::path binary = folder / "binary.mrl";
  {
    std::ofstream out(binary, std::ios::binary);
    for (int i = 0; i < 70000; ++i) out.put(static_cast<char>(i * 7919 % 256));
  }
  const fs::path directory = folder / "folder.mrl";
  fs::create_directories(directory);
  const fs::path fifo = folder / "fifo.mrl";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  // A drawing larger than the memory left (here: a machine with 1 MB).
  const fs::path large = folder / "large.mrl";
  {
    std::ofstream out(large, std::ios::binary);
    out << "MIREL FILE FORMAT 1.3\r\n" << std::string(300 * 1024, ' ');
  }

  const struct {
    fs::path Path;
    bool KeepsDrawing;  // refused before the drawing was replaced
    std::vector<std::string> Reasons;  // under the message, for a file that could not be opened
  } cases[] = {{truncated, false, {}},
               {binary, false, {}},
               {directory, true, {"ファイルでは なく フォルダです"}},
               {fifo, true, {"コンピュータが ファイルを つかわせて くれませんでした"}},
               {large, true, {}},
               {folder / "missing.mrl", true, {"ファイルが みつかりません"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path.filename().string());
    TScriptedUser user;
    TRecordingView view;
    TEditor editor(view, user, FixedClock());
    editor.Document().SetMemoryAvailable([] { return std::uint64_t{1} << 20; });
    editor.FinishBoxFigure(dtRectangle, {10, 10}, {20, 20});
    user.YesNo = {true};
    editor.OpenFileByName(c.Path.string());
    ASSERT_EQ(user.Notices.size(), 1u);
    EXPECT_FALSE(user.Notices[0].empty());
    EXPECT_EQ(user.Reasons, c.Reasons);
    EXPECT_TRUE(editor.Document().DataFileName().empty());
    if (c.KeepsDrawing) {
      EXPECT_EQ(editor.Document().History().GetStepCount(), 1);
    }
    // Drawing goes on either way.
    editor.FinishBoxFigure(dtRectangle, {30, 30}, {40, 40});
  }
}

}  // namespace
}  // namespace mirel::test
