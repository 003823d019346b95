// Composing a step from the damage its records report gives the pixels of
// drawing the whole canvas, at every step of random mixed histories (stamps,
// clears, backgrounds, duplicates, undos, reorders and resumes), stepping
// forward, back and jumping, and after each edit the window makes, also
// while one figure is dragged step after step.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "batch/batch_drawing.h"
#include "datafile/safe_save.h"
#include "pixels.h"
#include "support/full_composition.h"
#include "support/mixed_history.h"

namespace mirel::test {
namespace {

TEST(DamagedComposition, EveryStepHasThePixelsOfTheWholeCanvasDrawn) {
  QTemporaryDir pictures;
  // bg2.bmp is missing: the background before it stays.
  ASSERT_TRUE(PatternImage(640, 480).save(pictures.filePath("bg0.bmp"), "BMP"));
  ASSERT_TRUE(PatternImage(300, 200).mirrored().save(pictures.filePath("bg1.bmp"), "BMP"));
  constexpr int kSteps = 120;
  for (const unsigned seed : {1u, 2u, 3u}) {
    // The drawing comes from its data file, as the window and mirel-batch read it.
    THistoryList history;
    bench::TMixedHistory(seed, true).Make(history, kSteps);
    const std::string file = pictures.filePath("mixed.mrl").toStdString();
    ASSERT_TRUE(SaveHistoryToFile(history, file, TBackupRule::SaveAs));
    TBatchDrawing drawing({pictures.path().toStdString()});
    ASSERT_TRUE(drawing.Read(file));
    ASSERT_EQ(drawing.History.GetStepCount(), kSteps);
    std::mt19937 rng(seed);
    auto check = [&](int step) {
      const QImage& composed = drawing.RebuildAndCompose(step);
      ASSERT_EQ(composed, DrawnLiterally(drawing.FigList, drawing.Background.Picture()))
          << "seed " << seed << ", step " << step;
    };
    for (int step = 0; step <= kSteps && !HasFatalFailure(); ++step) {
      check(step);
      if (step % 25 == 24) {
        check(static_cast<int>(rng() % static_cast<unsigned>(step)));  // a jump back
        check(step - 1);                                                // the step before
        check(step);
      }
    }
    for (int step = kSteps - 1; step >= kSteps - 30 && !HasFatalFailure(); --step) check(step);  // previous steps
    // Jumps near and far, on from the step shown or back from it.
    for (int jump = 0; jump < 30 && !HasFatalFailure(); ++jump) check(static_cast<int>(rng() % (kSteps + 1)));
    // The window's edits on the step shown, each told by the document.
    TDocument& document = drawing.Document;
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(std::max(n, 1))); };
    for (int edit = 0; edit < 60 && !HasFatalFailure(); ++edit) {
      TFigItem* item = document.Figures().GetNext(document.Figures().GetHead());
      for (int n = pick(document.Figures().Count()); item && n > 0; --n) item = item->Next();
      document.Select(item);
      switch (pick(10)) {
        case 0: document.DragSelected(pick(61) - 30, pick(61) - 30); break;
        case 1: document.ChangeSelectedColor(TParameter::LineColor, rng() & 0xFFFFFF); break;
        case 2: document.ChangeSelectedColor(TParameter::BodyColor, rng() & 0xFFFFFF); break;
        case 3: document.ChangeSelectedPenWidth(pick(2) ? 2 : -2); break;
        case 4: document.ReorderSelected(pick(2) == 0); break;
        case 5: document.DeleteSelected(); break;
        case 6: document.UndoDelete(); break;
        case 7: document.DuplicateSelected(); break;
        case 8:
          if (item) {
            const TResizeBase base{item->Data.Start, item->Data.End, item->Data.TextSize, {}, {}};
            if (item->Data.DrawingTool != dtStamp && !item->Data.PointData) {
              document.ResizeSelected(base, pick(2) ? TAxis::X : TAxis::Y, pick(120) - 40,
                                      [](const std::string& text, int) { return static_cast<int>(text.size()) * 8; });
            }
          }
          break;
        default:
          if (edit == 50) document.ClearFigures();
          break;
      }
      ASSERT_EQ(drawing.ComposeChanged(), DrawnLiterally(drawing.FigList, drawing.Background.Picture()))
          << "seed " << seed << ", edit " << edit;
    }
    // One figure dragged step after step, as the window drags it, with a
    // change of it or of another figure now and then.
    for (int drag = 0; drag < 12 && !HasFatalFailure(); ++drag) {
      TFigItem* item = document.Figures().GetNext(document.Figures().GetHead());
      for (int n = pick(document.Figures().Count()); item && n > 0; --n) item = item->Next();
      for (int move = 0; move < 8 && item && !HasFatalFailure(); ++move) {
        document.Select(item);
        switch (move % 3 == 2 ? pick(4) : 4) {
          case 0: document.ReorderSelected(false); break;
          case 1: document.ChangeSelectedColor(TParameter::LineColor, rng() & 0xFFFFFF); break;
          case 2: {
            TFigItem* other = document.Figures().GetTail();
            document.Select(other);
            document.DragSelected(3, 3);
            document.Select(item);
            break;
          }
          case 3: document.DuplicateSelected(); break;
          default:
            if (move == 0 && item->Prev() != document.Figures().GetHead()) {
              // Onto the figure behind it, which a reorder then puts in front.
              const TPoint to = item->Prev()->Data.Start;
              document.DragSelected(WrapSub(to.X, item->Data.Start.X), WrapSub(to.Y, item->Data.Start.Y));
            } else {
              document.DragSelected(pick(41) - 20, pick(41) - 20);
            }
            break;
        }
        ASSERT_EQ(drawing.ComposeChanged(), DrawnLiterally(drawing.FigList, drawing.Background.Picture()))
            << "seed " << seed << ", drag " << drag << ", move " << move;
      }
    }
    check(kSteps / 2);  // back to playback
  }
}

}  // namespace
}  // namespace mirel::test
