// Pictures out of the program.
#include "editor/editor_fixture.h"

namespace mirel::test {
namespace {

TEST_F(TEditorTest, FileExportsLeaveOutTheSelectionAndTheClipboardKeepsIt) {
  DrawRect({10, 10}, {20, 20});
  SelectAt({10, 10});
  Editor.CaptureMenuClick();
  EXPECT_TRUE(View.Clipboard);
  EXPECT_NE(Editor.SelectedFig(), nullptr);
  User.Files = {"/out/a.bmp"};
  ASSERT_TRUE(Editor.Save2BMPMenuClick().Ok);
  EXPECT_EQ(View.Written["/out/a.bmp"], "/1");
  EXPECT_EQ(Editor.SelectedFig(), nullptr);
  User.Files = {"/out/a.bmp"};
  Editor.Save2BMPMenuClick();
  EXPECT_EQ(View.Backups, std::vector<std::string>{"a.bak"});
  Editor.Save2JPEGMenuClick();  // cancelled: nothing
  EXPECT_EQ(View.Written.size(), 1u);
}

TEST_F(TEditorTest, SeriesWritesEveryStepIncludingClearsAndBranches) {
  View.AnyPictureLoads = true;
  Editor.OpenFileByName("/p/hana.bmp");
  DrawRect({10, 10}, {20, 20});
  Editor.ClearMenuClick(TClearMenu::ClearAllMenu);
  DrawRect({30, 10}, {40, 20});
  Editor.SellectPlayBtnClick();
  Editor.TimeTrackBarChange(2);
  User.YesNoCancel = {TAnswer::Yes};
  Editor.SellectDrawBtnClick();  // a Branch back to step 2
  User.Files = {"C:\\work\\flower.jpg"};
  ASSERT_TRUE(Editor.SaveAllProcessMenuClick().Ok);
  EXPECT_EQ(View.Written, (std::map<std::string, std::string>{{"flower001.jpg", "/p/hana.bmp/0"},
                                                               {"flower002.jpg", "/p/hana.bmp/1"},
                                                               {"flower003.jpg", "/0"},
                                                               {"flower004.jpg", "/1"},
                                                               {"flower005.jpg", "/p/hana.bmp/1"}}));
  EXPECT_EQ(Figures().Count(), 1);
}

TEST_F(TEditorTest, SeriesThatFailsStopsThereNamesTheFileAndKeepsTheWholeDrawing) {
  DrawRect({10, 10}, {20, 20});
  DrawRect({30, 10}, {40, 20});
  DrawRect({50, 10}, {60, 20});
  View.FailingPaths = {"s002.jpg"};
  User.Files = {"/out/s.jpg"};
  const TResult<> result = Editor.SaveAllProcessMenuClick();
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(User.Notices, std::vector<std::string>{"えを かきだせませんでした：s002.jpg"});
  EXPECT_EQ(View.Written.size(), 1u);
  EXPECT_EQ(View.Busy, (std::vector<std::string>{"on", "off"}));
  EXPECT_EQ(Figures().Count(), 3);
  // With nothing drawn, nothing is written.
  TScriptedUser user;
  TRecordingView view;
  TEditor empty(view, user, FixedClock());
  user.Files = {"/out/s.jpg"};
  EXPECT_TRUE(empty.SaveAllProcessMenuClick().Ok);
  EXPECT_TRUE(view.Written.empty());
  EXPECT_TRUE(view.Busy.empty());
}

TEST_F(TEditorTest, LongExportsShowProgressAndACancelKeepsTheFramesWrittenAndTheWholeDrawing) {
  for (int x : {10, 30, 50, 70}) DrawRect({x, 10}, {x + 10, 20});
  View.CancelAt = 2;
  User.Files = {"/out/s.jpg", "/out/v.mp4"};
  EXPECT_FALSE(Editor.SaveAllProcessMenuClick().Ok);
  EXPECT_EQ(View.Written, (std::map<std::string, std::string>{{"s001.jpg", "/1"}, {"s002.jpg", "/2"}}));
  EXPECT_EQ(View.Progress, (std::vector<std::string>{"1/4", "2/4", "0/0"}));
  // A cancelled video is no video; the user was not told of a failure.
  EXPECT_FALSE(Editor.SaveMovieMenuClick().Ok);
  EXPECT_TRUE(View.VideoPath.empty());
  EXPECT_TRUE(User.Notices.empty());
  EXPECT_EQ(View.Busy, (std::vector<std::string>{"on", "off", "on", "off"}));
  EXPECT_EQ(Figures().Count(), 4);
}

TEST_F(TEditorTest, VideoRunsFromTheBlankCanvasAndHoldsTheFinishedPicture) {
  DrawRect({10, 10}, {20, 20});
  DrawRect({30, 10}, {40, 20});
  SelectAt({10, 10});
  User.Files = {"/out/v.mp4", "/full/v.mp4"};
  ASSERT_TRUE(Editor.SaveMovieMenuClick().Ok);
  EXPECT_EQ(User.Dialogs.back(), TFileDialog::SaveVideo);
  EXPECT_EQ(View.VideoPath, "/out/v.mp4");
  EXPECT_EQ(View.VideoFrames, (std::vector<std::string>{"/0 x1", "/1 x1", "/2 x20"}));
  EXPECT_EQ(View.Progress, (std::vector<std::string>{"1/3", "2/3", "3/3", "0/0"}));
  View.FailingPaths = {"/full/v.mp4"};
  EXPECT_FALSE(Editor.SaveMovieMenuClick().Ok);
  EXPECT_EQ(User.Notices, std::vector<std::string>{"どうがを かきだせませんでした：/full/v.mp4"});
  EXPECT_EQ(Figures().Count(), 2);
}

}  // namespace
}  // namespace mirel::test
