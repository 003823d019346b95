// The editing panel: its buttons and the two size track bars.
#include <QSlider>
#include <QToolButton>

#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::ConnectEditPanel() {
  const TEditButtons& b = controls_.Edit;
  const auto onClick = [this](QToolButton* button, auto command) {
    connect(button, &QToolButton::clicked, this, [this, command] { Run([&] { command(*editor_); }); });
  };
  onClick(b.DupBtn, [](TEditor& e) { e.DupBtnClick(); });
  onClick(b.DeleteBtn, [](TEditor& e) { e.DeleteBtnClick(); });
  onClick(b.UndoBtn, [](TEditor& e) { e.UndoBtnClick(); });
  onClick(b.FrontBtn, [](TEditor& e) { e.FrontBackBtnClick(true); });
  onClick(b.BackBtn, [](TEditor& e) { e.FrontBackBtnClick(false); });
  onClick(b.ChangeTextBtn, [](TEditor& e) { e.ChangeTextBtnClick(); });
  const std::pair<QToolButton*, TAttrButton> attributes[] = {
      {b.LineColorBtn, TAttrButton::LineColorBtn}, {b.BodyColorBtn, TAttrButton::BodyColorBtn},
      {b.ThickBtn, TAttrButton::ThickBtn},         {b.ThinBtn, TAttrButton::ThinBtn},
      {b.TextColorBtn, TAttrButton::TextColorBtn}};
  for (const auto& [button, attribute] : attributes) {
    onClick(button, [attribute](TEditor& e) { e.AttrChangeBtnClick(attribute); });
  }
  connect(controls_.HTrackBar, &QSlider::valueChanged, this,
          [this](int position) { TrackBarChange(true, position); });
  connect(controls_.VTrackBar, &QSlider::valueChanged, this,
          [this](int position) { TrackBarChange(false, position); });
}

void TMirelForm::TrackBarChange(bool horizontal, int position) {
  Run([&] { editor_->TrackBarChange(horizontal, position); });
}

}  // namespace mirel
