#pragma once
// Histories written record by record, as the recorders and the reader leave
// them, and the checks the replay tests share.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "history/history_list.h"
#include "model/fig_ops.h"
#include "replay/replay_engine.h"
#include "support/figure_builders.h"
#include "support/figure_compare.h"

namespace mirel::test {

// Figures are told apart by their PenWidth, the "tag".
constexpr TLook Tagged(int tag) { return {tag, 0x0000FF, clBtnFace, clBlack}; }

// Appends records of each kind; each returns the new record.
TActionData& AddCreate(THistoryList& h, std::int32_t id, const TFigData& fig,
                       TActionKind kind = TActionKind::Create);
TActionData& AddWithFigure(THistoryList& h, TActionKind kind, std::int32_t id, const TFigData& fig);
TActionData& AddOnFigure(THistoryList& h, TActionKind kind, std::int32_t id);
TActionData& AddChange(THistoryList& h, std::int32_t id, TParameter parameter, const TFigData& fig);
TActionData& AddReadBG(THistoryList& h, const std::string& name);
TActionData& AddPlain(THistoryList& h, TActionKind kind);
TActionData& AddBranch(THistoryList& h, std::int32_t step);

// A history with its two figure lists and an engine working on them.
struct TReplayFixture {
  THistoryList History;
  TFigList FigList;
  TFigList DeletedFigList;
  TReplayEngine Engine{History, FigList, DeletedFigList};

  TRebuiltStep Rebuild(std::int32_t step) { return Engine.RebuildDrawing(History.StepItem(step)); }
  TActionData& Record(std::int32_t step) { return History.StepItem(step)->Data; }
  // The steps whose records link a figure, checking that each link is a
  // figure of FigList and both links agree.
  std::vector<int> LinkedSteps();
};

}  // namespace mirel::test
