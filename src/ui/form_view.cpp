#include "ui/form_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>

#include "export/frame_sinks.h"
#include "export/picture_file.h"
#include "fileio/user_words.h"
#include "render/canvas_composition.h"
#include "render/canvas_font.h"
#include "render/figure_drawing.h"
#include "text/cp932.h"
#include "ui/paint_box.h"
#include "ui/text_box.h"

namespace mirel {
namespace {

// A stamp's preview is drawn at most this large before it is shrunk to the
// preview, whatever coordinates a file gave its figures.
constexpr int kMaxPreviewSource = 4096;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TFormView::TFormView(QWidget& window, const TFormControls& controls)
    : window_(window), controls_(controls), backBuffer_(CanvasWidth, CanvasHeight) {
  ClearStampPreview();
}

TFormView::~TFormView() { SetBusy(false); }

void TFormView::Repaint(const TCanvasScene& scene) {
  composer_.ComposeChanged(backBuffer_, background_.Picture(), scene.Figures, scene.Marked, damage_);
  TPaintBox& box = *controls_.PaintBox;
  box.Canvas().CopyRect(QRect(0, 0, CanvasWidth, CanvasHeight), backBuffer_,
                        QRect(0, 0, CanvasWidth, CanvasHeight));
  // While long work holds the event loop, show each picture at once.
  if (busy_) {
    box.repaint();
  } else {
    box.update();
  }
}

int TFormView::TextWidth(const std::string& cp932Text, int points) {
  return CanvasTextWidth(QString::fromStdString(Cp932ToUtf8(cp932Text).Text), points);
}

void TFormView::ShowTextBox(TPoint topLeft, int width, const std::string* utf8Text) {
  TTextBox& box = *controls_.InputEdit;
  // The box lies over the canvas with the canvas's origin.
  const QPoint canvasOrigin = controls_.PaintBox->pos();
  box.setGeometry(canvasOrigin.x() + topLeft.X, canvasOrigin.y() + topLeft.Y, width, box.height());
  if (utf8Text) box.setText(Text(*utf8Text));
  box.show();
  box.raise();
  box.setFocus();
}

void TFormView::HideTextBox() {
  // The keyboard goes back to the canvas, not to the next control in line.
  if (controls_.InputEdit->hasFocus()) controls_.PaintBox->setFocus(Qt::OtherFocusReason);
  controls_.InputEdit->clear();
  controls_.InputEdit->hide();
}

bool TFormView::TextBoxVisible() const { return !controls_.InputEdit->isHidden(); }

void TFormView::ShowStampPreview(const TStampPreview& stamp) {
  // The gathered figures where they were gathered, 3 pixels of white around
  // them, stretched over the whole preview.
  const TPoint min = stamp.PreviewMin;
  const TPoint max = stamp.PreviewMax;
  const int width = std::clamp<std::int64_t>(std::int64_t{max.X} - min.X, 1, kMaxPreviewSource);
  const int height = std::clamp<std::int64_t>(std::int64_t{max.Y} - min.Y, 1, kMaxPreviewSource);
  TSurface source(width, height);
  DrawStamp(stamp.Figures, source, TPoint{WrapSub(stamp.Min.X, min.X), WrapSub(stamp.Min.Y, min.Y)});
  QLabel& preview = *controls_.StampImage;
  TSurface shown(preview.width(), preview.height());
  shown.CopyRect(QRect(0, 0, shown.Width(), shown.Height()), source, QRect(0, 0, width, height));
  preview.setPixmap(QPixmap::fromImage(shown.Image()));
}

void TFormView::ClearStampPreview() {
  QLabel& preview = *controls_.StampImage;
  QImage white(preview.size(), QImage::Format_RGB32);
  white.fill(Qt::white);
  preview.setPixmap(QPixmap::fromImage(white));
}

void TFormView::ShowDates(const TStepDateTexts& dates) {
  controls_.DateYMD->setText(Text(dates.DateYMD));
  controls_.DateHMS->setText(Text(dates.DateHMS));
}

void TFormView::SetCaption(const std::string& utf8Caption) { window_.setWindowTitle(Text(utf8Caption)); }

TResult<> TFormView::SavePicture(TPictureKind kind, const std::string& path,
                               const std::string& backupName) {
  const TResult<> written = mirel::SavePicture(kind, backBuffer_.Image(), path, backupName, jpeg_);
  if (written.Ok) return TResult<>::Done();
  // The editor words the message for the user, naming the file.
  TResult<> failed = TResult<>::Failed({}, written.Detail);
  failed.Reason = written.Reason;
  return failed;
}

void TFormView::CopyToClipboard() { QApplication::clipboard()->setImage(backBuffer_.Image()); }

std::unique_ptr<IFrameSink> TFormView::StartSeries(const std::string& chosenPath) {
  return MakeSeriesSink([this]() -> const QImage& { return backBuffer_.Image(); },
                        [chosenPath](int step) { return SeriesFrameName(chosenPath, step); });
}

std::unique_ptr<IFrameSink> TFormView::StartVideo(const std::string& path, int fps) {
  return MakeVideoSink([this]() -> const QImage& { return backBuffer_.Image(); }, path, fps);
}

bool TFormView::ShowProgress(int done, int total) {
  if (total <= 0) {
    delete progress_.data();
    return true;
  }
  if (!progress_) {
    progress_ = new QProgressDialog(&window_);
    progress_->setObjectName(QStringLiteral("ProgressDialog"));
    progress_->setWindowTitle(QString::fromUtf8(msg::kExportTitle));
    progress_->setCancelButtonText(QString::fromUtf8(msg::kExportStop));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(progressDelay_);
    progress_->setRange(0, total);
    progress_->setValue(0);  // the dialog's clock starts
  }
  progress_->setLabelText(QString::fromUtf8(msg::kExportProgress).arg(done).arg(total));
  // Once the dialog shows, this lets it, its button and the canvas be drawn
  // and answer.
  progress_->setValue(done);
  if (progress_->isVisible() && !window_.isEnabled()) {
    // The dialog holds the window now; a disabled window would disable the
    // dialog and its cancel button too.
    window_.setEnabled(true);
    SetWaitCursor(false);
  }
  return !progress_->wasCanceled();
}

void TFormView::SetWaitCursor(bool on) {
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TFormView::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  window_.setEnabled(!busy);
  SetWaitCursor(busy);
}

}  // namespace mirel
