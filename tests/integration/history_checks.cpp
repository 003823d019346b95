#include "integration/history_checks.h"

#include "datafile/data_output.h"
#include "datafile/data_reader.h"
#include "datafile/data_writer.h"
#include "datafile/line_reader.h"
#include "datafile/reader_prompts.h"
#include "support/figure_compare.h"
#include "replay/replay_engine.h"

namespace mirel::test {

std::string WriteToString(const THistoryList& history) {
  TDataOutput out;
  WriteDataFile(out, history);
  return out.Text();
}

namespace {

// Rebuilds `target` of `history` on fresh lists and compares with the editor.
std::string CompareRebuild(THistoryList& history, const TActionItem* target,
                           const TEditorSession& editor, const char* source) {
  TFigList figures;
  TFigList deleted;
  TReplayEngine engine(history, figures, deleted);
  const TRebuiltStep step = engine.RebuildDrawing(target);
  const TFigData* unsettled =
      editor.Recorder.SizeChangePending() ? editor.Recorder.PendingFig() : nullptr;
  std::string difference;
  if (step.SkippedRecords != 0) {
    difference = std::to_string(step.SkippedRecords) + " records skipped as inconsistent";
  } else if (std::string d = DescribeListDifference(editor.FigList, figures, unsettled); !d.empty()) {
    difference = "FigList: " + d;
  } else if (std::string d = DescribeListDifference(editor.DeletedFigList, deleted); !d.empty()) {
    difference = "DeletedFigList: " + d;
  } else if (step.BackgroundFile != editor.Background()) {
    difference = "background '" + step.BackgroundFile + "' != shown '" + editor.Background() + "'";
  }
  return difference.empty() ? difference : std::string(source) + ": " + difference;
}

}  // namespace

void CopyHistory(const THistoryList& from, THistoryList& to) {
  for (const TActionItem* item = from.GetHead()->Next(); item; item = item->Next()) {
    TActionData& record = to.AddBlankAction()->Data;
    record = item->Data;
    record.LiveFig = nullptr;
    record.LiveItem = nullptr;
  }
  to.SetNextFigureID(from.NextFigureID());
}

std::string CheckLasting(const TEditorSession& editor) {
  THistoryList copy;
  CopyHistory(editor.History, copy);
  if (std::string d = CompareRebuild(copy, copy.GetTail(), editor, "rebuilt history"); !d.empty()) {
    return d;
  }

  const std::string bytes = WriteToString(editor.History);
  TLineReader lines(bytes);
  THistoryList read;
  TInternalLog log;
  TNonInteractivePrompts prompts;
  const TResult<> result = ReadDataFile(lines, read, log, prompts);
  if (!result.Ok) {
    return "data file not read back: " + result.Detail;
  }
  if (read.GetStepCount() != editor.History.GetStepCount()) {
    return "data file read back " + std::to_string(read.GetStepCount()) + " records of " +
           std::to_string(editor.History.GetStepCount());
  }
  if (WriteToString(read) != bytes) return "data file read back does not write back the same";
  return CompareRebuild(read, read.GetTail(), editor, "read-back data file");
}

std::string CheckShownStep(const TEditorSession& editor, std::int32_t step) {
  THistoryList copy;
  CopyHistory(editor.History, copy);
  return CompareRebuild(copy, copy.StepItem(step), editor, "step rebuilt afresh");
}

}  // namespace mirel::test
