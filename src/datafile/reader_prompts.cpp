#include "datafile/reader_prompts.h"

#include "text/file_search.h"

namespace mirel {

TNonInteractivePrompts::TNonInteractivePrompts(std::vector<std::string> searchFolders)
    : searchFolders_(std::move(searchFolders)) {}

bool TNonInteractivePrompts::AskYesNo(std::string_view, std::string_view) {
  // "Locate it?" is worth a yes only when there is somewhere to look.
  return !searchFolders_.empty();
}

std::optional<std::string> TNonInteractivePrompts::LocatePicture(std::string_view fileName, int) {
  const std::string name(fileName);
  if (FindInFolders(name, {""})) return std::nullopt;
  return FindInFolders(name, searchFolders_);
}

}  // namespace mirel
