#include "ui/mirel_form.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "text/native_arguments.h"
#include "ui/form_view.h"
#include "ui/keyboard_access.h"
#include "ui/log_pane.h"
#include "ui/paint_box.h"
#include "ui/qt_user_prompts.h"
#include "ui/text_box.h"
#include "ui/tools/canvas_tools.h"

namespace mirel {
namespace {

// The window's text face: IPA P Gothic stands in for the proportional Gothic
// face the window was designed with.
constexpr const char* kWindowFontFamily = "IPAPGothic";
constexpr int kWindowFontPoints = 9;

// The first dropped item, when it is a local file.
std::optional<QString> FirstDroppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().isEmpty()) return std::nullopt;
  const QUrl first = mime->urls().front();
  if (!first.isLocalFile()) return std::nullopt;
  return first.toLocalFile();
}

}  // namespace

TMirelForm::TMirelForm(std::unique_ptr<IUserPrompts> prompts, TClock clock)
    : prompts_(std::move(prompts)) {
  setObjectName(QStringLiteral("MirelForm"));
  setFont(QFont(QString::fromLatin1(kWindowFontFamily), kWindowFontPoints));
  if (!prompts_) prompts_ = std::make_unique<TQtUserPrompts>(*this);
  services_ = TSystemServices::Real(*this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);
  controls_ = BuildControls(*client);
  menus_ = BuildMenus(*menuBar());

  view_ = std::make_unique<TFormView>(*this, controls_);
  editor_ = std::make_unique<TEditor>(*view_, *prompts_, std::move(clock));
  tools_ = std::make_unique<TCanvasTools>(*editor_, *controls_.PaintBox);
  editor_->Document().Log().SetListener(
      [this](const std::string& line) { controls_.Memo->Append(line); });

  // Clicking a control never takes the keyboard from the text box, so an
  // input method's composition there survives a click beside it; Tab
  // reaches the controls.
  for (QWidget* control : client->findChildren<QWidget*>()) {
    if (control != controls_.InputEdit) control->setFocusPolicy(Qt::NoFocus);
  }
  MakeKeyboardUsable(*client, controls_);
  controls_.PaintBox->setFocus();  // no button holds the keyboard at start
  setAcceptDrops(true);
  ConnectCommands();
  ConnectCanvas();

  move(0, 0);
  logShown_ = editor_->ShowInternal();
  SetOuterSize(logShown_ ? 990 : 800, 580);
  view_->Repaint(editor_->Scene());
  SyncFromEditor();
}

TMirelForm::~TMirelForm() {
  // The tools refer to the editor; the editor to the view and the prompts.
  tools_.reset();
  editor_.reset();
}

void TMirelForm::FormCreate(const QString& commandLineFile, const QString& recoveryFolder) {
  Run([&] {
    if (!recoveryFolder.isEmpty()) editor_->StartRecovery(recoveryFolder.toStdString());
    editor_->FormCreate(BytesFromArgument(commandLineFile));
  });
}

const QImage& TMirelForm::BackBufferImage() const { return view_->BackBufferImage(); }

void TMirelForm::SetProgressDelay(int milliseconds) { view_->SetProgressDelay(milliseconds); }

void TMirelForm::SetOuterSize(int width, int height) {
  outerSize_ = QSize(width, height);
  // The frame is known once the window system has framed the window; until
  // then the whole size goes to the window.
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(width - frame.width(), height - frame.height());
}

void TMirelForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) {
    SetOuterSize(outerSize_.width(), outerSize_.height());
    move(0, 0);
  }
}

// The close box never closes the window by itself: the exit command
// decides, and Cancel keeps the window open.
void TMirelForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  Run([this] { editor_->ExitMenuClick(); });
}

void TMirelForm::dragEnterEvent(QDragEnterEvent* event) {
  if (FirstDroppedFile(event->mimeData())) event->acceptProposedAction();
}

// Only the first file of a drop is opened; the others are ignored. The file
// opens once the drop has finished, so that its questions do not hold up the
// program the file came from.
void TMirelForm::dropEvent(QDropEvent* event) {
  const std::optional<QString> file = FirstDroppedFile(event->mimeData());
  if (!file) return;
  event->acceptProposedAction();
  QMetaObject::invokeMethod(
      this, [this, path = file->toStdString()] { Run([&] { editor_->OpenFileByName(path); }); },
      Qt::QueuedConnection);
}

}  // namespace mirel
