// The crash journal follows the history record by record and rebuilds the
// drawing as it stood; the next start offers it back or sets it aside.
#include <filesystem>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <set>

#include <sys/resource.h>

#include "datafile/data_writer.h"
#include "fileio/user_words.h"
#include "support/temp_folder.h"
#include "editor/editor_fixture.h"
#include "datafile/recovery_folder.h"
#include "fileio/file_replace.h"
#include "support/file_helpers.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

std::string Written(const THistoryList& history) {
  TDataOutput out;
  WriteDataFile(out, history);
  return out.Text();
}

std::vector<fs::path> FilesIn(const fs::path& folder, std::string_view prefix) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(prefix) && name.ends_with(".mrl")) files.push_back(entry.path());
  }
  return files;
}

const std::string kRecoverQuestion = "かくにん: " + std::string(msg::kRecoverDrawing);

// The first line of each question.
std::vector<std::string> FirstLines(const std::vector<std::string>& questions) {
  std::vector<std::string> lines;
  for (const std::string& question : questions) lines.push_back(question.substr(0, question.find('\n')));
  return lines;
}

// Marks `file` as last changed at 2004-11-22 hour:minute, local time.
void SetChanged(const fs::path& file, int hour, int minute) {
  std::tm local{};
  local.tm_year = 104;
  local.tm_mon = 10;
  local.tm_mday = 22;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_isdst = -1;
  const auto moment = std::chrono::system_clock::from_time_t(std::mktime(&local));
  fs::last_write_time(file, std::chrono::file_clock::from_sys(moment));
}

// One window with its journal in a scratch folder.
struct TWindow {
  TScriptedUser User;
  TRecordingView View;
  TEditor Editor{View, User, FixedClock()};
  explicit TWindow(const fs::path& folder, std::deque<bool> answers = {}) {
    View.Editor = &Editor;
    User.YesNo = std::move(answers);
    Editor.StartRecovery(folder.string());
  }
  fs::path Journal() const { return Editor.Document().Journal()->Path(); }
};

struct TRecoveryTest : TEditorTest {
  TTempFolder Folder;
  fs::path Recovery() const { return Folder.Path() / "recovery"; }
  TRecoveryTest() { Editor.StartRecovery(Recovery().string()); }
  fs::path Journal() { return Doc().Journal()->Path(); }
  void ExpectJournalIsHistory(const char* after) {
    EXPECT_EQ(ReadAll(Journal()), Written(History())) << "after " << after;
  }
};

TEST_F(TRecoveryTest, JournalIsTheHistoryAfterEveryCommand) {
  EXPECT_TRUE(User.Questions.empty());
  ExpectJournalIsHistory("start");
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"a rectangle", [&] { DrawRect({10, 10}, {60, 40}); }},
      {"a free line", [&] { DrawPoints(dtFreeLine, {{100, 100}, {120, 130}, {150, 110}}); }},
      {"a text", [&] { DrawText({300, 300}, "はな"); }},
      {"a move", [&] { SelectAt({10, 10}, {5, 5}); }},
      // A pending resize is written before the duplicate that commits it:
      // the duplicate's record is older but completes last.
      {"a resize then a duplicate", [&] { Editor.TrackBarChange(true, 20); Editor.DupBtnClick(); }},
      {"a resize of a point list", [&] { SelectAt({100, 100}); Editor.TrackBarChange(false, 30); Editor.EditMove({600, 470}); }},
      {"a delete and an undo", [&] { SelectAt({300, 300}); Editor.DeleteBtnClick(); Editor.UndoBtnClick(); }},
      {"a branch", [&] {
         Editor.SellectPlayBtnClick();
         Editor.ReverseBtnClick();
         User.YesNo = {true};
         Editor.SellectDrawBtnClick();
         DrawRect({200, 200}, {220, 220});
       }},
      {"the clear menu", [&] { Editor.ClearMenuClick(TClearMenu::ClearAllMenu); }},
  };
  for (const auto& [name, step] : steps) {
    step();
    ExpectJournalIsHistory(name);
  }
  EXPECT_GE(History().GetStepCount(), 9);
}

TEST_F(TRecoveryTest, ReadSaveAndResetAreJournaled) {
  DrawRect({10, 10}, {60, 40});
  DrawRect({70, 10}, {90, 40});
  const std::string saved = (Folder.Path() / "two.mrl").string();
  User.Files = {saved};
  ASSERT_TRUE(Editor.WriteDataMenuClick().Ok);
  EXPECT_EQ(ReadAll(TRecoveryJournal::NameFileOf(Journal())), saved);

  Editor.ResetEditor();
  ExpectJournalIsHistory("a reset");
  User.YesNo = {true};
  Editor.OpenFileByName(saved);
  ExpectJournalIsHistory("a read");
  EXPECT_EQ(History().GetStepCount(), 2);
  DrawRect({100, 100}, {120, 120});
  ExpectJournalIsHistory("drawing after the read");
  EXPECT_EQ(ReadAll(TRecoveryJournal::NameFileOf(Journal())), saved);

  // A name relative to the current folder is kept whole: the next start may
  // run elsewhere.
  User.Files = {"relative.mrl"};
  const fs::path here = fs::current_path();
  fs::current_path(Folder.Path());
  ASSERT_TRUE(Editor.WriteDataMenuClick().Ok);
  fs::current_path(here);
  EXPECT_EQ(ReadAll(TRecoveryJournal::NameFileOf(Journal())), (Folder.Path() / "relative.mrl").string());

  // A failed read belongs to no file.
  const fs::path broken = Folder.Path() / "broken.mrl";
  std::ofstream(broken, std::ios::binary) << "MIREL FILE FORMAT 1.3\r\nbegin ActionData\r\n";
  User.YesNo = {true};
  Editor.OpenFileByName(broken.string());
  ExpectJournalIsHistory("a failed read");
  EXPECT_FALSE(fs::exists(TRecoveryJournal::NameFileOf(Journal())));
}

TEST_F(TRecoveryTest, CleanExitsRemoveTheJournalOthersKeepIt) {
  const fs::path journal = Journal();
  Editor.ExitByForceClick();
  EXPECT_TRUE(fs::exists(journal));

  DrawRect({10, 10}, {60, 40});
  User.YesNoCancel = {TAnswer::Cancel};
  Editor.ExitMenuClick();
  EXPECT_TRUE(fs::exists(journal));
  User.YesNoCancel = {TAnswer::No};
  Editor.ExitMenuClick();
  EXPECT_EQ(Editor.ExitStatus(), 0);
  EXPECT_FALSE(fs::exists(journal));
  EXPECT_TRUE(FilesIn(Recovery(), "journal-").empty());
}

TEST_F(TRecoveryTest, AJournalThatCannotBeWrittenIsToldOnceAndStaysReadable) {
  DrawRect({10, 10}, {60, 40});
  const std::string whole = ReadAll(Journal());
  IgnoreFileSizeSignal();
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit full = old;  // as a full disk: the journal cannot grow
  full.rlim_cur = whole.size();
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
  for (int x : {100, 200}) {
    DrawRect({x, 10}, {x + 20, 40});
    Editor.TellJournalTrouble();
  }
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(User.Notices, std::vector<std::string>{std::string(msg::kJournalFailed)});
  EXPECT_EQ(ReadAll(Journal()), whole);  // no half record
  // Written whole again at a reset, and a later failure is told again.
  Editor.ResetEditor();
  Editor.TellJournalTrouble();
  ExpectJournalIsHistory("a reset");
  full.rlim_cur = fs::file_size(Journal());
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
  DrawRect({10, 10}, {60, 40});
  Editor.TellJournalTrouble();
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(User.Notices.size(), 2u);
}

TEST(RecoveryStartTest, AnsweringYesBringsTheDrawingBackUnsaved) {
  TTempFolder folder;
  const fs::path saved = folder.Path() / "hana.mrl";
  std::string before;
  {
    TWindow first(folder.Path());
    first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    first.User.Files = {saved.string()};
    ASSERT_TRUE(first.Editor.WriteDataMenuClick().Ok);
    first.Editor.FinishBoxFigure(dtEllipse, {100, 10}, {150, 50});
    before = Written(first.Editor.Document().History());
    first.Editor.ExitByForceClick();
  }
  TWindow second(folder.Path(), {true});
  EXPECT_EQ(FirstLines(second.User.Questions), std::vector<std::string>{kRecoverQuestion});
  EXPECT_TRUE(second.User.Notices.empty());
  const TDocument& doc = second.Editor.Document();
  EXPECT_EQ(Written(doc.History()), before);
  EXPECT_EQ(doc.Figures().Count(), 2);
  EXPECT_EQ(doc.DataFileName(), saved.string());
  EXPECT_EQ(second.View.Caption, "Mirel Ver.1.31 - " + saved.string());
  // The drawing now lives in the new window's journal alone.
  EXPECT_EQ(FilesIn(folder.Path(), "journal-"), (std::vector<fs::path>{second.Journal()}));
  EXPECT_EQ(ReadAll(second.Journal()), before);
  EXPECT_EQ(ReadAll(TRecoveryJournal::NameFileOf(second.Journal())), saved.string());
  // Unsaved: leaving asks, and new figures go on from the next ID.
  second.Editor.FinishBoxFigure(dtRectangle, {200, 200}, {220, 220});
  EXPECT_EQ(doc.History().GetTail()->Data.TargetID, 3);
}

TEST(RecoveryStartTest, ADrawingUnchangedSinceItWasSavedOrReadIsNotOffered) {
  TTempFolder folder;
  const fs::path saved = folder.Path() / "hana.mrl";
  {
    TWindow first(folder.Path());
    first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    first.User.Files = {saved.string()};
    ASSERT_TRUE(first.Editor.WriteDataMenuClick().Ok);
  }
  {
    TWindow second(folder.Path());
    second.Editor.OpenFileByName(saved.string());
    ASSERT_EQ(second.Editor.Document().Figures().Count(), 1);
  }
  TWindow third(folder.Path());
  EXPECT_TRUE(third.User.Questions.empty());
  EXPECT_EQ(FilesIn(folder.Path(), "journal-"), (std::vector<fs::path>{third.Journal()}));
  EXPECT_TRUE(FilesIn(folder.Path(), "recovered-").empty());
}

TEST(RecoveryStartTest, AnsweringNoSetsItAsideForLater) {
  TTempFolder folder;
  std::string before;
  {
    TWindow first(folder.Path());
    first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    before = Written(first.Editor.Document().History());
  }
  TWindow second(folder.Path(), {false});
  EXPECT_EQ(second.User.Questions.size(), 1u);
  EXPECT_EQ(second.Editor.Document().History().GetStepCount(), 0);
  const std::vector<fs::path> aside = FilesIn(folder.Path(), "recovered-");
  ASSERT_EQ(aside.size(), 1u);
  // The fixed clock: 2004-11-22 13:05:09.
  EXPECT_EQ(aside[0].filename(), "recovered-20041122-130509.mrl");
  EXPECT_EQ(ReadAll(aside[0]), before);
  EXPECT_TRUE(FilesIn(folder.Path(), "journal-").size() == 1u);

  // Set aside, it is not offered again; the next one gets its own name.
  {
    TWindow third(folder.Path(), {false});
    EXPECT_TRUE(third.User.Questions.empty());
    third.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    third.Editor.ExitByForceClick();
  }
}

TEST(RecoveryStartTest, ARunningWindowsJournalIsNotOffered) {
  TTempFolder folder;
  TWindow first(folder.Path());
  first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
  TWindow second(folder.Path(), {true});
  EXPECT_TRUE(second.User.Questions.empty());
  second.Editor.FinishBoxFigure(dtEllipse, {10, 10}, {50, 50});
  EXPECT_NE(first.Journal(), second.Journal());
  EXPECT_EQ(ReadAll(first.Journal()), Written(first.Editor.Document().History()));
  EXPECT_EQ(ReadAll(second.Journal()), Written(second.Editor.Document().History()));
}

TEST(RecoveryStartTest, AHalfWrittenRecordAndEmptyJournals) {
  TTempFolder folder;
  std::string before;
  fs::path journal;
  {
    TWindow first(folder.Path());
    first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
    before = Written(first.Editor.Document().History());
    journal = first.Journal();
  }
  // Killed in the middle of an append.
  std::ofstream(journal, std::ios::binary | std::ios::app) << "begin ActionData\r\n2004 11 22 13";
  // A window that never recorded anything left only the header.
  { TWindow empty(folder.Path() / "other"); }

  TWindow second(folder.Path(), {true});
  EXPECT_TRUE(second.User.Notices.empty());
  EXPECT_EQ(Written(second.Editor.Document().History()), before);
  TWindow third(folder.Path() / "other");
  EXPECT_TRUE(third.User.Questions.empty());
  EXPECT_EQ(FilesIn(folder.Path() / "other", "journal-").size(), 1u);
}

TEST(RecoveryStartTest, AJournalTooLargeToHoldIsSetAsideUnread) {
  TTempFolder folder;
  {
    TWindow first(folder.Path());
    first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
  }
  TScriptedUser user;
  user.YesNo = {true};
  TRecordingView view;
  TEditor editor{view, user, FixedClock()};
  editor.Document().SetMemoryAvailable([] { return std::uint64_t{64}; });
  editor.StartRecovery(folder.Path().string());
  EXPECT_EQ(editor.Document().History().GetStepCount(), 0);
  EXPECT_EQ(FilesIn(folder.Path(), "recovered-").size(), 1u);
}

TEST(RecoveryStartTest, NoJournalFolderIsToldAndDrawingGoesOn) {
  TTempFolder folder;
  std::ofstream(folder.Path() / "file") << "not a folder";
  TWindow window(folder.Path() / "file" / "recovery");
  EXPECT_EQ(window.User.Notices, std::vector<std::string>{std::string(msg::kNoJournal)});
  window.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
  EXPECT_EQ(window.Editor.Document().History().GetStepCount(), 1);
}

TEST(RecoveryStartTest, EachLeftDrawingIsOfferedInTurnNewestFirstByNameAndTime) {
  const std::string hana = "かくにん: " + std::string(msg::kRecoverDrawing) +
                           "\nえ： hana.mrl\nさいごに かいた とき： 2004/11/22 09:05"
                           "\n（のこっている え 2まいの うち 2まいめ）";
  const std::string unnamed = "かくにん: " + std::string(msg::kRecoverDrawing) +
                              "\nえ： なまえのない え\nさいごに かいた とき： 2004/11/22 14:30"
                              "\n（のこっている え 2まいの うち 1まいめ）";
  const struct {
    std::deque<bool> Answers;
    std::vector<std::string> Asked;
    int Taken;  // figures of the drawing taken back (hana has 2, the unnamed one 1)
  } cases[] = {{{false, false}, {unnamed, hana}, 0}, {{true}, {unnamed}, 1}, {{false, true}, {unnamed, hana}, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Asked.size() * 10 + c.Taken);
    TTempFolder folder;
    fs::path older;
    fs::path newer;
    {
      TWindow first(folder.Path());
      first.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
      first.User.Files = {(folder.Path() / "hana.mrl").string()};
      ASSERT_TRUE(first.Editor.WriteDataMenuClick().Ok);
      first.Editor.FinishBoxFigure(dtEllipse, {100, 10}, {150, 50});
      TWindow second(folder.Path());
      second.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
      older = first.Journal();
      newer = second.Journal();
    }
    SetChanged(older, 9, 5);
    SetChanged(newer, 14, 30);
    TWindow third(folder.Path(), c.Answers);
    EXPECT_EQ(third.User.Questions, c.Asked);
    EXPECT_EQ(third.Editor.Document().Figures().Count(), c.Taken);
    // Whatever was not taken back is kept for later.
    EXPECT_EQ(FilesIn(folder.Path(), "recovered-").size(), c.Taken ? 1u : 2u);
    EXPECT_EQ(FilesIn(folder.Path(), "journal-").size(), 1u);
  }
}

TEST(RecoveryStartTest, AJournalThatCannotBeMadeAtStartIsTriedAgainAndToldOnce) {
  TTempFolder folder;
  const fs::path blocker = folder.Path() / "file";
  std::ofstream(blocker) << "not a folder";
  TWindow window(blocker / "recovery");
  window.Editor.FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
  window.Editor.TellJournalTrouble();
  EXPECT_EQ(window.User.Notices, std::vector<std::string>{std::string(msg::kNoJournal)});
  // Room again: the next reset, read or retry makes it, and it follows the drawing.
  fs::remove(blocker);
  const fs::path saved = folder.Path() / "hana.mrl";
  window.User.Files = {saved.string()};
  ASSERT_TRUE(window.Editor.WriteDataMenuClick().Ok);
  window.User.YesNo = {true};
  window.Editor.OpenFileByName(saved.string());
  window.Editor.FinishBoxFigure(dtEllipse, {100, 10}, {150, 50});
  window.Editor.TellJournalTrouble();
  ASSERT_TRUE(fs::exists(window.Journal()));
  EXPECT_EQ(ReadAll(window.Journal()), Written(window.Editor.Document().History()));
  EXPECT_EQ(ReadAll(TRecoveryJournal::NameFileOf(window.Journal())), saved.string());
  EXPECT_EQ(window.User.Notices.size(), 1u);
}

// A drawing a read replaces stays in the recovery folder unless it is saved.
struct TReplacedDrawingTest : TRecoveryTest {
  fs::path Other() {
    const fs::path other = Folder.Path() / "other.mrl";
    if (!fs::exists(other)) std::ofstream(other, std::ios::binary) << "MIREL FILE FORMAT 1.3\r\n";
    return other;
  }
  void Save(const std::string& name) {
    User.Files = {(Folder.Path() / name).string()};
    ASSERT_TRUE(Editor.WriteDataMenuClick().Ok);
  }
  void OpenByName() {
    User.YesNo = {true};
    Editor.OpenFileByName(Other().string());
  }
  void ReadFromMenu() {
    User.Files = {Other().string()};
    User.YesNo = {true};
    Editor.ReadDataMenuClick();
  }
};

TEST_F(TReplacedDrawingTest, UnsavedDrawingsAreKeptWhenAReadReplacesThem) {
  EXPECT_EQ(User.ListedFolder, Recovery().string());  // the open dialogs list it
  const struct {
    const char* Name;
    std::function<void()> Before;
    std::function<void()> Read;
    bool Kept;
  } cases[] = {
      {"drawn, opened by name", [&] { DrawRect({10, 10}, {60, 40}); }, [&] { OpenByName(); }, true},
      {"drawn, read from the menu", [&] { DrawRect({10, 10}, {60, 40}); }, [&] { ReadFromMenu(); }, true},
      {"saved", [&] { DrawRect({10, 10}, {60, 40}); Save("a.mrl"); }, [&] { OpenByName(); }, false},
      {"drawn after saving", [&] { DrawRect({10, 10}, {60, 40}); Save("b.mrl"); DrawRect({1, 1}, {9, 9}); },
       [&] { OpenByName(); }, true},
      {"a read, unchanged", [&] { Editor.OpenFileByName((Folder.Path() / "a.mrl").string()); },
       [&] { ReadFromMenu(); }, false},
      {"a read, then moved",
       [&] {
         Editor.OpenFileByName((Folder.Path() / "a.mrl").string());
         SelectAt({10, 10}, {5, 5});
       },
       [&] { OpenByName(); }, true},
      {"the read refused", [&] { DrawRect({10, 10}, {60, 40}); },
       [&] {
         User.YesNo = {false};
         Editor.OpenFileByName(Other().string());
       },
       false},
      {"nothing drawn", [] {}, [&] { OpenByName(); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Editor.ResetEditor();
    for (const fs::path& kept : FilesIn(Recovery(), "recovered-")) fs::remove(kept);
    c.Before();
    const std::string before = Written(History());
    c.Read();
    const std::vector<fs::path> kept = FilesIn(Recovery(), "recovered-");
    ASSERT_EQ(kept.size(), c.Kept ? 1u : 0u);
    if (c.Kept) {
      EXPECT_EQ(ReadAll(kept[0]), before);
    }
  }
}

TEST_F(TReplacedDrawingTest, TheNewestTwentyAreKeptUnderNamesOfTheirOwn) {
  // Drawing n has n rectangles; several are kept within one second.
  for (int n = 1; n <= 25; ++n) {
    for (int i = 0; i < n; ++i) DrawRect({i, 0}, {i + 5, 5});
    OpenByName();
  }
  std::set<std::size_t> figures;
  for (const fs::path& kept : FilesIn(Recovery(), "recovered-")) {
    const std::string text = ReadAll(kept);
    std::size_t count = 0;
    for (std::size_t at = text.find("begin ActionData"); at != std::string::npos;
         at = text.find("begin ActionData", at + 1)) {
      ++count;
    }
    figures.insert(count);
  }
  std::set<std::size_t> newest;
  for (std::size_t n = 6; n <= 25; ++n) newest.insert(n);
  EXPECT_EQ(figures, newest);
}

}  // namespace
}  // namespace mirel::test
