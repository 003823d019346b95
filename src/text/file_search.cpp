#include "text/file_search.h"

#include <filesystem>
#include <system_error>

namespace mirel {

std::optional<std::string> FindInFolders(const std::string& name, const std::vector<std::string>& folders) {
  if (name.empty()) return std::nullopt;
  for (const std::string& folder : folders) {
    const std::filesystem::path candidate =
        folder.empty() ? std::filesystem::path(name) : std::filesystem::path(folder) / name;
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate.string();
  }
  return std::nullopt;
}

}  // namespace mirel
