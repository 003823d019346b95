#pragma once
// Writes an action history as a data file: the header line, then one action
// block per record, oldest first. Text and file names are written as the
// code page 932 bytes the records hold.
#include "datafile/data_output.h"
#include "datafile/size_rule.h"
#include "history/history_list.h"

namespace mirel {

// The whole file. Returns 1 when the history is empty (only the header was
// written), 0 otherwise. Reads the history only; a pending resize must have
// been committed by the caller.
int WriteDataFile(TDataOutput& out, const THistoryList& history);
// The records from `item` on, up to the first one still being recorded, each
// noted in `index` first. Returns how many were written.
std::int32_t WriteRecordedActions(TDataOutput& out, const TActionItem* item, TFirstRecordIndex& index);
// One action block; `index` has noted every record of the history up to
// `record` (it decides the section of a Size change).
void WriteActionData(TDataOutput& out, const TActionData& record, const TFirstRecordIndex& index);
// One full figure section, stamp contents nested to any depth.
void WriteFigData(TDataOutput& out, const TFigData& figure);
// The change section of a Change record.
void WriteChangeData(TDataOutput& out, const TActionData& record, const TFirstRecordIndex& index);

}  // namespace mirel
