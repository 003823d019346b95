#pragma once
// The window as the editor sees it (IEditorView): the background picture,
// BackBuffer and its composition onto the visible canvas, the text box, the
// stamp preview, the date boxes, picture files, the clipboard and the busy
// state.
#include <QImage>
#include <QPointer>
#include <QProgressDialog>

#include "editor/editor_view.h"
#include "export/background_picture.h"
#include "export/jpeg_encoder.h"
#include "render/canvas_damage.h"
#include "render/frame_composer.h"
#include "render/surface.h"
#include "ui/form_controls.h"

class QWidget;

namespace mirel {

class TFormView final : public IEditorView {
 public:
  TFormView(QWidget& window, const TFormControls& controls);
  ~TFormView() override;
  TFormView(const TFormView&) = delete;
  TFormView& operator=(const TFormView&) = delete;

  TResult<> LoadBackground(const std::string& cp932Name) override { return background_.Load(cp932Name); }
  void ClearBackground() override { background_.ClearBackground(); }
  void Repaint(const TCanvasScene& scene) override;
  IDrawingChanges* CanvasChanges() override { return &damage_; }
  int TextWidth(const std::string& cp932Text, int points) override;
  void ShowTextBox(TPoint topLeft, int width, const std::string* utf8Text) override;
  void HideTextBox() override;
  bool TextBoxVisible() const override;
  void ShowStampPreview(const TStampPreview& stamp) override;
  void ClearStampPreview() override;
  void ShowDates(const TStepDateTexts& dates) override;
  void SetCaption(const std::string& utf8Caption) override;
  TResult<> SavePicture(TPictureKind kind, const std::string& path,
                      const std::string& backupName) override;
  void CopyToClipboard() override;
  std::unique_ptr<IFrameSink> StartSeries(const std::string& chosenPath) override;
  std::unique_ptr<IFrameSink> StartVideo(const std::string& path, int fps) override;
  bool ShowProgress(int done, int total) override;
  void SetBusy(bool busy) override;

  bool Busy() const { return busy_; }
  void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }
  // BackBuffer as last composed.
  const QImage& BackBufferImage() const { return backBuffer_.Image(); }
  // The picture under the figures (printing draws the figures over it).
  const QImage& BackgroundPicture() const { return background_.Picture(); }

 private:
  void SetWaitCursor(bool on);

  QWidget& window_;
  const TFormControls& controls_;
  TBackgroundPicture background_;
  TSurface backBuffer_;
  // Redraws only what the editor told changed since the last repaint: a
  // drag step redraws the moved figure's area, not the whole drawing.
  TCanvasDamage damage_;
  TFrameComposer composer_;
  TJpegEncoder jpeg_;
  bool busy_ = false;
  bool waitCursor_ = false;
  // Shown while a long export runs; its cancel button stops it.
  QPointer<QProgressDialog> progress_;
  int progressDelay_ = 400;
};

}  // namespace mirel
