#pragma once
// Everything the editor asks of the user goes through this one interface:
// notices, questions and the file dialogs, plus the reader's locate-a-picture
// question and dialog. The window implements it with message boxes and file
// dialogs; tests answer from a script and record what was asked.
#include <optional>
#include <string>
#include <string_view>

#include "datafile/reader_prompts.h"

namespace mirel {

enum class TAnswer { Yes, No, Cancel };

// What a file is chosen for, each with the files offered and a default
// extension.
enum class TFileDialog {
  OpenData,   // read a drawing
  SaveData,   // save a drawing under a name
  OpenBG,     // load a background picture
  SaveBMP,    // export the canvas as BMP
  SaveJPEG,   // export the canvas, or every step, as JPEG
  SaveVideo,  // the making of the drawing as a video
};

// The files offered when choosing one for a purpose.
struct TFileChoice {
  // Filter in the form "caption|patterns|caption|patterns", patterns joined by ';'.
  std::string_view Filter;
  // Added to a typed name without extension; empty for the open dialogs.
  std::string_view DefaultExtension;
  bool Save = false;
};

TFileChoice FileChoiceFor(TFileDialog dialog);

class IUserPrompts : public IReaderPrompts {
 public:
  // A notice with one OK button, captioned with the application title.
  virtual void Notice(std::string_view message) = 0;
  // A notice of a failure: the message and, on a line of its own under it,
  // the reason in simple words (left out when empty).
  virtual void NoticeFailure(std::string_view message, std::string_view reason) = 0;
  // Lists `folder` beside the places the open dialogs offer, so that what
  // is kept there can be found.
  virtual void ListFolderInOpenDialogs(const std::string& folder) = 0;
  // A question with a question-mark icon and Yes, No and Cancel.
  virtual TAnswer AskYesNoCancel(std::string_view caption, std::string_view question) = 0;
  // Runs a file dialog; the chosen native path, or none when cancelled. A
  // completed dialog makes the chosen file's folder the current folder.
  virtual std::optional<std::string> ChooseFile(TFileDialog dialog) = 0;
  // (AskYesNo, LocatePicture and PictureDialogFolder come from the reader's
  // interface: Yes/No questions, and the background dialog preset to locate
  // a missing picture.)
};

}  // namespace mirel
