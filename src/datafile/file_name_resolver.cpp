#include "datafile/file_name_resolver.h"

#include <filesystem>
#include <system_error>

#include "fileio/user_words.h"
#include "text/cp932.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

// A recorded name names an existing file here. Names that do not decode
// name nothing.
bool Cp932FileExists(std::string_view cp932) {
  const std::string native = NativePathFromCp932(cp932);
  if (native.empty()) return false;
  std::error_code ec;
  const auto status = std::filesystem::status(native, ec);
  return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

// A path the user chose, as it can be recorded; none when code page 932
// cannot hold it or it would break the line structure of the file.
std::optional<std::string> RecordablePath(std::string_view utf8) {
  TTextConversion converted = Utf8ToCp932(utf8);
  if (!converted.Ok || converted.Text.empty() ||
      converted.Text.find_first_of("\r\n") != std::string::npos) {
    return std::nullopt;
  }
  return std::move(converted.Text);
}

}  // namespace

std::string ResolveFileName(std::string_view name, IReaderPrompts& prompts) {
  const bool hasFolder = !FolderPartCp932(name).empty();
  if (hasFolder && Cp932FileExists(name)) return std::string(name);

  const std::string last = LastComponentCp932(name);
  if (hasFolder && Cp932FileExists(last)) {
    const std::string folder = prompts.PictureDialogFolder();
    if (folder.empty()) return last;
    const std::optional<std::string> recorded = RecordablePath(folder);
    return recorded ? *recorded + last : last;
  }

  const std::string lastUtf8 = Cp932ToUtf8(last).Text;
  const std::string question = lastUtf8 + std::string(msg::kLocateQuestionTail);
  if (!prompts.AskYesNo(msg::kCaptionConfirm, question)) return std::string(name);
  const std::string extension = ExtensionOfCp932(name);
  const int filterIndex = (extension == ".jpg" || extension == ".JPG") ? 2 : 1;
  const std::optional<std::string> chosen = prompts.LocatePicture(lastUtf8, filterIndex);
  if (!chosen) return std::string(name);
  const std::optional<std::string> recorded = RecordablePath(*chosen);
  return recorded ? *recorded : std::string(name);
}

}  // namespace mirel
