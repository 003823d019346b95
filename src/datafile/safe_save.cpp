#include "datafile/safe_save.h"

#include "datafile/data_writer.h"
#include "datafile/format_names.h"
#include "fileio/file_replace.h"
#include "fileio/user_reason.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

// Counts UTF-8 characters from the end: the byte length of the last `n`.
std::size_t LastCharsLength(std::string_view text, std::size_t n) {
  std::size_t length = 0;
  while (n > 0 && length < text.size()) {
    ++length;
    const auto byte = static_cast<unsigned char>(text[text.size() - length]);
    if ((byte & 0xC0) != 0x80) --n;
  }
  return length;
}

}  // namespace

fs::path BackupPathFor(const fs::path& target, TBackupRule rule) {
  const std::string name = target.filename().string();
  std::string backup;
  if (rule == TBackupRule::OverwriteSave) {
    // Within the name only: a short name never reaches into the folder.
    backup = name.substr(0, name.size() - LastCharsLength(name, 3)) + "bak";
  } else {
    const std::size_t dot = name.rfind('.');
    backup = name.substr(0, dot) + ".bak";
  }
  return target.parent_path() / backup;
}

TResult<fs::path> SaveHistoryToFile(const THistoryList& history, const fs::path& target, TBackupRule rule) {
  TResult<fs::path> replaced = ReplaceFile(target, BackupPathFor(target, rule), [&history](TFileSink& sink) {
    TDataOutput out([&sink](std::string_view bytes) { return sink.Write(bytes); });
    WriteDataFile(out, history);
    return out.Flush();
  });
  if (!replaced) return replaced.Told(target.string() + ": " + replaced.Message);
  return replaced;
}

TResult<THeldDataFile> WriteHeldDataFile(const THistoryList& history, const fs::path& target) {
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) return FileFailure("cannot make", target.parent_path(), ec.value(), TFileUse::Writing);
  THeldDataFile held;
  TResult<TLockedFile> file = ReplaceLockedFile(target, [&](TFileSink& sink) {
    TDataOutput out([&sink](std::string_view bytes) { return sink.Write(bytes); });
    out.Line(kHeaderLine);
    held.Steps = WriteRecordedActions(out, history.GetHead()->Next(), held.Index);
    return out.Flush();
  });
  if (!file) return file.Failure();
  held.File = std::move(*file);
  return held;
}

bool AppendRecords(THeldDataFile& file, const THistoryList& history) {
  TDataOutput out;
  const std::int32_t added = WriteRecordedActions(out, history.StepItem(file.Steps + 1), file.Index);
  if (added > 0 && !file.File.Append(out.Text())) return false;
  file.Steps += added;
  return true;
}

}  // namespace mirel
