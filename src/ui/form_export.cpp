// The tool menu: exporting the canvas, and the internal-processing log pane.
#include <QAction>
#include <QPushButton>

#include "ui/form_view.h"
#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectExport() {
  connect(menus_.CaptureMenu, &QAction::triggered, this, &TMirelForm::CaptureMenuClick);
  connect(menus_.Save2BMPMenu, &QAction::triggered, this, &TMirelForm::Save2BMPMenuClick);
  connect(menus_.Save2JPEGMenu, &QAction::triggered, this, &TMirelForm::Save2JPEGMenuClick);
  connect(menus_.SaveAllProcessMenu, &QAction::triggered, this,
          &TMirelForm::SaveAllProcessMenuClick);
  connect(menus_.SaveMovieMenu, &QAction::triggered, this, &TMirelForm::SaveMovieMenuClick);
  connect(menus_.PrintMenu, &QAction::triggered, this, &TMirelForm::PrintMenuClick);
  connect(menus_.GalleryMenu, &QAction::triggered, this, &TMirelForm::GalleryMenuClick);
  connect(menus_.ShowDataMenu, &QAction::triggered, this, &TMirelForm::ShowDataMenuClick);
  connect(controls_.ClearMemoBtn, &QPushButton::clicked, this, &TMirelForm::ClearMemoBtnClick);
}

void TMirelForm::CaptureMenuClick() {
  Run([this] { editor_->CaptureMenuClick(); });
}

void TMirelForm::Save2BMPMenuClick() {
  Run([this] { return editor_->Save2BMPMenuClick(); });
}

void TMirelForm::Save2JPEGMenuClick() {
  Run([this] { return editor_->Save2JPEGMenuClick(); });
}

void TMirelForm::SaveAllProcessMenuClick() {
  Run([this] {
    editor_->SaveAllProcessMenuClick();
    // However the series ended, the window takes input again.
    view_->SetBusy(false);
  });
}

void TMirelForm::SaveMovieMenuClick() {
  Run([this] {
    editor_->SaveMovieMenuClick();
    view_->SetBusy(false);
  });
}

void TMirelForm::ShowDataMenuClick() {
  Run([this] { editor_->ShowDataMenuClick(); });
}

void TMirelForm::ClearMemoBtnClick() {
  Run([this] { editor_->ClearMemoBtnClick(); });
}

}  // namespace mirel
