#pragma once
// The window without a mouse: which controls the keyboard reaches and in
// which order, the keys that work them, and the names screen readers give
// them.
class QWidget;

namespace mirel {

struct TFormControls;

// Tab reaches every control in a fixed order; Space and Return press the
// buttons; the track bars take the arrows, Home, End, Page Up and Page Down.
// A click never moves the keyboard to a control, so the text box keeps it
// while the user clicks beside it; a ring shows which control has it. Every
// control gets an accessible name.
void MakeKeyboardUsable(QWidget& client, const TFormControls& controls);

}  // namespace mirel
