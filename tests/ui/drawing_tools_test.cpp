// The drawing tools worked with the mouse on the real window: each gesture
// makes one figure and one record (a degenerate one none), rubber bands
// leave the canvas as it was, polylines follow their click protocol, the
// free line stops collecting at its cap, the stamp is set up and placed.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

using TDrawingToolsTest = TFormTest;

int WhitePixels(const QLabel& preview) {
  const QImage shown = preview.pixmap().toImage();
  int white = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) white += shown.pixel(x, y) == qRgb(255, 255, 255);
  }
  return white;
}

TEST_F(TDrawingToolsTest, EachGestureMakesOneFigureWithOneRecord) {
  const struct {
    const char* button;
    std::initializer_list<QPoint> path;
    TDrawingTool made;
    TPoint start, end;
  } cases[] = {
      {"LineBtn", {{100, 100}, {150, 120}, {200, 90}}, dtLine, {100, 100}, {200, 90}},
      {"OvalBtn", {{300, 200}, {250, 150}}, dtEllipse, {300, 200}, {250, 150}},
      {"RectBtn", {{10, 10}, {40, 30}, {60, 50}}, dtRectangle, {10, 10}, {60, 50}},
      {"FreeBtn", {{400, 300}, {420, 280}, {450, 310}, {430, 350}}, dtFreeLine, {400, 280}, {450, 350}},
  };
  for (const auto& c : cases) {
    Click(c.button);
    const int steps = Steps();
    Gesture(c.path);
    ASSERT_EQ(Steps(), steps + 1) << c.button;
    EXPECT_EQ(History().GetTail()->Data.TargetType, TActionKind::Create);
    EXPECT_EQ(LastFigure().DrawingTool, c.made) << c.button;
    EXPECT_EQ(LastFigure().Start, c.start) << c.button;
    EXPECT_EQ(LastFigure().End, c.end) << c.button;
    EXPECT_EQ(LastFigure().PenWidth, 4);
    EXPECT_EQ(LastFigure().PenColor, clBlack);
    EXPECT_EQ(LastFigure().BrushColor, clWhite);
  }
  // The free line: the press, three moves and the release.
  EXPECT_EQ(LastFigure().PointData->GetCount(), 5);
}

TEST_F(TDrawingToolsTest, EveryButtonDrawsAsTheLeftOne) {
  auto* canvas = Find<QWidget>("PaintBox");
  Click("RectBtn");
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mousePress(canvas, button, {}, QPoint(10, 10));
    QTest::mouseMove(canvas, QPoint(50, 40));
    QTest::mouseRelease(canvas, button, {}, QPoint(50, 40));
  }
  EXPECT_EQ(Steps(), 2);
  EXPECT_EQ(LastFigure().End, (TPoint{50, 40}));
}

TEST_F(TDrawingToolsTest, GesturesEndingWhereTheyBeganMakeNothingAndLeaveTheCanvasAsItWas) {
  Click("RectBtn");
  Gesture({{200, 200}, {300, 260}});  // something under the bands
  const QImage before = CanvasImage();
  for (const char* button : {"LineBtn", "OvalBtn", "RectBtn", "SetStampBtn"}) {
    Click(button);
    Press({250, 230});
    for (const QPoint p : {QPoint(100, 100), QPoint(320, 300), QPoint(260, 231), QPoint(310, 280)}) MoveTo(p);
    EXPECT_NE(CanvasImage(), before) << button << ": the band shows";
    MoveTo({250, 230});
    Release({250, 230});
    EXPECT_EQ(Steps(), 1) << button;
    EXPECT_EQ(CanvasImage(), before) << button;
  }
  // The set-up released on its press point gathers nothing and gives the
  // selection tool back.
  EXPECT_EQ(Editor().CurrentTool(), kSelectionTool);
  EXPECT_FALSE(Editor().Stamp().Available());
  // A free-hand loop back to its first pixel makes nothing either.
  Click("FreeBtn");
  Gesture({{250, 230}, {100, 100}, {320, 300}, {250, 230}});
  EXPECT_EQ(Steps(), 1);
}

TEST_F(TDrawingToolsTest, TheRubberBandErasedBeforeTheFigureIsDrawn) {
  Click("LineBtn");
  Gesture({{10, 400}, {600, 20}, {300, 300}, {100, 100}});
  // Only the line from the press to the release is on the canvas: no dots of
  // the bands drawn on the way remain.
  const QImage shown = CanvasImage();
  Click("SellectEditBtn");  // repaints
  EXPECT_EQ(CanvasImage(), shown);
}

TEST_F(TDrawingToolsTest, APolylineOfPointsABCCC) {
  Click("PolylineBtn");
  Gesture({{100, 100}, {150, 120}, {200, 150}});  // A, dragged to B
  ASSERT_TRUE(Editor().PolylineActive());
  for (const char* menu : {"FileMenu", "DrawMenu", "ToolMenu"}) EXPECT_FALSE(MenuEnabled(menu)) << menu;
  MoveTo({220, 90});  // the rubber segment follows with the button up
  ClickAt({250, 80});  // C
  EXPECT_EQ(Steps(), 0);
  ClickAt({250, 80});  // C again: ends it
  ASSERT_EQ(Steps(), 1);
  EXPECT_FALSE(Editor().PolylineActive());
  for (const char* menu : {"FileMenu", "DrawMenu", "ToolMenu"}) EXPECT_TRUE(MenuEnabled(menu)) << menu;
  const TFigData& figure = LastFigure();
  EXPECT_EQ(figure.DrawingTool, dtPolyline);
  const std::vector<TPoint> expected{{100, 100}, {200, 150}, {250, 80}, {250, 80}, {250, 80}};
  const auto points = figure.PointData->Points();
  EXPECT_EQ(std::vector<TPoint>(points.begin(), points.end()), expected);
  EXPECT_EQ(figure.Start, (TPoint{100, 80}));
  EXPECT_EQ(figure.End, (TPoint{250, 150}));
}

// As the window system delivers a double click to the canvas: press,
// release, then the second press only as the double-click event, release.
TEST_F(TDrawingToolsTest, ADoubleClickAtANewPointEndsWithThatPointThreeTimes) {
  for (const char* button : {"PolylineBtn", "PolygonBtn"}) {
    Click(button);
    Gesture({{100, 100}, {200, 150}});  // A, dragged to B
    const QPointF c(250, 80);
    QWidget* canvas = Find<QWidget>("PaintBox");
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const bool down = type != QEvent::MouseButtonRelease;
      QMouseEvent event(type, c, canvas->mapToGlobal(c), Qt::LeftButton,
                        down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(canvas, &event);
    }
    EXPECT_FALSE(Editor().PolylineActive()) << button;
    const auto points = LastFigure().PointData->Points();
    EXPECT_EQ(std::vector<TPoint>(points.begin(), points.end()),
              (std::vector<TPoint>{{100, 100}, {200, 150}, {250, 80}, {250, 80}, {250, 80}}))
        << button;
  }
  EXPECT_EQ(Steps(), 2);
}

TEST_F(TDrawingToolsTest, APolygonEndedByADoubleClickShowsFilledAtOnce) {
  // A red body under the polygon-to-be: the polygon's white body shows.
  Click("RectBtn");
  Gesture({{1, 1}, {639, 479}});
  SelectAt({2, 2});
  QTest::mouseClick(Find<QWidget>("ColorPanel03"), Qt::LeftButton);
  Click("BodyColorBtn");
  Click("SellectDrawBtn");
  Click("PolygonBtn");
  Gesture({{100, 100}, {300, 100}});
  ClickAt({200, 300});
  EXPECT_EQ(CanvasImage().pixel(200, 150), qRgb(255, 0, 0));
  // Through the window system, as a double click comes: press, release,
  // press (with the double-click event), release.
  const QPoint inWindow = Find<QWidget>("PaintBox")->mapTo(&Form(), QPoint(200, 300));
  QTest::mouseDClick(Form().windowHandle(), Qt::LeftButton, {}, inWindow);
  ASSERT_EQ(Steps(), 3);
  EXPECT_EQ(LastFigure().DrawingTool, dtPolygon);
  EXPECT_EQ(LastFigure().PointData->GetCount(), 5);
  EXPECT_EQ(CanvasImage().pixel(200, 150), qRgb(255, 255, 255));
  EXPECT_FALSE(Editor().PolylineActive());
}

TEST_F(TDrawingToolsTest, AClickWithThePolylineToolMakesNothing) {
  Click("PolylineBtn");
  ClickAt({100, 100});
  EXPECT_FALSE(Editor().PolylineActive());
  EXPECT_TRUE(MenuEnabled("FileMenu"));
  EXPECT_EQ(Steps(), 0);
  // The next press starts afresh.
  Gesture({{10, 10}, {50, 50}});
  ClickAt({50, 50});
  ASSERT_EQ(Steps(), 1);
  EXPECT_EQ(LastFigure().PointData->GetCount(), 3);
}

TEST_F(TDrawingToolsTest, AResetDropsThePolylineUnderWay) {
  Click("PolygonBtn");
  Gesture({{10, 10}, {50, 50}});
  ASSERT_TRUE(Editor().PolylineActive());
  Editor().ResetEditor();
  Click("PolygonBtn");
  ClickAt({50, 50});  // would have ended the old polygon
  EXPECT_EQ(Steps(), 0);
  EXPECT_FALSE(Editor().PolylineActive());
}

TEST_F(TDrawingToolsTest, AFreeLineKeepsItsFirst2000Points) {
  Click("FreeBtn");
  Press({1, 1});
  for (int i = 1; i <= 2100; ++i) MoveTo({i % 600, i / 600 + 1});
  Release({5, 200});
  ASSERT_EQ(Steps(), 1);
  const TPointData& points = *LastFigure().PointData;
  ASSERT_EQ(points.GetCount(), 2000);
  EXPECT_EQ(points.Point(1999), (TPoint{1999 % 600, 1999 / 600 + 1}));
  // The stroke showed to the end; a repaint shows it cut.
  EXPECT_EQ(qGray(CanvasImage().pixel(5, 198)), 0);
  Click("SellectEditBtn");
  EXPECT_EQ(qGray(CanvasImage().pixel(5, 198)), 255);
}

TEST_F(TDrawingToolsTest, TheStampIsSetUpPreviewedAndPlacedAtEveryRelease) {
  auto* preview = Find<QLabel>("StampImage");
  Click("SetStampBtn");
  Gesture({{1, 1}, {100, 100}});
  EXPECT_EQ(User().Notices, std::vector<std::string>{"選択できる図形がありません"});
  EXPECT_EQ(Editor().CurrentTool(), kSelectionTool);
  EXPECT_TRUE(Button("SellectionBtn")->isChecked());

  Click("RectBtn");
  Gesture({{10, 10}, {60, 30}});
  Click("OvalBtn");
  Gesture({{20, 40}, {40, 60}});
  Click("SetStampBtn");
  Gesture({{7, 7}, {63, 63}});  // both, by their corners within 3 pixels
  ASSERT_TRUE(Editor().Stamp().Available());
  EXPECT_EQ(Editor().Stamp().Min(), (TPoint{10, 10}));
  EXPECT_EQ(Editor().Stamp().Max(), (TPoint{60, 60}));
  EXPECT_TRUE(Button("StampBtn")->isEnabled());
  EXPECT_LT(WhitePixels(*preview), preview->width() * preview->height() * 9 / 10);
  EXPECT_EQ(Steps(), 2);

  Click("StampBtn");
  const QImage before = CanvasImage();
  ClickAt({300, 300});
  Press({400, 100});
  MoveTo({450, 150});
  Release({500, 200});
  ASSERT_EQ(Steps(), 4);
  EXPECT_EQ(LastFigure().DrawingTool, dtStamp);
  EXPECT_EQ(LastFigure().Start, (TPoint{500, 200}));
  EXPECT_EQ(LastFigure().End, (TPoint{550, 250}));
  EXPECT_EQ(LastFigure().StampData->Count(), 2);
  EXPECT_NE(CanvasImage(), before);
  EXPECT_LT(qGray(CanvasImage().pixel(300, 310)), 128);  // the placed rectangle's left edge

  // A set-up that gathers nothing forgets the stamp.
  Click("SetStampBtn");
  Gesture({{600, 400}, {630, 470}});
  EXPECT_FALSE(Button("StampBtn")->isEnabled());
  EXPECT_EQ(WhitePixels(*preview), preview->width() * preview->height());
}

TEST_F(TDrawingToolsTest, WatchingModeIgnoresTheCanvas) {
  Click("RectBtn");
  Gesture({{10, 10}, {60, 30}});
  Click("SellectPlayBtn");
  Gesture({{100, 100}, {200, 200}});
  EXPECT_EQ(Steps(), 1);
  EXPECT_EQ(Editor().SelectedFig(), nullptr);
}

}  // namespace
}  // namespace mirel::test
