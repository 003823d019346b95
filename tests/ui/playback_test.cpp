// Watching mode through its buttons and the time track bar: the buttons'
// states, the date boxes, and one log entry per step shown.
#include <QPlainTextEdit>
#include <QTest>

#include "history/internal_log.h"
#include "replay/step_date_texts.h"
#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

class TPlaybackTest : public TFormTest {
 protected:
  void SetUp() override {
    DrawRectangles(3);
    Click("SellectPlayBtn");
  }
  void ExpectStep(int step, bool reverse, bool forward) {
    EXPECT_EQ(Slider("TimeTrackBar")->value(), step);
    EXPECT_EQ(Button("ReverseBtn")->isEnabled(), reverse) << "step " << step;
    EXPECT_EQ(Button("ForwardBtn")->isEnabled(), forward) << "step " << step;
    const TActionItem* item = History().StepItem(step);
    const TStepDateTexts dates = StepDateTexts(step == 0 ? nullptr : &item->Data);
    EXPECT_EQ(BoxText("DateYMD").toStdString(), dates.DateYMD);
    EXPECT_EQ(BoxText("DateHMS").toStdString(), dates.DateHMS);
    EXPECT_EQ(Editor().Document().Figures().Count(), step);
  }
  QString Memo() { return Find<QPlainTextEdit>("Memo")->toPlainText(); }
  // The pane's text for the records of these steps, in order.
  QString LogOf(std::initializer_list<int> steps) {
    QStringList lines;
    for (int step : steps) {
      for (const std::string& line : DescribeAction(History().StepItem(step)->Data)) {
        lines << QString::fromStdString(line);
      }
    }
    return lines.join(u'\n');
  }
};

TEST_F(TPlaybackTest, ForwardShowsEachStepUntilTheLast) {
  ExpectStep(0, false, true);
  Click("ForwardBtn");
  ExpectStep(1, true, true);
  EXPECT_EQ(BoxText("DateYMD"), "2004/11/22");
  Click("ForwardBtn");
  Click("ForwardBtn");
  ExpectStep(3, true, false);
  Click("ForwardBtn");  // disabled: nothing happens
  ExpectStep(3, true, false);
}

TEST_F(TPlaybackTest, ReverseAndStopGoBack) {
  Click("ForwardBtn");
  Click("ForwardBtn");
  Click("ReverseBtn");
  ExpectStep(1, true, true);
  Click("ReverseBtn");
  ExpectStep(0, false, true);
  Click("ForwardBtn");
  Click("ForwardBtn");
  Click("StopBtn");
  ExpectStep(0, false, true);
}

TEST_F(TPlaybackTest, TheTrackBarShowsTheStepItIsMovedTo) {
  Slider("TimeTrackBar")->setValue(2);  // as a drag leaves it
  ExpectStep(2, true, true);
  Slider("TimeTrackBar")->setValue(0);
  // A jump to the end: only the forward button follows.
  QTest::keyClick(Slider("TimeTrackBar"), Qt::Key_End);
  ExpectStep(3, false, false);
}

TEST_F(TPlaybackTest, EachStepShownIsLoggedOnce) {
  User().YesNoCancel = {TAnswer::No};
  Click("SellectDrawBtn");
  Choose("ShowDataMenu");
  Click("SellectPlayBtn");
  EXPECT_EQ(Memo(), "");
  Click("ForwardBtn");
  Click("ForwardBtn");
  Click("ForwardBtn");
  EXPECT_EQ(Memo(), LogOf({1, 2, 3}));
  Click("ReverseBtn");
  EXPECT_EQ(Memo(), LogOf({1, 2, 3, 2}));
  Click("StopBtn");  // step 0 has no record to describe
  EXPECT_EQ(Memo(), LogOf({1, 2, 3, 2}));
}

}  // namespace
}  // namespace mirel::test
