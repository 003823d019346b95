#include "datafile/reader_prompts.h"

#include <filesystem>
#include <system_error>

namespace mirel {
namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

TNonInteractivePrompts::TNonInteractivePrompts(std::vector<std::string> searchFolders)
    : searchFolders_(std::move(searchFolders)) {}

bool TNonInteractivePrompts::AskYesNo(std::string_view, std::string_view) {
  // "Locate it?" is worth a yes only when there is somewhere to look.
  return !searchFolders_.empty();
}

std::optional<std::string> TNonInteractivePrompts::LocatePicture(std::string_view fileName, int) {
  const std::filesystem::path name{std::string(fileName)};
  if (name.empty() || IsFile(name)) return std::nullopt;
  for (const std::string& folder : searchFolders_) {
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    if (IsFile(candidate)) return candidate.string();
  }
  return std::nullopt;
}

}  // namespace mirel
