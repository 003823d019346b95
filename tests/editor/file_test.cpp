// Opening, reading, saving, backgrounds, the clear menus and ending.
#include <filesystem>
#include <fstream>

#include "fileio/user_words.h"
#include "support/temp_folder.h"
#include "editor/editor_fixture.h"
#include "support/file_helpers.h"

namespace mirel::test {
namespace {

using enum TActionKind;
namespace fs = std::filesystem;

struct TFileTest : TEditorTest {
  TTempFolder Folder;
  std::string Path(const std::string& name) { return (Folder.Path() / name).string(); }
  // A saved drawing of `figures` rectangles, the last one's ID `lastID`.
  std::string SavedDrawing(const std::string& name, int figures) {
    TScriptedUser user;
    TRecordingView view;
    TEditor other(view, user, FixedClock());
    for (int i = 0; i < figures; ++i) other.FinishBoxFigure(dtRectangle, {10 * i, 0}, {10 * i + 5, 5});
    user.Files = {Path(name)};
    EXPECT_TRUE(other.WriteDataMenuClick().Ok);
    return Path(name);
  }
};

TEST_F(TFileTest, OpenFileByNameTellsKindsApart) {
  const std::string drawing = SavedDrawing("seven.mrl", 7);
  View.AnyPictureLoads = true;
  const std::pair<std::string, std::string> cases[] = {
      {"a.Jpg", "ファイルけいしきがちがいます"}, {"a.jpeg", "ファイルけいしきがちがいます"},
      {"noextension", "ファイルけいしきがちがいます"}, {Path("missing.mrl"), "データ読み込みに失敗しました"},
  };
  for (const auto& [name, notice] : cases) {
    User.Notices.clear();
    Editor.OpenFileByName(name);
    EXPECT_EQ(User.Notices, std::vector<std::string>{notice}) << name;
  }
  // A picture when the history is empty: no question, one ReadBG step.
  Editor.OpenFileByName("/pictures/hana.JPG");
  EXPECT_TRUE(User.Questions.empty());
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{ReadBG}));
  EXPECT_EQ(View.Background, "/pictures/hana.JPG");
  DrawRect({1, 1}, {5, 5});
  Editor.OpenFileByName("/pictures/sora.bmp");  // answered No
  EXPECT_EQ(User.Questions, std::vector<std::string>{"かくにん: 本当にデータをよみこみますか？"});
  EXPECT_EQ(History().GetStepCount(), 2);
  User.YesNo = {true};
  Editor.OpenFileByName("/pictures/sora.bmp");
  EXPECT_EQ(Kinds(), (std::vector<TActionKind>{ReadBG, Create, ReadBG}));
  EXPECT_EQ(Figures().Count(), 1);

  User.YesNo = {true};
  Editor.OpenFileByName(drawing);
  EXPECT_EQ(History().GetStepCount(), 7);
  EXPECT_EQ(History().NextFigureID(), 8);
  EXPECT_EQ(Figures().Count(), 7);
  EXPECT_EQ(View.Caption, "Mirel Ver.1.31 - " + drawing);
  EXPECT_EQ(View.Background, "");
  DrawRect({1, 1}, {5, 5});
  EXPECT_EQ(Record(8).TargetID, 8);

  Editor.SellectPlayBtnClick();
  Editor.OpenFileByName(drawing);
  EXPECT_EQ(User.Notices.back(), "さいせい中はファイルをよみこめません");
}

TEST_F(TFileTest, ReadingAFileWithoutRecordsAndAFailedRead) {
  const std::string empty = Path("empty.mrl");
  std::ofstream(empty, std::ios::binary) << "MIREL FILE FORMAT 1.3\r\n";
  User.Files = {empty};
  Editor.ReadDataMenuClick();
  EXPECT_EQ(History().GetStepCount(), 0);
  EXPECT_EQ(History().NextFigureID(), 1);
  EXPECT_EQ(Doc().DataFileName(), empty);
  // A broken file: the message, and no file name to overwrite.
  const std::string broken = Path("broken.mrl");
  std::ofstream(broken, std::ios::binary) << "MIREL FILE FORMAT 1.3\r\nbegin ActionData\r\n";
  User.Files = {broken};
  Editor.ReadDataMenuClick();
  EXPECT_EQ(User.Notices, std::vector<std::string>{"ActionItem：読み込みエラー"});
  EXPECT_TRUE(Doc().DataFileName().empty());
  EXPECT_EQ(View.Caption, "Mirel Ver.1.31");
  User.Files = {Path("wrong.MrL")};
  Editor.ReadDataMenuClick();
  EXPECT_EQ(User.Notices.back(), "ファイルけいしきがちがいます");
}

TEST_F(TFileTest, BackgroundsThatCannotBeRecordedOrShown) {
  View.Undecodable = {"/p/broken.bmp"};
  const std::pair<std::string, std::string> cases[] = {
      {"/p/missing.bmp", ""},
      {"/p/broken.bmp", "はいけいを よみこめませんでした：broken picture"},
      {"/p/🌸.bmp", "この ファイルの なまえは つかえません。べつの なまえに してください：/p/🌸.bmp"},
  };
  for (const auto& [path, notice] : cases) {
    User.Notices.clear();
    User.Files = {path};
    Editor.ReadBGMenuClick();
    EXPECT_EQ(User.Notices, notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{notice});
  }
  EXPECT_EQ(History().GetStepCount(), 0);
}

TEST_F(TFileTest, ClearMenus) {
  struct Case {
    TClearMenu menu;
    TActionKind kind;
    bool background, figures;
  };
  const Case cases[] = {{TClearMenu::ClearBGMenu, CleareBG, false, true},
                        {TClearMenu::ClearImageMenu, ClearDrawing, true, false},
                        {TClearMenu::ClearAllMenu, ClearAll, false, false}};
  for (const Case& c : cases) {
    TScriptedUser user;
    TRecordingView view;
    view.AnyPictureLoads = true;
    TEditor editor(view, user, FixedClock());
    editor.OpenFileByName("/p/hana.bmp");
    editor.FinishBoxFigure(dtRectangle, {10, 10}, {20, 20});
    editor.FinishBoxFigure(dtRectangle, {40, 10}, {60, 20});
    editor.SellectEditBtnClick();
    editor.EditPress({40, 10});
    editor.EditRelease({40, 10});
    editor.DeleteBtnClick();
    editor.ClearMenuClick(c.menu);
    EXPECT_EQ(editor.Document().History().GetTail()->Data.TargetType, c.kind);
    EXPECT_EQ(editor.Document().History().GetStepCount(), 5);
    EXPECT_EQ(!view.Background.empty(), c.background);
    EXPECT_EQ(editor.Document().Figures().Count() == 1, c.figures);
    editor.UndoBtnClick();  // the store goes with the figures
    EXPECT_EQ(editor.Document().Figures().Count(), c.figures ? 2 : 0);
  }
}

TEST_F(TFileTest, SaveAsAndOverwriteSaveKeepBackups) {
  DrawRect({10, 10}, {30, 30});
  Editor.OverWriteDataMenuClick();  // no name yet: save-as, cancelled
  EXPECT_EQ(User.Dialogs, std::vector<TFileDialog>{TFileDialog::SaveData});
  const std::string path = Path("drawing.mrl");
  User.Files = {path};
  ASSERT_TRUE(Editor.WriteDataMenuClick().Ok);
  EXPECT_TRUE(User.Questions.empty());
  EXPECT_TRUE(User.Notices.empty());
  EXPECT_EQ(View.Caption, "Mirel Ver.1.31 - " + path);
  const std::string first = ReadAll(path);

  DrawRect({50, 10}, {70, 30});
  ASSERT_TRUE(Editor.OverWriteDataMenuClick().Ok);
  EXPECT_EQ(User.Notices, std::vector<std::string>{"うわがきほぞんしました"});
  EXPECT_EQ(ReadAll(Path("drawing.bak")), first);
  // Save-as over an existing file asks; No keeps everything.
  User.Files = {path};
  EXPECT_FALSE(Editor.WriteDataMenuClick().Ok);
  EXPECT_EQ(User.Questions, std::vector<std::string>{"確認: すでにあるファイルにうわがきしますか"});
  EXPECT_EQ(User.Notices.back(), "ファイルほぞんをキャンセルしました");
  EXPECT_EQ(ReadAll(Path("drawing.bak")), first);
  // Into a folder that is gone: the message, the name stays.
  User.Files = {Path("gone/drawing.mrl")};
  EXPECT_FALSE(Editor.WriteDataMenuClick().Ok);
  EXPECT_EQ(User.Notices.back(), "データ保存に失敗しました");
  EXPECT_EQ(Doc().DataFileName(), path);
}

TEST_F(TFileTest, ExitAsksToSaveAndStaysWhenTheSaveDoesNotHappen) {
  {
    TScriptedUser user;
    TRecordingView view;
    TEditor empty(view, user, FixedClock());
    empty.ExitMenuClick();
    EXPECT_EQ(empty.ExitStatus(), 0);  // nothing drawn: no question
    EXPECT_TRUE(user.Questions.empty());
  }
  struct Case {
    std::vector<TAnswer> answers;
    std::optional<std::string> file;
    std::optional<int> status;
  };
  const Case cases[] = {
      {{TAnswer::Cancel}, std::nullopt, std::nullopt},
      {{TAnswer::No}, std::nullopt, 0},
      {{TAnswer::Yes}, std::nullopt, std::nullopt},                  // dialog cancelled
      {{TAnswer::Yes}, Path("nowhere/x.mrl"), std::nullopt},         // save failed
      {{TAnswer::Yes}, Path("exit.mrl"), 0},
  };
  for (const Case& c : cases) {
    TScriptedUser user;
    TRecordingView view;
    TEditor editor(view, user, FixedClock());
    editor.FinishBoxFigure(dtRectangle, {10, 10}, {20, 20});
    user.YesNoCancel = {c.answers.begin(), c.answers.end()};
    user.Files = {c.file};
    editor.ExitMenuClick();
    EXPECT_EQ(user.Questions.front(), "確認: Mirelをおわる前にえをほぞんしますか？");
    EXPECT_EQ(editor.ExitStatus(), c.status);
  }
  // With a known file the question says overwrite, and Yes overwrites it.
  const std::string known = SavedDrawing("known.mrl", 2);
  Editor.OpenFileByName(known);
  DrawRect({100, 100}, {120, 120});
  User.YesNoCancel = {TAnswer::Yes};
  Editor.ExitMenuClick();
  EXPECT_EQ(User.Questions.back(), "確認: Mirelをおわる前にえをうわがきほぞんしますか？");
  EXPECT_EQ(Editor.ExitStatus(), 0);
  EXPECT_NE(ReadAll(known), ReadAll(Path("known.bak")));
}

TEST_F(TEditorTest, ForcedExitEndsAtOnceWithStatusOne) {
  DrawRect({10, 10}, {20, 20});
  Editor.ExitByForceClick();
  EXPECT_EQ(Editor.ExitStatus(), 1);
  EXPECT_TRUE(User.Questions.empty());
}

}  // namespace
}  // namespace mirel::test
