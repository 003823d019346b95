#pragma once
// The window's controls, placed at their client-area positions. Each carries
// its component name as its Qt object name. The pointers do not own: every
// control belongs to the window through Qt's parent ownership.
#include <array>

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;
class QWidget;

namespace mirel {

class TColorPanel;
class TLogPane;
class TPaintBox;
class TTextBox;

// The editing panel's buttons, each with its picture and hint.
struct TEditButtons {
  QToolButton* DupBtn = nullptr;
  QToolButton* DeleteBtn = nullptr;
  QToolButton* UndoBtn = nullptr;
  QToolButton* FrontBtn = nullptr;
  QToolButton* BackBtn = nullptr;
  QToolButton* ThinBtn = nullptr;
  QToolButton* ThickBtn = nullptr;
  QToolButton* LineColorBtn = nullptr;
  QToolButton* BodyColorBtn = nullptr;
  QToolButton* ChangeTextBtn = nullptr;
  QToolButton* TextColorBtn = nullptr;
};

struct TFormControls {
  // The canvas: PaintBox shows the drawing (background included), InputEdit
  // is the text box over it.
  QFrame* DrawField = nullptr;
  TPaintBox* PaintBox = nullptr;
  TTextBox* InputEdit = nullptr;

  // Drawing mode: the tool buttons, indexed by the CurrentTool they choose
  // (0 selection .. 8 stamp, 9 stamp set-up), and the stamp preview.
  QFrame* DrawPanel = nullptr;
  std::array<QToolButton*, 10> ToolButtons{};
  QButtonGroup* ToolGroup = nullptr;
  QFrame* StampField = nullptr;
  QLabel* StampImage = nullptr;

  // Editing mode.
  QFrame* EditPanel = nullptr;
  QSlider* HTrackBar = nullptr;
  QSlider* VTrackBar = nullptr;
  QFrame* OpPanel = nullptr;
  TEditButtons Edit;
  QFrame* ColorBasePanel = nullptr;
  std::array<TColorPanel*, 16> ColorPanels{};
  TColorPanel* ClearPanel = nullptr;
  TColorPanel* ConfirmPanel = nullptr;

  // Watching mode.
  QFrame* PlayPanel = nullptr;
  QRadioButton* NormalPlayBtn = nullptr;
  QRadioButton* StepPlayBtn = nullptr;
  QPushButton* ReverseBtn = nullptr;
  QPushButton* StopBtn = nullptr;
  QPushButton* ForwardBtn = nullptr;
  QSlider* TimeTrackBar = nullptr;

  // The mode buttons, indexed by mode (mdDraw, mdEdit, mdPlay).
  QFrame* SellectBtnPanel = nullptr;
  std::array<QPushButton*, 3> ModeButtons{};
  QButtonGroup* ModeGroup = nullptr;

  QFrame* DatePanel = nullptr;
  QLineEdit* DateYMD = nullptr;
  QLineEdit* DateHMS = nullptr;

  TLogPane* Memo = nullptr;
  QPushButton* ClearMemoBtn = nullptr;
};

// Creates every control on `client` (the area below the menu bar).
TFormControls BuildControls(QWidget& client);

}  // namespace mirel
