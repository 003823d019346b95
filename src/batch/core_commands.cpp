#include "batch/core_commands.h"

#include <iostream>

#include "datafile/reader_prompts.h"
#include "datafile/safe_save.h"
#include "editor/document.h"
#include "history/internal_log.h"
#include "text/cp932.h"

namespace mirel {
namespace {

void PrintError(const std::string& message) { std::cerr << "mirel-batch: " << message << '\n'; }

// Reads `file` into the empty document; prints the reader's message on failure.
bool ReadInto(TDocument& document, const std::string& file) {
  TNonInteractivePrompts prompts;
  const TResult<> result = document.Read(file, prompts);
  if (result.Ok) return true;
  PrintError(file + ": " + result.Message);
  if (!result.Detail.empty()) PrintError(result.Detail);
  return false;
}

}  // namespace

int LogDataFile(const std::string& file) {
  TDocument document;
  if (!ReadInto(document, file)) return 1;
  const THistoryList& history = document.History();
  for (const TActionItem* item = history.GetNext(history.GetHead()); item; item = item->Next()) {
    for (const std::string& line : DescribeAction(item->Data)) std::cout << Cp932ToUtf8(line).Text << '\n';
  }
  if (!std::cout.flush()) {
    PrintError("cannot write the standard output");
    return 1;
  }
  return 0;
}

int ResaveDataFile(const std::string& file, const std::string& output) {
  TDocument document;
  if (!ReadInto(document, file)) return 1;
  const TResult<std::filesystem::path> saved = SaveHistoryToFile(document.History(), output, TBackupRule::SaveAs);
  if (!saved.Ok) {
    PrintError(saved.Detail);
    return 1;
  }
  return 0;
}

}  // namespace mirel
