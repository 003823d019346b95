#include "editor/recovery_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <stdio.h>

#include "datafile/format_names.h"
#include "editor/recovery_journal.h"

namespace mirel {
namespace {

bool IsJournalName(const std::string& name) {
  return name.rfind("journal-", 0) == 0 && name.size() > 12 && name.ends_with(".mrl");
}

std::string ReadSmallFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  // A name file holds one path; anything longer is not one of ours.
  constexpr std::size_t kMaxName = 64 * 1024;
  text.resize(kMaxName);
  in.read(text.data(), static_cast<std::streamsize>(kMaxName));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

std::optional<std::filesystem::path> DefaultRecoveryFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data == '/') return std::filesystem::path(data) / "mirel" / "recovery";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::filesystem::path(home) / ".local" / "share" / "mirel" / "recovery";
  return std::nullopt;
}

std::vector<TLeftJournal> FindLeftJournals(const std::filesystem::path& folder) {
  std::vector<std::pair<std::filesystem::file_time_type, TLeftJournal>> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path path = it->path();
    if (!IsJournalName(path.filename().string()) || !it->is_regular_file(ec)) continue;
    std::optional<TLockedFile> lock = TLockedFile::TryLockExisting(path);
    if (!lock) continue;  // a running window's
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) continue;
    if (size <= kHeaderLine.size() + 2) {
      // The header alone: no drawing to offer.
      TLeftJournal empty{path, {}, std::move(*lock)};
      RemoveLeftJournal(empty);
      continue;
    }
    const auto time = std::filesystem::last_write_time(path, ec);
    found.push_back({time, TLeftJournal{path, ReadSmallFile(TRecoveryJournal::NameFileOf(path)), std::move(*lock)}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<TLeftJournal> journals;
  for (auto& entry : found) journals.push_back(std::move(entry.second));
  return journals;
}

std::optional<std::filesystem::path> SetAside(TLeftJournal& journal, const TLocalTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.Year, now.Month, now.Day, now.Hour,
                now.Minute, now.Second);
  const std::filesystem::path folder = journal.Path.parent_path();
  std::error_code ec;
  for (int n = 1; n < 1000; ++n) {
    char name[64];
    if (n == 1) {
      std::snprintf(name, sizeof name, "recovered-%s.mrl", stamp);
    } else {
      std::snprintf(name, sizeof name, "recovered-%s-%d.mrl", stamp, n);
    }
    const std::filesystem::path target = folder / name;
    // Never over an existing file, even one made a moment ago.
    if (::renameat2(AT_FDCWD, journal.Path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    std::filesystem::remove(TRecoveryJournal::NameFileOf(journal.Path), ec);
    journal.Lock.Close();
    return target;
  }
  return std::nullopt;
}

void RemoveLeftJournal(TLeftJournal& journal) {
  std::error_code ec;
  std::filesystem::remove(TRecoveryJournal::NameFileOf(journal.Path), ec);
  std::filesystem::remove(journal.Path, ec);
  journal.Lock.Close();
}

}  // namespace mirel
