// Feeds arbitrary bytes to the data file reader, never asking anything.
// Beyond not crashing, whatever the reader keeps (after success or failure)
// must write a file that reads back successfully, and to the same bytes
// unless a time field was read as a negative number: an unsigned byte then
// holds a three-digit value, the time line grows past its fixed columns and
// reads back as a line without a date.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/data_reader.h"
#include "datafile/data_writer.h"

namespace {

std::string Write(const mirel::THistoryList& history) {
  mirel::TDataOutput out;
  mirel::WriteDataFile(out, history);
  return out.Text();
}

// Every time field fits the time line's two-digit columns.
bool TimesFitTheirColumns(const mirel::THistoryList& history) {
  for (const mirel::TActionItem* item = history.GetHead()->Next(); item; item = item->Next()) {
    const mirel::TActionTime& t = item->Data.ActionTime;
    if (t.Hour > 99 || t.Minute > 99 || t.Second > 99 || t.Hundredths > 99) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  mirel::TNonInteractivePrompts prompts;
  mirel::TInternalLog log;
  log.ShowInternal = size % 2 == 1;  // the logging path too, on half the inputs

  mirel::THistoryList history;
  mirel::TLineReader lines(bytes);
  mirel::ReadDataFile(lines, history, log, prompts);
  if (history.NextFigureID() < 1) std::abort();

  const std::string written = Write(history);
  mirel::THistoryList again;
  mirel::TLineReader rereading(written);
  const mirel::TResult<> result = mirel::ReadDataFile(rereading, again, log, prompts);
  if (!result.Ok) std::abort();
  if (TimesFitTheirColumns(history) && Write(again) != written) std::abort();
  return 0;
}
