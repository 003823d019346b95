#pragma once
// The window of Mirel. It owns the editor and only translates: each control
// runs one editor command, then every control is brought in line with the
// editor's state (SyncFromEditor).
#include <QMainWindow>
#include <memory>

#include "editor/editor.h"
#include "ui/form_controls.h"
#include "ui/form_menus.h"
#include "ui/system_services.h"

namespace mirel {

class TCanvasTools;
class TFormView;

class TMirelForm final : public QMainWindow {
  Q_OBJECT
 public:
  // `prompts` answers the editor's questions; by default message boxes and
  // file dialogs (tests pass a scripted one).
  explicit TMirelForm(std::unique_ptr<IUserPrompts> prompts = {}, TClock clock = ReadLocalClock);
  ~TMirelForm() override;

  // Start-up's last step: offers the drawings earlier runs left in
  // `recoveryFolder` and keeps this window's crash journal there (none when
  // empty), then opens the first command-line argument, if any (bytes that
  // are not UTF-8 as the surrogate escapes of ArgumentFromBytes).
  void FormCreate(const QString& commandLineFile, const QString& recoveryFolder = {});

  TEditor& Editor() { return *editor_; }
  const TEditor& Editor() const { return *editor_; }
  // BackBuffer as the last repaint composed it.
  const QImage& BackBufferImage() const;
  // How long a long export runs before its progress dialog shows; short
  // ones finish without it.
  void SetProgressDelay(int milliseconds);
  // The print dialog and the browser the window uses.
  void SetSystemServices(TSystemServices services) { services_ = std::move(services); }

 signals:
  // The editor ended the program with this exit status.
  void ExitRequested(int status);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The buttons, menus and track bars (form_commands.cpp).
  void ConnectCommands();
  // The canvas and the text box (form_canvas.cpp).
  void ConnectCanvas();
  void PaintBoxMouseDown(TPoint p);
  void PaintBoxMouseMove(TPoint p);
  void PaintBoxMouseUp(TPoint p);
  void InputEditEnter();
  // The tool menu's items that the window carries out itself.
  void PrintMenuClick();    // form_print.cpp
  void GalleryMenuClick();  // form_gallery.cpp

  // Bringing the controls in line with the editor (form_sync.cpp).
  void SyncFromEditor();
  void SyncModes();
  void SyncMenus();
  void SyncEditPanel();
  void SyncPlayback();
  void SyncLogPane();
  void SyncExit();

  // Runs an editor command, then SyncFromEditor. A command that fails has
  // told the user itself; its result needs nothing more here.
  template <typename Command>
  void Run(Command&& command) {
    std::forward<Command>(command)();
    editor_->TellJournalTrouble();
    SyncFromEditor();
  }
  // Runs the editor's `command` with `args` through Run each time `signal`
  // fires; what the signal carries is not passed on.
  template <typename Sender, typename Signal, typename Result, typename... Params, typename... Args>
  void Bind(Sender* sender, Signal signal, Result (TEditor::*command)(Params...), Args... args) {
    connect(sender, signal, this, [this, command, args...] {
      Run([&] { static_cast<void>((editor_.get()->*command)(args...)); });
    });
  }
  // Outer (framed) window size, caption and menu bar included.
  void SetOuterSize(int width, int height);

  std::unique_ptr<IUserPrompts> prompts_;
  TFormControls controls_;
  TFormMenus menus_;
  std::unique_ptr<TFormView> view_;
  std::unique_ptr<TEditor> editor_;
  std::unique_ptr<TCanvasTools> tools_;
  QSize outerSize_;
  bool logShown_ = false;
  bool exitRequested_ = false;
  TSystemServices services_;
};

}  // namespace mirel
