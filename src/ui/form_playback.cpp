// Watching mode's panel: reverse, stop, forward and the time track bar.
#include <QPushButton>
#include <QSlider>

#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectPlayback() {
  connect(controls_.ForwardBtn, &QPushButton::clicked, this, &TMirelForm::ForwardBtnClick);
  connect(controls_.ReverseBtn, &QPushButton::clicked, this, &TMirelForm::ReverseBtnClick);
  connect(controls_.StopBtn, &QPushButton::clicked, this, &TMirelForm::StopBtnClick);
  // Every position the user gives the bar (drag, click, keys) shows that step.
  connect(controls_.TimeTrackBar, &QSlider::valueChanged, this, &TMirelForm::TimeTrackBarChange);
}

void TMirelForm::ForwardBtnClick() {
  Run([this] { editor_->ForwardBtnClick(); });
}

void TMirelForm::ReverseBtnClick() {
  Run([this] { editor_->ReverseBtnClick(); });
}

void TMirelForm::StopBtnClick() {
  Run([this] { editor_->StopBtnClick(); });
}

void TMirelForm::TimeTrackBarChange(int position) {
  Run([&] { editor_->TimeTrackBarChange(position); });
}

}  // namespace mirel
