// The document's editing commands tell what they did: the change made and
// recorded once, or the reason nothing changed, with nothing recorded.
#include <gtest/gtest.h>

#include "editor/document.h"
#include "support/figure_builders.h"

namespace mirel::test {
namespace {

struct TCase {
  const char* name;
  TFigData figure;
  TEditOutcome (*command)(TDocument&);
  TEditOutcome expected;
};

TEditOutcome LineColor(TDocument& d, TColor c) { return d.ChangeSelectedColor(TParameter::LineColor, c); }

TEST(DocumentEdits, EachCommandChangesAndRecordsOnceOrTellsWhyNot) {
  const TFigData rect = BoxFig(dtRectangle, {10, 10}, {50, 40}, {.PenWidth = 5, .Pen = 0x0000FF});
  const TFigData text = TextFig({10, 10}, {50, 22}, "a", 12, clBlack);
  const TFigData stamp = StampFig({0, 0}, {40, 30}, {&rect});
  using enum TEditOutcome;
  const TCase cases[] = {
      {"new line colour", rect, [](TDocument& d) { return LineColor(d, 0x00FF00); }, Done},
      {"same line colour", rect, [](TDocument& d) { return LineColor(d, 0x0000FF); }, Unchanged},
      {"no-fill line", rect, [](TDocument& d) { return LineColor(d, clBtnFace); }, NoFillForLine},
      {"no-fill body",  rect, [](TDocument& d) { return d.ChangeSelectedColor(TParameter::BodyColor, clBtnFace); }, Done},
      {"text colour of a text", text, [](TDocument& d) { return d.ChangeSelectedColor(TParameter::TextColor, 0xFF); }, Done},
      {"text colour of a box", rect, [](TDocument& d) { return d.ChangeSelectedColor(TParameter::TextColor, 0xFF); }, Unchanged},
      {"no-fill text", rect, [](TDocument& d) { return d.ChangeSelectedColor(TParameter::TextColor, clBtnFace); }, NoFillForText},
      {"stamp colour", stamp, [](TDocument& d) { return LineColor(d, 0x00FF00); }, StampUnchangeable},
      {"stamp pen", stamp, [](TDocument& d) { return d.ChangeSelectedPenWidth(2); }, StampUnchangeable},
      {"thicker", rect, [](TDocument& d) { return d.ChangeSelectedPenWidth(2); }, Done},
      {"thicker at 30", BoxFig(dtLine, {0, 0}, {9, 9}, {.PenWidth = 30}), [](TDocument& d) { return d.ChangeSelectedPenWidth(2); }, NoThicker},
      {"thinner at 1", BoxFig(dtLine, {0, 0}, {9, 9}, {.PenWidth = 1}), [](TDocument& d) { return d.ChangeSelectedPenWidth(-2); }, NoThinner},
      {"front of the front one", rect, [](TDocument& d) { return d.ReorderSelected(true); }, NoFurtherFront},
      {"back of the front one", rect, [](TDocument& d) { return d.ReorderSelected(false); }, Done},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TDocument doc;
    doc.AddFigure(BoxFig(dtEllipse, {100, 100}, {120, 120}));
    TFigItem* item = doc.AddFigure(c.figure);
    const TFigData before = item->Data;
    doc.Select(item);
    const std::int32_t records = doc.History().GetStepCount();
    EXPECT_EQ(c.command(doc), c.expected);
    EXPECT_EQ(doc.History().GetStepCount(), records + (c.expected == Done ? 1 : 0));
    if (c.expected != Done) {
      EXPECT_EQ(doc.Figures().GetTail(), item);
      EXPECT_EQ(item->Data.PenColor, before.PenColor);
      EXPECT_EQ(item->Data.PenWidth, before.PenWidth);
      EXPECT_EQ(item->Data.TextColor, before.TextColor);
    }
  }
  // Without a selection every command does nothing.
  TDocument doc;
  doc.AddFigure(rect);
  EXPECT_EQ(LineColor(doc, 0x00FF00), Unchanged);
  EXPECT_EQ(doc.ChangeSelectedPenWidth(2), Unchanged);
  EXPECT_EQ(doc.ReorderSelected(true), Unchanged);
  EXPECT_EQ(doc.DuplicateSelected(), nullptr);
  EXPECT_EQ(doc.History().GetStepCount(), 1);
}

TEST(DocumentEdits, DeleteUndoAndDuplicateKeepTheSelectionOnTheDrawing) {
  TDocument doc;
  TFigItem* a = doc.AddFigure(BoxFig(dtRectangle, {0, 0}, {10, 10}));
  doc.Select(a);
  TFigItem* copy = doc.DuplicateSelected();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(doc.Selected(), copy);
  EXPECT_EQ(copy->Data.Start, (TPoint{20, 20}));
  doc.DeleteSelected();
  EXPECT_EQ(doc.Selected(), nullptr);
  EXPECT_EQ(doc.Figures().Count(), 1);
  EXPECT_EQ(doc.DeletedFigures().Count(), 1);
  const TFigItem* back = doc.UndoDelete();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back, doc.Figures().GetTail());
  EXPECT_EQ(back->Data.Start, (TPoint{20, 20}));
  EXPECT_EQ(doc.UndoDelete(), nullptr);
  using enum TActionKind;
  std::vector<TActionKind> kinds;
  for (const TActionItem* i = doc.History().GetHead()->Next(); i; i = i->Next()) kinds.push_back(i->Data.TargetType);
  EXPECT_EQ(kinds, (std::vector<TActionKind>{Create, Duplicate, Delete, Undo}));
}

}  // namespace
}  // namespace mirel::test
