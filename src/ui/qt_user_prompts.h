#pragma once
// Asking the user with Qt: message boxes with Japanese buttons and file
// dialogs, always parented to the window so none can hide behind it.
#include <QString>
#include <map>

#include "editor/user_prompts.h"

class QWidget;

namespace mirel {

// The caption of notices: the application title.
inline constexpr const char* kApplicationTitle = "Mirel";

class TQtUserPrompts final : public IUserPrompts {
 public:
  explicit TQtUserPrompts(QWidget& window);

  void Notice(std::string_view message) override;
  void NoticeFailure(std::string_view message, std::string_view reason) override;
  void ListFolderInOpenDialogs(const std::string& folder) override;
  TAnswer AskYesNoCancel(std::string_view caption, std::string_view question) override;
  bool AskYesNo(std::string_view caption, std::string_view question) override;
  std::optional<std::string> ChooseFile(TFileDialog dialog) override;
  std::optional<std::string> LocatePicture(std::string_view fileName, int filterIndex) override;
  std::string PictureDialogFolder() const override;

 private:
  // Runs `dialog` preset with its last file name and the filter `filterIndex`
  // (from 1; 0 keeps the first).
  std::optional<std::string> RunFileDialog(TFileDialog dialog, int filterIndex);

  QWidget& window_;
  // Each dialog keeps the file name it was last given or completed with, as a
  // dialog component of the window would between uses.
  std::map<TFileDialog, QString> fileNames_;
  QString listedFolder_;  // beside the open dialogs' places; empty for none
};

}  // namespace mirel
