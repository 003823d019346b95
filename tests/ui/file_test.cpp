// Files in (the command line, dropped files) and out (save-as, overwrite,
// exit by menu and close box, forced exit), with scripted answers.
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"
#include "text/native_arguments.h"
#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

class TFileTest : public TFormTest {
 protected:
  TFileTest() : exits_(&Form(), &TMirelForm::ExitRequested) {}

  // A copy of a small drawing under `name` in the test's folder.
  std::string Drawing(const std::string& name) {
    const fs::path path = folder_ / name;
    fs::copy_file(fs::path(MIREL_TEST_DATA) / "good_example.mrl", path);
    return path.string();
  }
  std::string Caption() { return Form().windowTitle().toStdString(); }
  // Drags `files` over the window and drops them; true when the window took them.
  bool Drop(const std::vector<std::string>& files) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const std::string& f : files) {
      urls << (f.starts_with("http") ? QUrl(QString::fromStdString(f))
                                      : QUrl::fromLocalFile(QString::fromStdString(f)));
    }
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form(), &drop);
    QCoreApplication::processEvents();  // the file opens once the drop is over
    return true;
  }
  // The exit statuses the window asked for.
  std::vector<int> Exits() {
    std::vector<int> statuses;
    for (const QList<QVariant>& call : exits_) statuses.push_back(call.at(0).toInt());
    return statuses;
  }

  TTempFolder folder_;

 private:
  QSignalSpy exits_;
};

TEST_F(TFileTest, OpensTheFileNamedOnTheCommandLine) {
  const std::string file = Drawing("hana.mrl");
  Form().FormCreate(QString::fromStdString(file));
  EXPECT_EQ(Caption(), "Mirel Ver.1.31 - " + file);
  EXPECT_GT(History().GetStepCount(), 0);
  EXPECT_TRUE(User().Questions.empty());
  EXPECT_NE(CanvasShot().pixel(12, 22), qRgb(255, 255, 255));  // the line from (10, 20)
}

TEST_F(TFileTest, OpensAFileWhoseNameIsNotUtf8) {
  const std::string file = Drawing("\x82\xa6.mrl");  // "え" in code page 932
  Form().FormCreate(ArgumentFromBytes(file));
  EXPECT_TRUE(User().Notices.empty());
  EXPECT_EQ(Editor().Document().DataFileName(), file);
  EXPECT_GT(History().GetStepCount(), 0);
  EXPECT_EQ(Form().windowTitle(), QString::fromUtf8("Mirel Ver.1.31 - " + file));
}

TEST_F(TFileTest, FailuresSayWhyUnderTheMessage) {
  DrawRectangles(2);
  const fs::path gone = folder_ / "gone";
  const char* const noFolder = "ほぞんする フォルダが みつかりません";
  const struct {
    const char* Item;
    fs::path Chosen;
    std::string Message;
    const char* Reason;
  } cases[] = {
      {"Save2BMPMenu", gone / "e.bmp", "えを かきだせませんでした：" + (gone / "e.bmp").string(), noFolder},
      {"Save2JPEGMenu", gone / "e.jpg", "えを かきだせませんでした：" + (gone / "e.jpg").string(), noFolder},
      {"SaveMovieMenu", gone / "e.mp4", "どうがを かきだせませんでした：" + (gone / "e.mp4").string(), noFolder},
      {"WriteDataMenu", gone / "e.mrl", "データ保存に失敗しました", noFolder},
      {"ReadDataMenu", folder_ / "none.mrl", "データ読み込みに失敗しました", "ファイルが みつかりません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Item);
    User().Notices.clear();
    User().Reasons.clear();
    User().Files = {c.Chosen.string()};
    User().YesNo = {true};
    Choose(c.Item);
    EXPECT_EQ(User().Notices, std::vector<std::string>{c.Message});
    EXPECT_EQ(User().Reasons, std::vector<std::string>{c.Reason});
  }
}

TEST_F(TFileTest, ADropOpensItsFirstFileOnly) {
  const std::string first = Drawing("a.mrl");
  DrawRectangles(1);
  User().YesNo = {true, true, true};
  EXPECT_TRUE(Drop({first, Drawing("b.mrl"), Drawing("c.mrl")}));
  EXPECT_EQ(User().Questions, std::vector<std::string>{"かくにん: 本当にデータをよみこみますか？"});
  EXPECT_EQ(Caption(), "Mirel Ver.1.31 - " + first);
}

TEST_F(TFileTest, DropsOfOtherThingsAreRefusedOrExplained) {
  EXPECT_FALSE(Drop({"http://example.org/a.mrl"}));
  const std::string picture = (folder_ / "sky.Jpg").string();
  std::ofstream(picture) << "x";
  EXPECT_TRUE(Drop({picture}));
  EXPECT_EQ(User().Notices, std::vector<std::string>{"ファイルけいしきがちがいます"});
  EXPECT_EQ(Caption(), "Mirel Ver.1.31");
}

TEST_F(TFileTest, SaveAsNamesTheWindowAndOverwriteKeepsABackup) {
  DrawRectangles(1);
  const fs::path file = folder_ / "niwa.mrl";
  User().Files = {file.string()};
  Choose("WriteDataMenu");
  EXPECT_EQ(User().Dialogs, std::vector<TFileDialog>{TFileDialog::SaveData});
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(Caption(), "Mirel Ver.1.31 - " + file.string());
  Choose("OverWriteDataMenu");
  EXPECT_EQ(User().Notices, std::vector<std::string>{"うわがきほぞんしました"});
  EXPECT_TRUE(fs::exists(folder_ / "niwa.bak"));
}

TEST_F(TFileTest, ExitAsksToSaveAndEndsOnlyWhenItMay) {
  const struct {
    const char* what;
    int figures;
    TAnswer answer;
    std::optional<std::string> file;  // answer of the save dialog
    std::vector<int> exits;
    std::vector<std::string> notices;
  } cases[] = {
      {"empty history", 0, TAnswer::Cancel, std::nullopt, {0}, {}},
      {"cancel", 1, TAnswer::Cancel, std::nullopt, {}, {}},
      {"no", 1, TAnswer::No, std::nullopt, {0}, {}},
      {"yes, saved", 1, TAnswer::Yes, "saved.mrl", {0}, {}},
      {"yes, save fails", 1, TAnswer::Yes, "no-such-folder/x.mrl", {}, {"データ保存に失敗しました"}},
  };
  for (const auto& c : cases) {
    TScriptedUser* user = nullptr;
    {
      auto scripted = std::make_unique<TScriptedUser>();
      user = scripted.get();
      TMirelForm form(std::move(scripted), FixedClock());
      QSignalSpy exits(&form, &TMirelForm::ExitRequested);
      for (int i = 0; i < c.figures; ++i) form.Editor().FinishBoxFigure(dtRectangle, {10, 10}, {50, 50});
      user->YesNoCancel = {c.answer};
      if (c.file) user->Files = {(folder_ / *c.file).string()};
      form.show();
      form.findChild<QAction*>("ExitMenu")->trigger();
      std::vector<int> statuses;
      for (const QList<QVariant>& call : exits) statuses.push_back(call.at(0).toInt());
      EXPECT_EQ(statuses, c.exits) << c.what;
      EXPECT_EQ(user->Notices, c.notices) << c.what;
      EXPECT_EQ(user->Questions.size(), c.figures ? 1u : 0u) << c.what;
      if (c.figures) {
        EXPECT_EQ(user->Questions.front(), "確認: Mirelをおわる前にえをほぞんしますか？") << c.what;
      }
      EXPECT_TRUE(form.isVisible()) << c.what;  // the program, not the window, ends
    }
  }
  EXPECT_TRUE(fs::exists(folder_ / "saved.mrl"));
}

TEST_F(TFileTest, TheCloseBoxAsksAsTheExitItemDoes) {
  DrawRectangles(1);
  User().YesNoCancel = {TAnswer::Cancel, TAnswer::No};
  Form().close();
  EXPECT_TRUE(Form().isVisible());
  EXPECT_TRUE(Exits().empty());
  Form().close();
  EXPECT_EQ(Exits(), std::vector<int>{0});
  EXPECT_EQ(User().Questions.size(), 2u);
}

TEST_F(TFileTest, ForcedExitEndsWithStatusOneWithoutAsking) {
  DrawRectangles(1);
  Choose("ExitByForce");
  EXPECT_EQ(Exits(), std::vector<int>{1});
  EXPECT_TRUE(User().Questions.empty());
}

}  // namespace
}  // namespace mirel::test
