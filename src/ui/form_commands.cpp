// The window's buttons, menus and track bars, each mapped onto one editor
// command. The canvas and the text box are mapped in form_canvas.cpp.
#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "ui/color_panel.h"
#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectCommands() {
  // Modes, tools and the palette.
  Bind(controls_.ModeButtons[mdDraw], &QPushButton::clicked, &TEditor::SellectDrawBtnClick);
  Bind(controls_.ModeButtons[mdEdit], &QPushButton::clicked, &TEditor::SellectEditBtnClick);
  Bind(controls_.ModeButtons[mdPlay], &QPushButton::clicked, &TEditor::SellectPlayBtnClick);
  connect(controls_.ToolGroup, &QButtonGroup::idClicked, this,
          [this](int tool) { Run([&] { editor_->DrawingBtnClick(static_cast<std::uint8_t>(tool)); }); });
  for (int i = 0; i < 16; ++i) {
    Bind(controls_.ColorPanels[i], &TColorPanel::Clicked, &TEditor::ColorPanelClick, i + 1);
  }
  Bind(controls_.ClearPanel, &TColorPanel::Clicked, &TEditor::ClearPanelClick);
  Bind(menus_.DrawMenu, &QMenu::aboutToShow, &TEditor::DrawMenuClick);

  // The editing panel.
  const TEditButtons& b = controls_.Edit;
  Bind(b.DupBtn, &QToolButton::clicked, &TEditor::DupBtnClick);
  Bind(b.DeleteBtn, &QToolButton::clicked, &TEditor::DeleteBtnClick);
  Bind(b.UndoBtn, &QToolButton::clicked, &TEditor::UndoBtnClick);
  Bind(b.FrontBtn, &QToolButton::clicked, &TEditor::FrontBackBtnClick, true);
  Bind(b.BackBtn, &QToolButton::clicked, &TEditor::FrontBackBtnClick, false);
  Bind(b.ChangeTextBtn, &QToolButton::clicked, &TEditor::ChangeTextBtnClick);
  const std::pair<QToolButton*, TAttrButton> attributes[] = {
      {b.LineColorBtn, TAttrButton::LineColorBtn}, {b.BodyColorBtn, TAttrButton::BodyColorBtn},
      {b.ThickBtn, TAttrButton::ThickBtn},         {b.ThinBtn, TAttrButton::ThinBtn},
      {b.TextColorBtn, TAttrButton::TextColorBtn}};
  for (const auto& [button, attribute] : attributes) {
    Bind(button, &QToolButton::clicked, &TEditor::AttrChangeBtnClick, attribute);
  }
  for (const bool horizontal : {true, false}) {
    connect(horizontal ? controls_.HTrackBar : controls_.VTrackBar, &QSlider::valueChanged, this,
            [this, horizontal](int position) { Run([&] { editor_->TrackBarChange(horizontal, position); }); });
  }

  // Files, the background, clearing and the two ways to end the program.
  Bind(menus_.ReadDataMenu, &QAction::triggered, &TEditor::ReadDataMenuClick);
  Bind(menus_.OverWriteDataMenu, &QAction::triggered, &TEditor::OverWriteDataMenuClick);
  Bind(menus_.WriteDataMenu, &QAction::triggered, &TEditor::WriteDataMenuClick);
  Bind(menus_.ExitMenu, &QAction::triggered, &TEditor::ExitMenuClick);
  Bind(menus_.ReadBGMenu, &QAction::triggered, &TEditor::ReadBGMenuClick);
  Bind(menus_.ClearBGMenu, &QAction::triggered, &TEditor::ClearMenuClick, TClearMenu::ClearBGMenu);
  Bind(menus_.ClearImageMenu, &QAction::triggered, &TEditor::ClearMenuClick, TClearMenu::ClearImageMenu);
  Bind(menus_.ClearAllMenu, &QAction::triggered, &TEditor::ClearMenuClick, TClearMenu::ClearAllMenu);
  Bind(menus_.ExitByForce, &QAction::triggered, &TEditor::ExitByForceClick);

  // Watching mode: every position the user gives the bar (drag, click, keys)
  // shows that step.
  Bind(controls_.ForwardBtn, &QPushButton::clicked, &TEditor::ForwardBtnClick);
  Bind(controls_.ReverseBtn, &QPushButton::clicked, &TEditor::ReverseBtnClick);
  Bind(controls_.StopBtn, &QPushButton::clicked, &TEditor::StopBtnClick);
  connect(controls_.TimeTrackBar, &QSlider::valueChanged, this,
          [this](int position) { Run([&] { editor_->TimeTrackBarChange(position); }); });

  // The tool menu: exports, printing, the gallery and the log pane.
  Bind(menus_.CaptureMenu, &QAction::triggered, &TEditor::CaptureMenuClick);
  Bind(menus_.Save2BMPMenu, &QAction::triggered, &TEditor::Save2BMPMenuClick);
  Bind(menus_.Save2JPEGMenu, &QAction::triggered, &TEditor::Save2JPEGMenuClick);
  Bind(menus_.SaveAllProcessMenu, &QAction::triggered, &TEditor::SaveAllProcessMenuClick);
  Bind(menus_.SaveMovieMenu, &QAction::triggered, &TEditor::SaveMovieMenuClick);
  connect(menus_.PrintMenu, &QAction::triggered, this, &TMirelForm::PrintMenuClick);
  connect(menus_.GalleryMenu, &QAction::triggered, this, &TMirelForm::GalleryMenuClick);
  Bind(menus_.ShowDataMenu, &QAction::triggered, &TEditor::ShowDataMenuClick);
  Bind(controls_.ClearMemoBtn, &QPushButton::clicked, &TEditor::ClearMemoBtnClick);
}

}  // namespace mirel
