#pragma once
// What the reader needs from the user while it reads: the question about a
// missing picture and the dialog that locates it. The window implements this
// with its message boxes and its background picture dialog; tests answer
// from a script; headless programs use TNonInteractivePrompts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirel {

class IReaderPrompts {
 public:
  virtual ~IReaderPrompts() = default;

  // A Yes/No question with a question-mark icon (UTF-8 text). True for Yes.
  virtual bool AskYesNo(std::string_view caption, std::string_view question) = 0;
  // Runs the background picture dialog preset with `fileName` (UTF-8) and
  // the filter `filterIndex` (1 bitmap, 2 JPEG). The chosen native path, or
  // none when the user cancels.
  virtual std::optional<std::string> LocatePicture(std::string_view fileName, int filterIndex) = 0;
  // The folder of the background picture dialog's current file name, with
  // its trailing separator (native UTF-8); empty while it holds no name.
  virtual std::string PictureDialogFolder() const = 0;
};

// Never asks. A missing picture keeps its name as read, unless a file of the
// same last component is found in one of `searchFolders` (in order) while it
// is not in the current folder; then that path is recorded.
class TNonInteractivePrompts final : public IReaderPrompts {
 public:
  TNonInteractivePrompts() = default;
  explicit TNonInteractivePrompts(std::vector<std::string> searchFolders);

  bool AskYesNo(std::string_view caption, std::string_view question) override;
  std::optional<std::string> LocatePicture(std::string_view fileName, int filterIndex) override;
  std::string PictureDialogFolder() const override { return {}; }

 private:
  std::vector<std::string> searchFolders_;
};

}  // namespace mirel
