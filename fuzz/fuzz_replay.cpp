// Feeds arbitrary bytes to the reader and replays whatever it keeps: every
// step is rebuilt (a sample of them in long histories) and described. No
// history, however inconsistent, may crash a rebuild, follow a link to a
// released figure, or leave a list or a link out of order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/data_reader.h"
#include "history/internal_log.h"
#include "replay/replay_engine.h"

namespace {

// Remembers what a rebuild asks of the picture under the canvas.
class TNamedBackground final : public mirel::IBackgroundSurface {
 public:
  int LoadBackground(const std::string& cp932Name) override {
    name_ = cp932Name;
    return cp932Name.size() % 3 == 0 ? 0 : static_cast<int>(cp932Name.size() % 3);
  }
  void ClearBackground() override { name_.clear(); }

 private:
  std::string name_;
};

void CheckList(const mirel::TFigList& list) {
  std::int32_t count = 0;
  const mirel::TFigItem* last = list.GetHead();
  for (const mirel::TFigItem* item = list.GetHead()->Next(); item; item = item->Next()) {
    if (item->Prev() != last) std::abort();
    last = item;
    ++count;
  }
  if (last != list.GetTail() || count != list.Count()) std::abort();
}

// Every link names a figure that is in the drawing now.
void CheckLinks(const mirel::THistoryList& history, const mirel::TFigList& figures) {
  for (const mirel::TActionItem* item = history.GetHead(); item; item = item->Next()) {
    const mirel::TFigItem* live = item->Data.LiveItem;
    if (!live) continue;
    bool found = false;
    for (const mirel::TFigItem* f = figures.GetHead()->Next(); f && !found; f = f->Next()) {
      found = f == live;
    }
    if (!found || item->Data.LiveFig != &live->Data) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  mirel::TNonInteractivePrompts prompts;
  mirel::TInternalLog log;
  mirel::THistoryList history;
  mirel::TLineReader lines(bytes);
  mirel::ReadDataFile(lines, history, log, prompts);

  mirel::TFigList figures;
  mirel::TFigList deleted;
  mirel::TReplayEngine engine(history, figures, deleted);
  TNamedBackground background;
  const std::int32_t steps = history.GetStepCount();
  const std::int32_t stride = steps > 64 ? steps / 64 : 1;
  for (std::int32_t step = steps; step >= 0; step -= stride) {
    engine.RebuildDrawing(history.StepItem(step), background);
    CheckList(figures);
    CheckList(deleted);
    if (steps < 200) CheckLinks(history, figures);
  }
  for (const mirel::TActionItem* item = history.GetHead(); item; item = item->Next()) {
    mirel::DescribeAction(item->Data);
  }
  return 0;
}
