#include "replay/edit_effects.h"

#include <gtest/gtest.h>

#include "history_fixture.h"

namespace mirel::test {
namespace {

TEST(EditEffects, DeletedFiguresComeBackNewestFirstInFrontOfAllOthers) {
  TFigList figures, deleted;
  for (int tag = 1; tag <= 4; ++tag) AddCopy(figures, BoxFig(dtRectangle, {tag, tag}, {tag + 10, tag + 10}, Tagged(tag)));
  DeleteFigure(figures, deleted, figures.GetNext(figures.GetHead()));  // 1
  DeleteFigure(figures, deleted, figures.GetTail());                   // 4
  EXPECT_EQ(Tags(figures), (std::vector<int>{2, 3}));
  EXPECT_EQ(Tags(deleted), (std::vector<int>{1, 4}));

  TFigItem* restored = RestoreNewestDeleted(figures, deleted);
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(restored, figures.GetTail());
  EXPECT_EQ(Tags(figures), (std::vector<int>{2, 3, 4}));
  ASSERT_NE(RestoreNewestDeleted(figures, deleted), nullptr);
  EXPECT_EQ(Tags(figures), (std::vector<int>{2, 3, 4, 1}));
  // Nothing left to restore: the drawing stays as it is.
  EXPECT_EQ(RestoreNewestDeleted(figures, deleted), nullptr);
  EXPECT_EQ(Tags(figures), (std::vector<int>{2, 3, 4, 1}));

  DeleteFigure(figures, deleted, figures.GetTail());
  EmptyDrawing(figures, deleted);
  EXPECT_EQ(figures.Count(), 0);
  EXPECT_EQ(deleted.Count(), 0);
}

TEST(EditEffects, EachAttributeReadsBackAndLeavesTheOthers) {
  const TParameter attributes[] = {TParameter::LineColor, TParameter::BodyColor, TParameter::TextColor,
                                   TParameter::LineWidth};
  for (const TParameter changed : attributes) {
    SCOPED_TRACE(static_cast<int>(changed));
    TFigData figure = BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(3));
    const TFigData before = figure;
    // A system colour keeps its high bit.
    const std::int64_t value = changed == TParameter::LineWidth ? 29 : std::int64_t{0x8000000F};
    SetAttribute(figure, changed, value);
    EXPECT_EQ(AttributeOf(figure, changed), value);
    for (const TParameter other : attributes) {
      if (other != changed) {
        EXPECT_EQ(AttributeOf(figure, other), AttributeOf(before, other));
      }
    }
  }
  // Size and text are not attributes of one value: nothing changes.
  TFigData figure = BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(3));
  SetAttribute(figure, TParameter::Size, 99);
  SetAttribute(figure, TParameter::Text, 99);
  EXPECT_TRUE(SameFigure(figure, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(3))));
}

}  // namespace
}  // namespace mirel::test
