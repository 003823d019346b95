// The text box over the canvas: new texts in drawing mode, changed texts in
// editing mode, Enter, Escape, empty text, text code page 932 cannot hold,
// and input method compositions.
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

class TTextBoxTest : public TFormTest {
 protected:
  QLineEdit* Box() { return Find<QLineEdit>("InputEdit"); }
  QPoint BoxAt() { return Box()->pos() - Find<QWidget>("PaintBox")->pos(); }
  // What the input method sends: a composition under way, or text committed.
  void Compose(const QString& preedit) {
    QInputMethodEvent event(preedit, {});
    QCoreApplication::sendEvent(Box(), &event);
  }
  void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(Box(), &event);
  }
  void Key(Qt::Key key) { QTest::keyClick(Box(), key); }
  void OpenAt(QPoint p) {
    Click("TextBtn");
    ClickAt(p);
  }
};

TEST_F(TTextBoxTest, EnterMakesATextWhereTheBoxIs) {
  OpenAt({100, 60});
  ASSERT_TRUE(Box()->isVisible());
  EXPECT_EQ(BoxAt(), QPoint(100, 60));
  EXPECT_EQ(Box()->width(), 169);
  Commit(QStringLiteral("はな"));
  Key(Qt::Key_Return);
  EXPECT_FALSE(Box()->isVisible());
  EXPECT_TRUE(Box()->text().isEmpty());
  ASSERT_EQ(Steps(), 1);
  const TFigData& text = LastFigure();
  EXPECT_EQ(text.DrawingTool, dtText);
  EXPECT_EQ(text.Text, "\x82\xCD\x82\xC8");
  EXPECT_EQ(text.TextSize, 12);
  EXPECT_EQ(text.TextColor, clBlack);
  EXPECT_EQ(text.Start, (TPoint{100, 60}));
  EXPECT_EQ(text.End.Y, 72);
  EXPECT_GT(text.End.X, 110);
  EXPECT_EQ(Editor().CurrentTool(), dtText);
}

TEST_F(TTextBoxTest, TheBoxKeepsItsTextBetweenPressesAndEmptyTextMakesNothing) {
  OpenAt({10, 10});
  QTest::keyClicks(Box(), "ab");
  ClickAt({300, 200});
  EXPECT_EQ(BoxAt(), QPoint(300, 200));
  EXPECT_EQ(Box()->text(), "ab");
  Box()->clear();
  Key(Qt::Key_Enter);
  EXPECT_FALSE(Box()->isVisible());
  EXPECT_EQ(Steps(), 0);
  EXPECT_EQ(Editor().CurrentTool(), dtText);
}

TEST_F(TTextBoxTest, EscapeDropsTheTextAndGivesTheSelectionTool) {
  OpenAt({10, 10});
  QTest::keyClicks(Box(), "ab");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Box()->isVisible());
  EXPECT_EQ(Steps(), 0);
  EXPECT_EQ(Editor().CurrentTool(), kSelectionTool);
  EXPECT_TRUE(Button("SellectionBtn")->isChecked());
  OpenAt({10, 10});
  EXPECT_TRUE(Box()->text().isEmpty());
}

TEST_F(TTextBoxTest, TextThatCannotBeSavedIsRefusedAndStaysInTheBox) {
  OpenAt({10, 10});
  Commit(QStringLiteral("はな🌷"));
  Key(Qt::Key_Return);
  ASSERT_EQ(User().Notices.size(), 1u);
  EXPECT_NE(User().Notices[0].find("🌷"), std::string::npos);
  EXPECT_TRUE(Box()->isVisible());
  EXPECT_EQ(Box()->text(), QStringLiteral("はな🌷"));
  EXPECT_EQ(Steps(), 0);
}

TEST_F(TTextBoxTest, EnterThatCommitsACompositionDoesNotFinishTheText) {
  OpenAt({10, 10});
  Compose(QStringLiteral("はな"));
  Key(Qt::Key_Return);  // the input method's: commits, finishes nothing
  Key(Qt::Key_Escape);  // the same while composing
  EXPECT_TRUE(Box()->isVisible());
  Commit(QStringLiteral("花"));
  EXPECT_EQ(Box()->text(), QStringLiteral("花"));
  // A click on a tool or the canvas does not take the keyboard away.
  Compose(QStringLiteral("き"));
  Click("TextBtn");
  ClickAt({50, 50});
  EXPECT_FALSE(Find<QWidget>("TextBtn")->hasFocus());
  Commit(QStringLiteral("き"));
  Key(Qt::Key_Return);
  ASSERT_EQ(Steps(), 1);
  EXPECT_EQ(LastFigure().Text, "\x89\xD4\x82\xAB");  // 花き
  EXPECT_EQ(LastFigure().Start, (TPoint{50, 50}));
}

TEST_F(TTextBoxTest, ChangingATextInEditingMode) {
  OpenAt({100, 100});
  QTest::keyClicks(Box(), "abc");
  Key(Qt::Key_Return);
  const TFigData made = LastFigure();
  SelectAt({105, 105});
  Click("ChangeTextBtn");
  ASSERT_TRUE(Box()->isVisible());
  EXPECT_EQ(BoxAt(), QPoint(100, 100));
  EXPECT_EQ(Box()->width(), made.End.X - made.Start.X + 30);
  EXPECT_EQ(Box()->text(), "abc");
  // Escape: nothing changes, the mode stays.
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Box()->isVisible());
  EXPECT_EQ(Editor().EditorMode(), mdEdit);
  // Empty: nothing changes.
  Click("ChangeTextBtn");
  Box()->clear();
  Key(Qt::Key_Return);
  EXPECT_EQ(Steps(), 1);
  Click("ChangeTextBtn");
  Box()->setText("abcdef");
  Key(Qt::Key_Return);
  ASSERT_EQ(Steps(), 2);
  EXPECT_EQ(History().GetTail()->Data.Parameter, TParameter::Text);
  EXPECT_EQ(Editor().SelectedFig()->Data.Text, "abcdef");
  EXPECT_GT(Editor().SelectedFig()->Data.End.X, made.End.X);
  EXPECT_EQ(Editor().SelectedFig()->Data.Start, made.Start);
}

}  // namespace
}  // namespace mirel::test
