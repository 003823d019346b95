#include "datafile/recovery_folder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

#include <unistd.h>

#include "datafile/format_names.h"
#include "datafile/safe_save.h"
#include "datafile/recovery_journal.h"
#include "fileio/file_replace.h"

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

// Whether the two files hold the same bytes; false when either cannot be read.
bool SameBytes(const std::filesystem::path& a, const std::filesystem::path& b, std::uintmax_t size) {
  std::error_code ec;
  if (std::filesystem::file_size(b, ec) != size || ec) return false;
  std::ifstream first(a, std::ios::binary);
  std::ifstream second(b, std::ios::binary);
  std::vector<char> x(64 * 1024), y(64 * 1024);
  while (first && second) {
    first.read(x.data(), static_cast<std::streamsize>(x.size()));
    second.read(y.data(), static_cast<std::streamsize>(y.size()));
    if (first.gcount() != second.gcount() || !std::equal(x.begin(), x.begin() + first.gcount(), y.begin())) {
      return false;
    }
  }
  return first.eof() && second.eof();
}

// recovered-YYYYMMDD-HHMMSS.mrl, or with "-N" before ".mrl": the time and
// N (1 without), in the order they were made; none for other names.
std::optional<std::pair<std::string, int>> RecoveredOrder(const std::string& name) {
  constexpr std::string_view kPrefix = "recovered-";
  constexpr std::size_t kStamp = 15;  // YYYYMMDD-HHMMSS
  if (!name.starts_with(kPrefix) || !name.ends_with(".mrl")) return std::nullopt;
  const std::string rest = name.substr(kPrefix.size(), name.size() - kPrefix.size() - 4);
  if (rest.size() < kStamp) return std::nullopt;
  int n = 1;
  if (rest.size() > kStamp) {
    if (rest[kStamp] != '-') return std::nullopt;
    const char* first = rest.data() + kStamp + 1;
    const char* last = rest.data() + rest.size();
    if (std::from_chars(first, last, n).ec != std::errc()) return std::nullopt;
  }
  return std::pair{rest.substr(0, kStamp), n};
}

// Only the newest kRecoveredKept recovered drawings stay.
void ThinRecovered(const std::filesystem::path& folder) {
  std::vector<std::pair<std::pair<std::string, int>, std::filesystem::path>> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (auto order = RecoveredOrder(it->path().filename().string())) found.push_back({*order, it->path()});
  }
  if (found.size() <= kRecoveredKept) return;
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (std::size_t i = kRecoveredKept; i < found.size(); ++i) std::filesystem::remove(found[i].second, ec);
}

// Renames `file` to the first free recovered-...mrl name of `now` in
// `folder`.
TResult<std::filesystem::path> MoveToRecovered(const std::filesystem::path& file, const std::filesystem::path& folder,
                                               const TLocalTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.Year, now.Month, now.Day, now.Hour,
                now.Minute, now.Second);
  TResult<std::filesystem::path> moved = MoveToFreeName(file, folder, [&stamp](int n) {
    return "recovered-" + std::string(stamp) + (n == 1 ? "" : "-" + std::to_string(n)) + ".mrl";
  });
  if (moved) ThinRecovered(folder);
  return moved;
}

}  // namespace

std::filesystem::path UniqueFilePath(const std::filesystem::path& folder, std::string_view prefix) {
  // The process and a random part: several windows of one process, and a
  // process number used again after a reboot, never meet.
  std::random_device random;
  return folder / (std::string(prefix) + std::to_string(::getpid()) + "-" + std::to_string(random()) + ".mrl");
}

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
    std::string dataFileName = ReadSmallFile(TRecoveryJournal::NameFileOf(path));
    // The header alone, or a drawing left unchanged since it was read or
    // saved: its data file holds it, and there is nothing to offer.
    if (size <= kHeaderLine.size() + 2 || (!dataFileName.empty() && SameBytes(path, dataFileName, size))) {
      TLeftJournal done{path, {}, {}, std::move(*lock)};
      RemoveLeftJournal(done);
      continue;
    }
    const auto time = std::filesystem::last_write_time(path, ec);
    const TLocalTime changed = LocalTimeOf(std::chrono::file_clock::to_sys(time));
    found.push_back({time, TLeftJournal{path, std::move(dataFileName), changed, std::move(*lock)}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<TLeftJournal> journals;
  for (auto& entry : found) journals.push_back(std::move(entry.second));
  return journals;
}

void SetAside(TLeftJournal& journal, const TLocalTime& now) {
  if (!MoveToRecovered(journal.Path, journal.Path.parent_path(), now)) return;
  std::error_code ec;
  std::filesystem::remove(TRecoveryJournal::NameFileOf(journal.Path), ec);
  journal.Lock.Close();
}

TResult<std::filesystem::path> KeepDrawing(const THistoryList& history, const std::filesystem::path& folder,
                                           const TLocalTime& now) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  // Written whole under a name no one looks at, then given its own name: a
  // recovered file is never half a drawing.
  const std::filesystem::path temp = UniqueFilePath(folder, ".keeping-");
  const TResult<std::filesystem::path> saved = SaveHistoryToFile(history, temp, TBackupRule::SaveAs);
  if (!saved) return saved.Failure();
  const TResult<std::filesystem::path> kept = MoveToRecovered(temp, folder, now);
  if (kept) return kept;
  std::filesystem::remove(temp, ec);
  return kept.Told({});
}

void RemoveLeftJournal(TLeftJournal& journal) {
  std::error_code ec;
  std::filesystem::remove(TRecoveryJournal::NameFileOf(journal.Path), ec);
  std::filesystem::remove(journal.Path, ec);
  journal.Lock.Close();
}

}  // namespace mirel
