// Editing commands on a drawing of 1,000 figures whose history is long: the
// time per command must not grow with the history.
#include <benchmark/benchmark.h>

#include <random>

#include "editor/editor.h"

namespace mirel {
namespace {

class TNullView final : public IEditorView {
 public:
  TResult<> LoadBackground(const std::string&) override { return BackgroundNotFound(); }
  void ClearBackground() override {}
  void Repaint(const TCanvasScene&) override {}
  int TextWidth(const std::string& text, int points) override { return static_cast<int>(text.size()) * points / 2; }
  void ShowTextBox(TPoint, int, const std::string*) override { box_ = true; }
  void HideTextBox() override { box_ = false; }
  bool TextBoxVisible() const override { return box_; }
  void ShowStampPreview(const TStampPreview&) override {}
  void ClearStampPreview() override {}
  void ShowDates(const TStepDateTexts&) override {}
  void SetCaption(const std::string&) override {}
  TResult<> SavePicture(TPictureKind, const std::string&, const std::string&) override { return {}; }
  void CopyToClipboard() override {}
  std::unique_ptr<IFrameSink> StartSeries(const std::string&) override { return nullptr; }
  std::unique_ptr<IFrameSink> StartVideo(const std::string&, int) override { return nullptr; }
  bool ShowProgress(int, int) override { return true; }
  void SetBusy(bool) override {}

 private:
  bool box_ = false;
};

class TSilentUser final : public IUserPrompts {
 public:
  void Notice(std::string_view) override {}
  void NoticeFailure(std::string_view, std::string_view) override {}
  void ListFolderInOpenDialogs(const std::string&) override {}
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  TAnswer AskYesNoCancel(std::string_view, std::string_view) override { return TAnswer::Cancel; }
  std::optional<std::string> ChooseFile(TFileDialog) override { return std::nullopt; }
  std::optional<std::string> LocatePicture(std::string_view, int) override { return std::nullopt; }
  std::string PictureDialogFolder() const override { return {}; }
};

TLocalTime Noon() { return {2026, 12, 8, 12, 0, 0, 0}; }

// 1,000 rectangles on a 40 x 25 grid, then moves of them until the history
// holds `records` records.
struct TLongDrawing {
  TNullView view;
  TSilentUser user;
  TEditor editor{view, user, Noon};
  std::mt19937 rng{7};

  static TPoint Cell(int i) { return {(i % 40) * 16, (i / 40) * 19}; }

  explicit TLongDrawing(std::int64_t records) {
    for (int i = 0; i < 1000; ++i) {
      const TPoint p = Cell(i);
      editor.FinishBoxFigure(dtRectangle, p, {p.X + 8, p.Y + 10});
    }
    editor.SellectEditBtnClick();
    while (editor.Document().History().GetStepCount() < records) Drag(1);
  }
  TPoint FigurePoint() {
    const TFigItem* item = editor.Document().Figures().GetTail();
    for (int n = std::uniform_int_distribution<int>(0, 999)(rng); n > 0 && item->Prev(); --n) item = item->Prev();
    if (item == editor.Document().Figures().GetHead()) item = editor.Document().Figures().GetTail();
    return {item->Data.Start.X + 1, item->Data.Start.Y + 1};
  }
  void Drag(int by) {
    const TPoint p = FigurePoint();
    editor.EditPress(p);
    editor.EditMove({p.X + by, p.Y});
    editor.EditRelease({p.X + by, p.Y});
  }
  // One of the editing commands, on a figure pressed first.
  void Command(int n) {
    const TPoint p = FigurePoint();
    editor.EditMove(p);
    editor.EditPress(p);
    editor.EditRelease(p);
    switch (n % 8) {
      case 0: Drag(n % 2 == 0 ? 1 : -1); break;
      case 1: editor.DupBtnClick(); break;
      case 2: editor.DeleteBtnClick(); break;
      case 3: editor.UndoBtnClick(); break;
      case 4: editor.FrontBackBtnClick(n % 16 < 8); break;
      case 5: editor.ColorPanelClick(1 + n % 16); editor.AttrChangeBtnClick(TAttrButton::BodyColorBtn); break;
      case 6: editor.AttrChangeBtnClick(n % 16 < 8 ? TAttrButton::ThickBtn : TAttrButton::ThinBtn); break;
      case 7: editor.TrackBarChange(true, n % 21 - 10); editor.TrackBarChange(false, n % 13 - 6); break;
    }
  }
};

// 10,000 mixed commands per iteration; the counter reports time per command.
void BM_EditingCommands(benchmark::State& state) {
  TLongDrawing drawing(state.range(0));
  int n = 0;
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) drawing.Command(n++);
  }
  state.counters["us_per_command"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 10000, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["records"] = static_cast<double>(drawing.editor.Document().History().GetStepCount());
}
BENCHMARK(BM_EditingCommands)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace mirel

BENCHMARK_MAIN();
