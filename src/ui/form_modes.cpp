// Modes, tool buttons, the palette and the display menu's opening.
#include <QButtonGroup>
#include <QMenu>
#include <QPushButton>

#include "ui/color_panel.h"
#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectModes() {
  connect(controls_.ModeButtons[mdDraw], &QPushButton::clicked, this,
          &TMirelForm::SellectDrawBtnClick);
  connect(controls_.ModeButtons[mdEdit], &QPushButton::clicked, this,
          &TMirelForm::SellectEditBtnClick);
  connect(controls_.ModeButtons[mdPlay], &QPushButton::clicked, this,
          &TMirelForm::SellectPlayBtnClick);
  connect(controls_.ToolGroup, &QButtonGroup::idClicked, this, &TMirelForm::DrawingBtnClick);
  for (int i = 0; i < 16; ++i) {
    connect(controls_.ColorPanels[i], &TColorPanel::Clicked, this,
            [this, panel = i + 1] { ColorPanelClick(panel); });
  }
  connect(controls_.ClearPanel, &TColorPanel::Clicked, this, &TMirelForm::ClearPanelClick);
  connect(menus_.DrawMenu, &QMenu::aboutToShow, this, &TMirelForm::DrawMenuClick);
}

void TMirelForm::SellectDrawBtnClick() {
  Run([this] { editor_->SellectDrawBtnClick(); });
}

void TMirelForm::SellectEditBtnClick() {
  Run([this] { editor_->SellectEditBtnClick(); });
}

void TMirelForm::SellectPlayBtnClick() {
  Run([this] { editor_->SellectPlayBtnClick(); });
}

void TMirelForm::DrawingBtnClick(int tool) {
  Run([&] { editor_->DrawingBtnClick(static_cast<std::uint8_t>(tool)); });
}

void TMirelForm::ColorPanelClick(int panel) {
  Run([&] { editor_->ColorPanelClick(panel); });
}

void TMirelForm::ClearPanelClick() {
  Run([this] { editor_->ClearPanelClick(); });
}

void TMirelForm::DrawMenuClick() {
  Run([this] { editor_->DrawMenuClick(); });
}

}  // namespace mirel
