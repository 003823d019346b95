// Reading and saving drawings, the background and clear items of the display
// menu, and the two ways to end the program.
#include <QAction>

#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectFileCommands() {
  connect(menus_.ReadDataMenu, &QAction::triggered, this, &TMirelForm::ReadDataMenuClick);
  connect(menus_.OverWriteDataMenu, &QAction::triggered, this, &TMirelForm::OverWriteDataMenuClick);
  connect(menus_.WriteDataMenu, &QAction::triggered, this, &TMirelForm::WriteDataMenuClick);
  connect(menus_.ExitMenu, &QAction::triggered, this, &TMirelForm::ExitMenuClick);
  connect(menus_.ReadBGMenu, &QAction::triggered, this, &TMirelForm::ReadBGMenuClick);
  const std::pair<QAction*, TClearMenu> clearItems[] = {
      {menus_.ClearBGMenu, TClearMenu::ClearBGMenu},
      {menus_.ClearImageMenu, TClearMenu::ClearImageMenu},
      {menus_.ClearAllMenu, TClearMenu::ClearAllMenu}};
  for (const auto& [item, menu] : clearItems) {
    connect(item, &QAction::triggered, this, [this, menu] { ClearMenuClick(menu); });
  }
  connect(menus_.ExitByForce, &QAction::triggered, this, &TMirelForm::ExitByForceClick);
}

void TMirelForm::ReadDataMenuClick() {
  Run([this] { editor_->ReadDataMenuClick(); });
}

void TMirelForm::OverWriteDataMenuClick() {
  Run([this] { return editor_->OverWriteDataMenuClick(); });
}

void TMirelForm::WriteDataMenuClick() {
  Run([this] { return editor_->WriteDataMenuClick(); });
}

void TMirelForm::ReadBGMenuClick() {
  Run([this] { editor_->ReadBGMenuClick(); });
}

void TMirelForm::ClearMenuClick(TClearMenu menu) {
  Run([&] { editor_->ClearMenuClick(menu); });
}

void TMirelForm::ExitMenuClick() {
  Run([this] { editor_->ExitMenuClick(); });
}

void TMirelForm::ExitByForceClick() {
  Run([this] { editor_->ExitByForceClick(); });
}

}  // namespace mirel
