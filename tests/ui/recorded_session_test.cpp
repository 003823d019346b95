// A session of real input replayed on the window: every kind of figure
// drawn, some edited, the drawing saved. mirel-batch reads the saved file
// back to the same figures and renders the same pixels as the window shows.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "batch/figure_json.h"
#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

struct TInput {
  enum { Click, Press, Move, Release, Type, Enter } Kind;
  QPoint At;
  const char* Name = nullptr;  // the control clicked, or the text typed
};

TInput Click(const char* name) { return {TInput::Click, {}, name}; }
TInput Press(int x, int y) { return {TInput::Press, {x, y}}; }
TInput Move(int x, int y) { return {TInput::Move, {x, y}}; }
TInput Release(int x, int y) { return {TInput::Release, {x, y}}; }
TInput Type(const char* text) { return {TInput::Type, {}, text}; }

const TInput kSession[] = {
    Click("RectBtn"), Press(20, 20), Move(60, 40), Move(120, 90), Release(120, 90),
    Click("OvalBtn"), Press(150, 20), Move(250, 100), Release(250, 100),
    Click("LineBtn"), Press(300, 20), Move(400, 120), Release(400, 120),
    Click("FreeBtn"), Press(20, 200), Move(40, 220), Move(60, 210), Move(80, 240), Release(90, 250),
    Click("PolylineBtn"), Press(150, 200), Move(200, 260), Release(200, 260), Move(250, 210),
    Press(250, 210), Release(250, 210), Press(250, 210), Release(250, 210),
    Click("PolygonBtn"), Press(300, 200), Move(380, 200), Release(380, 200), Move(340, 280),
    Press(340, 280), Release(340, 280), Press(340, 280), Release(340, 280),
    Click("TextBtn"), Press(450, 30), Release(450, 30), Type("mirel"), {TInput::Enter, {}},
    Click("SetStampBtn"), Press(10, 10), Move(130, 100), Release(130, 100),
    Click("StampBtn"), Press(500, 300), Release(500, 300), Press(520, 380), Release(520, 380),
    // Editing: drag the rectangle, thicken it, colour the ellipse, copy the line.
    Click("SellectEditBtn"), Press(70, 50), Move(80, 60), Move(90, 70), Release(90, 70),
    Click("ThickBtn"), Press(200, 60), Release(200, 60), Click("ColorPanel03"), Click("LineColorBtn"),
    Click("BodyColorBtn"), Press(350, 70), Release(350, 70), Click("DupBtn"),
    Press(40, 220), Release(40, 220), Click("DeleteBtn"),
    Click("SellectDrawBtn"),
};

class TRecordedSessionTest : public TFormTest {
 protected:
  void Replay() {
    auto* canvas = Find<QWidget>("PaintBox");
    for (const TInput& input : kSession) {
      switch (input.Kind) {
        case TInput::Click: QTest::mouseClick(Find<QWidget>(input.Name), Qt::LeftButton); break;
        case TInput::Press: QTest::mousePress(canvas, Qt::LeftButton, {}, input.At); break;
        case TInput::Move: QTest::mouseMove(canvas, input.At); break;
        case TInput::Release: QTest::mouseRelease(canvas, Qt::LeftButton, {}, input.At); break;
        case TInput::Type: QTest::keyClicks(Find<QWidget>("InputEdit"), input.Name); break;
        case TInput::Enter: QTest::keyClick(Find<QWidget>("InputEdit"), Qt::Key_Return); break;
      }
    }
  }
  QByteArray Batch(const QStringList& arguments) {
    QProcess batch;
    batch.start(MIREL_BATCH_PROGRAM, arguments);
    EXPECT_TRUE(batch.waitForFinished(120000));
    EXPECT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
    return batch.readAllStandardOutput();
  }
};

TEST_F(TRecordedSessionTest, TheSavedFileGivesTheSameDrawingAndPixels) {
  Replay();
  EXPECT_TRUE(User().Notices.empty());
  std::vector<TDrawingTool> kinds;
  for (const TFigItem* item = Editor().Document().Figures().GetNext(Editor().Document().Figures().GetHead()); item;
       item = item->Next()) {
    kinds.push_back(item->Data.DrawingTool);
  }
  EXPECT_EQ(kinds, (std::vector<TDrawingTool>{dtRectangle, dtEllipse, dtLine, dtPolyline, dtPolygon, dtText,
                                              dtStamp, dtStamp, dtLine}));
  // 9 figures made, a move, a width, two colours, a duplicate, a delete.
  EXPECT_EQ(Steps(), 15);

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString previous = QDir::currentPath();
  const QString file = folder.filePath("session.mrl");
  User().Files = {file.toStdString()};
  Choose("WriteDataMenu");
  QDir::setCurrent(previous);

  const QJsonObject dump = QJsonDocument::fromJson(Batch({"dump", file})).object();
  EXPECT_EQ(dump["StepCount"].toInt(), 15);
  EXPECT_EQ(dump["Figures"].toArray(), FigureListToJson(Editor().Document().Figures()));

  const QString rendered = folder.filePath("session.bmp");
  Batch({"render", file, "-o", rendered});
  const QImage expected = QImage(rendered).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(CanvasShot(), expected);
}

}  // namespace
}  // namespace mirel::test
