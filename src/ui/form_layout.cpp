// The window's controls at their client-area positions. Creation order is
// stacking order: the date panel lies lowest, so the drawing and editing
// panels cover it and it shows only while watching.
#include <QButtonGroup>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "editor/editor.h"
#include "render/canvas_font.h"
#include "ui/button_icons.h"
#include "ui/color_panel.h"
#include "ui/form_controls.h"
#include "ui/log_pane.h"
#include "ui/paint_box.h"
#include "ui/text_box.h"

namespace mirel {
namespace {

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, QRect place, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)..., parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(place);
  return widget;
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect place,
                  int shape = QFrame::Panel | QFrame::Raised) {
  auto* panel = Make<QFrame>(parent, name, place);
  panel->setFrameStyle(shape);
  panel->setAutoFillBackground(true);  // panels cover what lies beneath them
  return panel;
}

void FillWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

struct TToolButtonInfo {
  const char* Name;
  const char* Icon;
  const char* Hint;
  QPoint Place;
};

// Indexed by the CurrentTool each button chooses.
constexpr TToolButtonInfo kTools[] = {
    {"SellectionBtn", "select", "かえたい図形をえらぶ", {8, 8}},
    {"TextBtn", "text", "もじをかく", {72, 8}},
    {"LineBtn", "line", "直線をかく", {8, 64}},
    {"FreeBtn", "free_line", "じゆうにかく", {72, 64}},
    {"OvalBtn", "oval", "円をかく", {8, 120}},
    {"RectBtn", "rect", "四角形をかく", {72, 120}},
    {"PolylineBtn", "polyline", "おれ線をかく", {8, 176}},
    {"PolygonBtn", "polygon", "多角形をかく", {72, 176}},
    {"StampBtn", "stamp", "スタンプ", {8, 232}},
};

QToolButton* MakePictureButton(QWidget* parent, const char* name, QRect place, const char* icon,
                               const char* hint) {
  auto* button = Make<QToolButton>(parent, name, place);
  const QSize iconSize(36, 36);
  button->setIcon(ButtonIcon(QString::fromLatin1(icon), iconSize));
  button->setIconSize(iconSize);
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

void BuildDrawPanel(QWidget& client, TFormControls& c) {
  c.DrawPanel = MakePanel(&client, "DrawPanel", {646, 4, 137, 481});
  c.ToolGroup = new QButtonGroup(c.DrawPanel);
  for (int tool = 0; tool < 9; ++tool) {
    const TToolButtonInfo& info = kTools[tool];
    QToolButton* button = MakePictureButton(c.DrawPanel, info.Name, {info.Place, QSize(57, 49)},
                                            info.Icon, info.Hint);
    button->setCheckable(true);
    c.ToolGroup->addButton(button, tool);
    c.ToolButtons[tool] = button;
  }
  auto* setup = Make<QToolButton>(c.DrawPanel, "SetStampBtn", {8, 328, 121, 41});
  setup->setText(QStringLiteral("スタンプのせってい"));
  setup->setCheckable(true);
  c.ToolGroup->addButton(setup, 9);
  c.ToolButtons[9] = setup;

  c.StampField = Make<QFrame>(c.DrawPanel, "StampField", {8, 376, 120, 100});
  FillWhite(c.StampField);
  c.StampImage = Make<QLabel>(c.StampField, "StampImage", {5, 4, 108, 85});
  FillWhite(c.StampImage);
}

struct TEditButtonInfo {
  QToolButton* TEditButtons::*Field;
  const char* Name;
  const char* Icon;
  const char* Hint;
  QPoint Place;
};

// In pairs that belong together: copy, remove and bring back; order; line
// width; colours; text.
constexpr TEditButtonInfo kEditButtons[] = {
    {&TEditButtons::DupBtn, "DupBtn", "duplicate", "ふやす", {4, 6}},
    {&TEditButtons::DeleteBtn, "DeleteBtn", "delete", "けす", {4, 62}},
    {&TEditButtons::UndoBtn, "UndoBtn", "undo", "ふっかつ", {54, 62}},
    {&TEditButtons::FrontBtn, "FrontBtn", "front", "てまえに", {4, 130}},
    {&TEditButtons::BackBtn, "BackBtn", "back", "うしろへ", {54, 130}},
    {&TEditButtons::ThinBtn, "ThinBtn", "thin", "細い線", {4, 198}},
    {&TEditButtons::ThickBtn, "ThickBtn", "thick", "太い線", {54, 198}},
    {&TEditButtons::LineColorBtn, "LineColorBtn", "line_color", "線の色をかえる", {4, 266}},
    {&TEditButtons::BodyColorBtn, "BodyColorBtn", "body_color", "中の色をかえる", {54, 266}},
    {&TEditButtons::ChangeTextBtn, "ChangeTextBtn", "change_text", "もじをかえる", {4, 334}},
    {&TEditButtons::TextColorBtn, "TextColorBtn", "text_color", "もじの色をかえる", {54, 334}},
};

QSlider* MakeTrackBar(QWidget* parent, const char* name, QRect place, Qt::Orientation orientation,
                      int minimum, int maximum) {
  auto* bar = Make<QSlider>(parent, name, place, orientation);
  bar->setRange(minimum, maximum);
  bar->setValue(0);
  return bar;
}

void BuildPalette(TFormControls& c) {
  c.ColorBasePanel = MakePanel(c.EditPanel, "ColorBasePanel", {4, 484, 285, 43});
  for (int i = 0; i < 16; ++i) {
    const QString name = QStringLiteral("ColorPanel%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    auto* panel = new TColorPanel(c.ColorBasePanel);
    panel->setObjectName(name);
    panel->setGeometry(40 + 24 * (i % 8), i < 8 ? 4 : 20, 25, 17);
    panel->SetColor(kPaletteColors[i]);
    c.ColorPanels[i] = panel;
  }
  c.ClearPanel = Make<TColorPanel>(c.ColorBasePanel, "ClearPanel", {8, 4, 25, 33});
  c.ClearPanel->SetColor(clBtnFace);
  c.ClearPanel->setToolTip(QStringLiteral("ぬりつぶしなし"));
  c.ConfirmPanel = Make<TColorPanel>(c.ColorBasePanel, "ConfirmPanel", {240, 4, 33, 33});
}

void BuildEditPanel(QWidget& client, TFormControls& c) {
  c.EditPanel = MakePanel(&client, "EditPanel", {0, 0, 793, 535}, QFrame::Box | QFrame::Plain);
  c.HTrackBar = MakeTrackBar(c.EditPanel, "HTrackBar", {296, 488, 321, 40}, Qt::Horizontal, -99, 100);
  c.VTrackBar = MakeTrackBar(c.EditPanel, "VTrackBar", {648, 136, 22, 321}, Qt::Vertical, -99, 100);
  c.VTrackBar->setInvertedAppearance(true);  // the least position at the top
  c.VTrackBar->setInvertedControls(true);
  c.OpPanel = MakePanel(c.EditPanel, "OpPanel", {672, 8, 105, 473});
  for (const TEditButtonInfo& info : kEditButtons) {
    c.Edit.*info.Field =
        MakePictureButton(c.OpPanel, info.Name, {info.Place, QSize(48, 52)}, info.Icon, info.Hint);
  }
  BuildPalette(c);
}

void BuildPlayPanel(QWidget& client, TFormControls& c) {
  c.PlayPanel = MakePanel(&client, "PlayPanel", {4, 486, 617, 45});
  // Kept for their names; nothing reads them, so they stay hidden.
  c.NormalPlayBtn = Make<QRadioButton>(c.PlayPanel, "NormalPlayBtn", {8, 2, 120, 20},
                                       QStringLiteral("ふつうのさいせい"));
  c.NormalPlayBtn->setChecked(true);
  c.NormalPlayBtn->hide();
  c.StepPlayBtn = Make<QRadioButton>(c.PlayPanel, "StepPlayBtn", {8, 22, 120, 20},
                                     QStringLiteral("１こずつさいせい"));
  c.StepPlayBtn->hide();
  c.ReverseBtn = Make<QPushButton>(c.PlayPanel, "ReverseBtn", {136, 6, 33, 33}, QStringLiteral("<"));
  c.StopBtn = Make<QPushButton>(c.PlayPanel, "StopBtn", {172, 6, 33, 33}, QStringLiteral("□"));
  c.ForwardBtn = Make<QPushButton>(c.PlayPanel, "ForwardBtn", {208, 6, 33, 33}, QStringLiteral(">"));
  c.TimeTrackBar = MakeTrackBar(c.PlayPanel, "TimeTrackBar", {248, 2, 361, 41}, Qt::Horizontal, 0, 0);
  c.TimeTrackBar->setTickPosition(QSlider::TicksBothSides);
  c.TimeTrackBar->setTickInterval(1);
  c.TimeTrackBar->setPageStep(1);
}

void BuildDrawField(QWidget& client, TFormControls& c) {
  // The border lies outside the canvas, so the canvas itself is at (4, 4).
  c.DrawField = MakePanel(&client, "DrawField", {3, 3, 642, 482}, QFrame::Box | QFrame::Plain);
  FillWhite(c.DrawField);
  c.PaintBox = new TPaintBox(c.DrawField);
  c.PaintBox->setObjectName(QStringLiteral("PaintBox"));
  c.PaintBox->move(1, 1);
  c.InputEdit = Make<TTextBox>(c.DrawField, "InputEdit", {1, 1, 169, 24});
  QFont textFont(QString::fromLatin1(CanvasFontFamily));
  textFont.setPixelSize(CanvasFontPixels(12));  // the 12 points the text is drawn with
  c.InputEdit->setFont(textFont);
  c.InputEdit->hide();
}

void BuildModeButtons(QWidget& client, TFormControls& c) {
  c.SellectBtnPanel = MakePanel(&client, "SellectBtnPanel", {624, 488, 161, 41});
  c.ModeGroup = new QButtonGroup(c.SellectBtnPanel);
  const char* names[] = {"SellectDrawBtn", "SellectEditBtn", "SellectPlayBtn"};
  const char* captions[] = {"かく", "なおす", "みる"};
  for (int mode = 0; mode < 3; ++mode) {
    auto* button = Make<QPushButton>(c.SellectBtnPanel, names[mode], {4 + 52 * mode, 4, 49, 33},
                                     QString::fromUtf8(captions[mode]));
    button->setCheckable(true);
    c.ModeGroup->addButton(button, mode);
    c.ModeButtons[mode] = button;
  }
}

void BuildDatePanel(QWidget& client, TFormControls& c) {
  c.DatePanel = MakePanel(&client, "DatePanel", {672, 8, 105, 65});
  const QFont fixed(QStringLiteral("IPAGothic"), 12);
  c.DateYMD = Make<QLineEdit>(c.DatePanel, "DateYMD", {8, 8, 89, 24});
  c.DateHMS = Make<QLineEdit>(c.DatePanel, "DateHMS", {8, 34, 89, 24});
  for (QLineEdit* box : {c.DateYMD, c.DateHMS}) {
    box->setReadOnly(true);
    box->setFont(fixed);
    box->setFocusPolicy(Qt::NoFocus);
  }
}

}  // namespace

TFormControls BuildControls(QWidget& client) {
  TFormControls c;
  BuildDatePanel(client, c);
  BuildEditPanel(client, c);
  BuildDrawPanel(client, c);
  BuildPlayPanel(client, c);
  BuildDrawField(client, c);
  BuildModeButtons(client, c);
  c.Memo = Make<TLogPane>(&client, "Memo", {808, 8, 169, 489});
  c.ClearMemoBtn = Make<QPushButton>(&client, "ClearMemoBtn", {808, 504, 169, 25},
                                     QStringLiteral("内部表示のリセット"));
  return c;
}

}  // namespace mirel
