// The window as it opens: caption, size, place, mode, tools, canvas, and the
// controls' places, texts and hints.
#include <QFrame>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

TEST_F(TFormTest, OpensInDrawingModeWithABlankCanvas) {
  EXPECT_EQ(Form().windowTitle(), "Mirel Ver.1.31");
  EXPECT_EQ(Form().frameGeometry(), QRect(0, 0, 800, 580));
  EXPECT_TRUE(Button("SellectDrawBtn")->isChecked());
  EXPECT_TRUE(Button("SellectionBtn")->isChecked());
  EXPECT_FALSE(Button("StampBtn")->isEnabled());
  EXPECT_TRUE(Find<QWidget>("DrawPanel")->isVisible());
  EXPECT_FALSE(Find<QWidget>("EditPanel")->isVisible());
  EXPECT_FALSE(Find<QWidget>("PlayPanel")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Memo")->isVisible());
  EXPECT_FALSE(Find<QWidget>("ClearMemoBtn")->isVisible());
  EXPECT_FALSE(Find<QWidget>("InputEdit")->isVisible());
  EXPECT_EQ(BoxText("DateYMD"), "");
  EXPECT_EQ(BoxText("DateHMS"), "");
  EXPECT_FALSE(Item("N5")->isEnabled());

  const QImage canvas = CanvasShot();
  ASSERT_EQ(canvas.size(), QSize(640, 480));
  QImage white(canvas.size(), QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_EQ(canvas, white);
}

TEST_F(TFormTest, FontsAreTheJapaneseGothicFaces) {
  EXPECT_EQ(Form().font().family(), "IPAPGothic");
  EXPECT_EQ(Form().font().pointSize(), 9);
  EXPECT_EQ(Find<QWidget>("DateYMD")->font().family(), "IPAGothic");
  EXPECT_EQ(Find<QWidget>("DateYMD")->font().pointSize(), 12);
  // The text box shows 12-point text at the size the canvas draws it.
  EXPECT_EQ(Find<QWidget>("InputEdit")->font().pixelSize(), 16);
}

TEST_F(TFormTest, ControlsLieAtTheirPlacesInTheClientArea) {
  const struct {
    const char* name;
    QRect place;
  } controls[] = {
      {"PaintBox", {4, 4, 640, 480}},          {"InputEdit", {4, 4, 169, 24}},
      {"DrawPanel", {646, 4, 137, 481}},       {"EditPanel", {0, 0, 793, 535}},
      {"PlayPanel", {4, 486, 617, 45}},        {"SellectBtnPanel", {624, 488, 161, 41}},
      {"DatePanel", {672, 8, 105, 65}},        {"Memo", {808, 8, 169, 489}},
      {"ClearMemoBtn", {808, 504, 169, 25}},   {"StampField", {654, 380, 120, 100}},
      {"StampImage", {659, 384, 108, 85}},     {"SellectionBtn", {654, 12, 57, 49}},
      {"TextBtn", {718, 12, 57, 49}},          {"PolygonBtn", {718, 180, 57, 49}},
      {"StampBtn", {654, 236, 57, 49}},        {"SetStampBtn", {654, 332, 121, 41}},
      {"HTrackBar", {296, 488, 321, 40}},      {"VTrackBar", {648, 136, 22, 321}},
      {"OpPanel", {672, 8, 105, 473}},         {"ColorBasePanel", {4, 484, 285, 43}},
      {"ClearPanel", {12, 488, 25, 33}},       {"ColorPanel01", {44, 488, 25, 17}},
      {"ColorPanel08", {212, 488, 25, 17}},    {"ColorPanel09", {44, 504, 25, 17}},
      {"ColorPanel16", {212, 504, 25, 17}},    {"ConfirmPanel", {244, 488, 33, 33}},
  };
  const QWidget* client = Form().centralWidget();
  for (const auto& c : controls) {
    const QWidget* widget = Find<QWidget>(c.name);
    if (!widget) continue;
    const QRect place(widget->mapTo(client, QPoint(0, 0)), widget->size());
    EXPECT_EQ(place, c.place) << c.name;
  }
}

TEST_F(TFormTest, MenusCarryTheirCaptions) {
  const struct {
    const char* name;
    const char* caption;
  } menus[] = {{"FileMenu", "ファイル"}, {"DrawMenu", "ひょうじ"}, {"HelpMenu", "ヘルプ"}, {"ToolMenu", "ツール"}};
  for (const auto& m : menus) EXPECT_EQ(Find<QMenu>(m.name)->title(), QString::fromUtf8(m.caption)) << m.name;

  const struct {
    const char* name;
    const char* caption;
  } items[] = {
      {"ReadDataMenu", "えをよみこむ"},
      {"OverWriteDataMenu", "えをうわがきほぞん"},
      {"WriteDataMenu", "えになまえをつけてほぞん"},
      {"ExitMenu", "ミレルをおわる"},
      {"ReadBGMenu", "はいけいをよみこむ"},
      {"ClearBGMenu", "はいけいをけす"},
      {"ClearImageMenu", "はいけい いがい けす"},
      {"ClearAllMenu", "ぜんぶけす"},
      {"N5", "ミレルのつかいかた"},
      {"ShowDataMenu", "Mirelの内部処理の表示"},
      {"CaptureMenu", "画面をクリップボードにコピー"},
      {"Save2BMPMenu", "画面をBMPに書き出す"},
      {"Save2JPEGMenu", "画面をJPEGに書き出す"},
      {"SaveAllProcessMenu", "全過程をJPEGに書き出す"},
      {"ExitByForce", "無理やり終わる"},
      {"SaveMovieMenu", "全過程を動画に書き出す"},
  };
  for (const auto& i : items) EXPECT_EQ(Item(i.name)->text(), QString::fromUtf8(i.caption)) << i.name;
}

TEST_F(TFormTest, ButtonsCarryTheirCaptionsAndHints) {
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
  } buttons[] = {
      {"SellectionBtn", "", "かえたい図形をえらぶ"}, {"TextBtn", "", "もじをかく"},
      {"LineBtn", "", "直線をかく"},                 {"FreeBtn", "", "じゆうにかく"},
      {"OvalBtn", "", "円をかく"},                   {"RectBtn", "", "四角形をかく"},
      {"PolylineBtn", "", "おれ線をかく"},           {"PolygonBtn", "", "多角形をかく"},
      {"StampBtn", "", "スタンプ"},                  {"SetStampBtn", "スタンプのせってい", ""},
      {"DupBtn", "", "ふやす"},                      {"DeleteBtn", "", "けす"},
      {"UndoBtn", "", "ふっかつ"},                   {"FrontBtn", "", "てまえに"},
      {"BackBtn", "", "うしろへ"},                   {"ThinBtn", "", "細い線"},
      {"ThickBtn", "", "太い線"},                    {"LineColorBtn", "", "線の色をかえる"},
      {"BodyColorBtn", "", "中の色をかえる"},        {"ChangeTextBtn", "", "もじをかえる"},
      {"TextColorBtn", "", "もじの色をかえる"},      {"SellectDrawBtn", "かく", ""},
      {"SellectEditBtn", "なおす", ""},              {"SellectPlayBtn", "みる", ""},
      {"ReverseBtn", "<", ""},                       {"StopBtn", "□", ""},
      {"ForwardBtn", ">", ""},                       {"ClearMemoBtn", "内部表示のリセット", ""},
      {"NormalPlayBtn", "ふつうのさいせい", ""},     {"StepPlayBtn", "１こずつさいせい", ""},
  };
  for (const auto& b : buttons) {
    const QAbstractButton* button = Button(b.name);
    if (!button) continue;
    EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    // Picture buttons show a picture drawn for them.
    if (*b.hint) {
      EXPECT_FALSE(button->icon().isNull()) << b.name;
    }
  }
  EXPECT_EQ(Find<QWidget>("ClearPanel")->toolTip(), "ぬりつぶしなし");
  EXPECT_EQ(Find<QWidget>("ConfirmPanel")->toolTip(), "色がえらばれています");
}

TEST_F(TFormTest, TheLogSwitchShowsThePaneAndResizesTheWindow) {
  Choose("ShowDataMenu");
  EXPECT_EQ(Form().frameGeometry().size(), QSize(990, 620));
  EXPECT_TRUE(Find<QWidget>("Memo")->isVisible());
  EXPECT_TRUE(Find<QWidget>("ClearMemoBtn")->isVisible());
  EXPECT_EQ(Item("ShowDataMenu")->text(), "内部処理の非表示");
  DrawRectangles(1);
  Click("SellectEditBtn");  // any command shows what was logged meanwhile
  auto* memo = Find<QPlainTextEdit>("Memo");
  EXPECT_TRUE(memo->toPlainText().startsWith("Create Rectangle (ID = 1)\nat 13:05:09.87 2004/11/22.\n"))
      << memo->toPlainText().toStdString();
  Click("ClearMemoBtn");
  EXPECT_EQ(memo->toPlainText(), "");

  Choose("ShowDataMenu");
  EXPECT_EQ(Form().frameGeometry().size(), QSize(810, 620));
  EXPECT_FALSE(Find<QWidget>("Memo")->isVisible());
  EXPECT_EQ(Item("ShowDataMenu")->text(), "内部処理の表示");
}

}  // namespace
}  // namespace mirel::test
