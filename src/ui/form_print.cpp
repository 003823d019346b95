// The tool menu's printing: the canvas as shown, without selection marks,
// on one page through the system's print dialog.
#include <QPrinter>

#include "export/canvas_page.h"
#include "fileio/user_words.h"
#include "ui/form_view.h"
#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::PrintMenuClick() {
  Run([this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(CanvasPageLayout());
    printer.setColorMode(QPrinter::Color);
    if (!services_.ChoosePrinter(printer)) return;
    if (!PaintCanvasPage(printer, view_->BackgroundPicture(), editor_->Document().Figures())) {
      prompts_->Notice(msg::kNotPrinted);
    }
  });
}

}  // namespace mirel
