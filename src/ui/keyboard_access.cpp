#include "ui/keyboard_access.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <vector>

#include "ui/color_panel.h"
#include "ui/focus_ring.h"
#include "ui/form_controls.h"
#include "ui/log_pane.h"
#include "ui/paint_box.h"
#include "ui/text_box.h"

namespace mirel {
namespace {

// Return and Enter press a focused button as Space does (Qt buttons outside
// dialogs take Space only).
class TReturnPresses final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter)) return false;
    if (button->isEnabled()) button->click();
    return true;
  }
};

// The palette's colours, named for a listener, in panel order.
constexpr const char* kColorNames[16] = {
    "しろ",   "ピンク",     "あか",     "くらい あか", "ちゃいろ", "みずいろ", "あお",     "むらさき",
    "きいろ", "オレンジ", "きみどり", "みどり",       "あおみどり", "うすい はいいろ", "はいいろ", "くろ"};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A button's name is its hint, or its caption when it has none.
void NameButton(QAbstractButton& button) {
  button.setAccessibleName(button.toolTip().isEmpty() ? button.text() : button.toolTip());
}

// Controls the keyboard reaches, in Tab order from the canvas (which takes
// the keyboard on a click, not by Tab): the text box, the tools, the editing
// buttons, the palette and the size bars, the playback controls, the modes
// and the log. Hidden and disabled ones are passed over; so are the dates,
// which lie under the tool and editing panels outside watching.
std::vector<QWidget*> TabChain(const TFormControls& c) {
  std::vector<QWidget*> chain{c.PaintBox, c.InputEdit};
  chain.insert(chain.end(), c.ToolButtons.begin(), c.ToolButtons.end());
  const TEditButtons& e = c.Edit;
  chain.insert(chain.end(), {e.DupBtn, e.DeleteBtn, e.UndoBtn, e.FrontBtn, e.BackBtn, e.ThinBtn,
                             e.ThickBtn, e.LineColorBtn, e.BodyColorBtn, e.ChangeTextBtn, e.TextColorBtn,
                             c.ClearPanel});
  chain.insert(chain.end(), c.ColorPanels.begin(), c.ColorPanels.end());
  chain.insert(chain.end(), {c.HTrackBar, c.VTrackBar, c.ReverseBtn, c.StopBtn, c.ForwardBtn,
                             c.TimeTrackBar});
  chain.insert(chain.end(), c.ModeButtons.begin(), c.ModeButtons.end());
  chain.insert(chain.end(), {c.Memo, c.ClearMemoBtn});
  return chain;
}

void NameControls(const TFormControls& c) {
  for (QWidget* panel : {c.DrawPanel, c.EditPanel, c.PlayPanel, c.SellectBtnPanel}) {
    for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) NameButton(*button);
  }
  NameButton(*c.ClearMemoBtn);
  // Captions that are signs only.
  c.ReverseBtn->setAccessibleName(Utf8("ひとつ もどる"));
  c.StopBtn->setAccessibleName(Utf8("さいしょに もどる"));
  c.ForwardBtn->setAccessibleName(Utf8("ひとつ すすむ"));
  for (int i = 0; i < 16; ++i) c.ColorPanels[i]->setAccessibleName(Utf8("いろ: ") + Utf8(kColorNames[i]));
  c.ClearPanel->setAccessibleName(c.ClearPanel->toolTip());
  const std::pair<QWidget*, const char*> named[] = {
      {c.PaintBox, "えを かく ところ"},
      {c.InputEdit, "もじを いれる ところ"},
      {c.StampImage, "スタンプの みほん"},
      {c.HTrackBar, "よこの おおきさ"},
      {c.VTrackBar, "たての おおきさ"},
      {c.TimeTrackBar, "さいせいする ところ"},
      {c.DateYMD, "ひづけ"},
      {c.DateHMS, "じこく"},
      {c.Memo, "内部処理の表示"},
  };
  for (const auto& [widget, name] : named) widget->setAccessibleName(Utf8(name));
}

}  // namespace

void MakeKeyboardUsable(QWidget& client, const TFormControls& c) {
  const std::vector<QWidget*> chain = TabChain(c);
  auto* returnPresses = new TReturnPresses(&client);
  std::vector<QWidget*> ringed;
  for (QWidget* control : chain) {
    // The text box takes clicks and keys; the canvas takes the keyboard when
    // clicked (the form gives it).
    if (control == c.InputEdit || control == c.PaintBox) continue;
    control->setFocusPolicy(Qt::TabFocus);
    if (qobject_cast<QAbstractButton*>(control)) control->installEventFilter(returnPresses);
    ringed.push_back(control);
  }
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
  c.Memo->setTabChangesFocus(true);  // Tab leaves the log: no key traps the user there
  new TFocusRing(client, std::move(ringed));
  NameControls(c);
}

}  // namespace mirel
