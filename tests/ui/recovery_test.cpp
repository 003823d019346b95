// The window at start-up with a drawing an earlier run left unsaved.
#include <QAction>
#include <QSignalSpy>
#include <filesystem>

#include "datafile/safe_save.h"
#include "fileio/user_words.h"
#include "support/temp_folder.h"
#include "support/file_helpers.h"
#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

// A window of its own, journaling into the test's folder.
struct TWindow {
  TScriptedUser* User;
  std::unique_ptr<TMirelForm> Form;
  TWindow(const fs::path& folder, std::deque<bool> answers, const QString& file = {}) {
    auto user = std::make_unique<TScriptedUser>();
    User = user.get();
    User->YesNo = std::move(answers);
    Form = std::make_unique<TMirelForm>(std::move(user), FixedClock());
    Form->show();
    Form->FormCreate(file, QString::fromStdString(folder.string()));
  }
  TEditor& Editor() { return Form->Editor(); }
};

std::vector<fs::path> Files(const fs::path& folder, std::string_view prefix) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(prefix)) files.push_back(entry.path());
  }
  return files;
}

// The first window draws, saves under `saved`, draws on, and is ended by
// force; its last drawing is kept in `copy`.
void LeaveADrawing(const fs::path& folder, const std::string& saved, const fs::path& copy = {}) {
  TWindow first(folder, {});
  first.Editor().FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
  first.User->Files = {saved};
  first.Editor().WriteDataMenuClick();
  first.Editor().FinishBoxFigure(dtEllipse, {100, 100}, {300, 200});
  if (!copy.empty()) {
    EXPECT_TRUE(SaveHistoryToFile(first.Editor().Document().History(), copy, TBackupRule::SaveAs).Ok);
  }
  QSignalSpy exits(first.Form.get(), &TMirelForm::ExitRequested);
  first.Form->findChild<QAction*>(QStringLiteral("ExitByForce"))->trigger();
  EXPECT_EQ(exits.count(), 1);
}

TEST(WindowRecoveryTest, YesShowsTheDrawingWithItsFileName) {
  TTempFolder folder;
  const std::string saved = (folder.Path() / "hana.mrl").string();
  const fs::path copy = folder.Path() / "copy.mrl";
  LeaveADrawing(folder.Path(), saved, copy);

  TWindow second(folder.Path(), {true});
  ASSERT_EQ(second.User->Questions.size(), 1u);
  EXPECT_EQ(second.User->Questions[0].substr(0, second.User->Questions[0].find('\n')),
            "かくにん: " + std::string(msg::kRecoverDrawing));
  EXPECT_EQ(second.Form->windowTitle(), QString::fromStdString("Mirel Ver.1.31 - " + saved));
  EXPECT_EQ(second.Editor().Document().History().GetStepCount(), 2);
  TWindow reader(folder.Path() / "elsewhere", {}, QString::fromStdString(copy.string()));
  EXPECT_EQ(second.Form->BackBufferImage(), reader.Form->BackBufferImage());
  // Unsaved: leaving asks whether to save over its file.
  second.User->YesNoCancel = {TAnswer::Cancel};
  second.Form->close();
  EXPECT_EQ(second.User->Questions.size(), 2u);
  EXPECT_TRUE(second.Form->isVisible());
}

TEST(WindowRecoveryTest, NoSetsItAsideAndTheCommandLineFileOpens) {
  TTempFolder folder;
  const std::string saved = (folder.Path() / "hana.mrl").string();
  LeaveADrawing(folder.Path(), saved);

  TWindow second(folder.Path(), {false}, QString::fromStdString(saved));
  EXPECT_EQ(second.Editor().Document().History().GetStepCount(), 1);  // the saved file
  EXPECT_EQ(Files(folder.Path(), "recovered-").size(), 1u);
  // The clean exit takes this window's journal away; the one set aside stays.
  second.User->YesNoCancel = {TAnswer::No};
  second.Form->close();
  EXPECT_TRUE(Files(folder.Path(), "journal-").empty());
  EXPECT_EQ(Files(folder.Path(), "recovered-").size(), 1u);
}

// Taken back, then replaced by the file the window was started with: the
// drawing taken back is kept in the recovery folder.
TEST(WindowRecoveryTest, ADrawingTakenBackAndReplacedAtOnceIsKept) {
  TTempFolder folder;
  const fs::path copy = folder.Path() / "copy.mrl";
  LeaveADrawing(folder.Path(), (folder.Path() / "hana.mrl").string(), copy);
  const fs::path other = folder.Path() / "other.mrl";
  fs::copy_file(fs::path(MIREL_TEST_DATA) / "good_example.mrl", other);

  TWindow second(folder.Path(), {true, true}, QString::fromStdString(other.string()));
  EXPECT_EQ(second.User->Questions.size(), 2u);
  EXPECT_EQ(second.Editor().Document().DataFileName(), other.string());
  const std::vector<fs::path> kept = Files(folder.Path(), "recovered-");
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(ReadAll(kept[0]), ReadAll(copy));
}

}  // namespace
}  // namespace mirel::test
