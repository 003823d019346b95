// Watching: the playback buttons, the time track bar, the date boxes and
// the log of the steps shown.
#include "editor/editor_fixture.h"
#include "editor/playback.h"

#include <vector>

namespace mirel::test {
namespace {

struct TPlaybackTest : TEditorTest {
  TPlaybackTest() {
    DrawRect({10, 10}, {20, 20});
    DrawRect({30, 10}, {40, 20});
    DrawRect({50, 10}, {60, 20});
    Editor.SellectPlayBtnClick();
  }
  // Reverse, Stop, Forward enabled; position; figures shown.
  std::string State() {
    const TPlayControls& c = Editor.Playback().Controls();
    return std::string(c.ReverseEnabled ? "R" : "-") + (c.StopEnabled ? "S" : "-") + (c.ForwardEnabled ? "F" : "-") +
           std::to_string(c.Position) + "/" + std::to_string(Figures().Count());
  }
};

TEST_F(TPlaybackTest, ButtonsAndTrackBarAgree) {
  EXPECT_EQ(State(), "-SF0/0");
  Editor.ForwardBtnClick();
  EXPECT_EQ(View.Dates.DateYMD, "2004/11/22");
  EXPECT_EQ(View.Dates.DateHMS, "  13:05:09");
  Editor.ForwardBtnClick();
  Editor.ForwardBtnClick();
  EXPECT_EQ(State(), "RS-3/3");
  Editor.ReverseBtnClick();
  Editor.ReverseBtnClick();
  Editor.ReverseBtnClick();
  EXPECT_EQ(State(), "-SF0/0");
  EXPECT_EQ(View.Dates, TStepDateTexts{});
  Editor.ForwardBtnClick();
  Editor.ForwardBtnClick();
  Editor.StopBtnClick();
  EXPECT_EQ(State(), "-SF0/0");
  Editor.TimeTrackBarChange(2);
  EXPECT_EQ(State(), "RSF2/2");
  Editor.StopBtnClick();
  Editor.TimeTrackBarChange(3);  // a jump to the end: Reverse keeps its state
  EXPECT_EQ(State(), "-S-3/3");
}

TEST_F(TPlaybackTest, EachStepShownIsLoggedOnce) {
  Editor.ShowDataMenuClick();
  for (int i = 0; i < 3; ++i) Editor.ForwardBtnClick();
  const std::vector<std::string> forward = Doc().Log().Lines();
  ASSERT_EQ(forward.size(), 9u);
  EXPECT_EQ(forward[0], "Create Rectangle (ID = 1)");
  EXPECT_EQ(forward[6], "Create Rectangle (ID = 3)");
  Editor.ReverseBtnClick();
  EXPECT_EQ(Doc().Log().Lines().size(), 12u);
  EXPECT_EQ(Doc().Log().Lines()[9], "Create Rectangle (ID = 2)");
  Editor.StopBtnClick();  // step 0 writes nothing
  EXPECT_EQ(Doc().Log().Lines().size(), 12u);
}

TEST_F(TEditorTest, ARecordWithoutADateShowsDashes) {
  DrawRect({10, 10}, {20, 20});
  History().GetTail()->Data.ActionTime.Year = 0;
  Editor.SellectPlayBtnClick();
  Editor.ForwardBtnClick();
  EXPECT_EQ(View.Dates.DateYMD, "----/--/--");
}

TEST_F(TPlaybackTest, SeriesInPlaybackShowsTheTrackBarsStepAfterwards) {
  View.Pictures = {};
  Editor.TimeTrackBarChange(1);
  User.Files = {"/out/flower.jpg"};
  ASSERT_TRUE(Editor.SaveAllProcessMenuClick().Ok);
  EXPECT_EQ(View.Written.size(), 3u);
  EXPECT_EQ(View.Written["flower003.jpg"], "/3");
  EXPECT_EQ(View.Busy, (std::vector<std::string>{"on", "off"}));
  EXPECT_EQ(State(), "RSF1/1");
  EXPECT_EQ(Editor.Playback().Step(), 1);
}

// The panel alone, when the history holds more steps than the track bar
// reaches: the buttons still walk every step, and only a move of the bar is
// logged.
TEST(TPlayback, StepsBeyondTheTrackBarAreShownWithoutMovingIt) {
  TPlayback p;
  EXPECT_EQ(p.Enter(2), TPlayMove::None);  // the bar already stands at 0
  const std::vector<TPlayMove> forward = {p.Forward(3), p.Forward(3), p.Forward(3), p.Forward(3)};
  EXPECT_EQ(forward, (std::vector<TPlayMove>{TPlayMove::Seeked, TPlayMove::Seeked, TPlayMove::Show, TPlayMove::None}));
  EXPECT_EQ(p.Step(), 3);
  EXPECT_EQ(p.Controls().Position, 2);
  EXPECT_FALSE(p.Controls().ForwardEnabled);
  EXPECT_EQ(p.Reverse(), TPlayMove::Seeked);  // the bar moves back one place and takes the step with it
  EXPECT_EQ(p.Step(), 1);
  EXPECT_EQ(p.Seek(99), TPlayMove::Seeked);
  EXPECT_EQ(p.Controls().Position, 2);
  EXPECT_EQ(p.Stop(), TPlayMove::Seeked);
  EXPECT_EQ(p.Stop(), TPlayMove::Show);
  EXPECT_EQ(p.Step(), 0);
  EXPECT_FALSE(p.Controls().ReverseEnabled);
}

}  // namespace
}  // namespace mirel::test
