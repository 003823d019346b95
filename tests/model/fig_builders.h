#pragma once
// Small figures and list checks shared by the model and history tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "model/fig_ops.h"
#include "support/figure_builders.h"

namespace mirel::test {

// The model tests' look: width 2, red pen, no fill.
inline constexpr test::TLook kModelLook{2, 0x0000FF, clBtnFace};

inline TFigData MakeBox(TDrawingTool tool, TPoint start, TPoint end) { return test::BoxFig(tool, start, end, kModelLook); }

inline TFigData MakeRect(int x0, int y0, int x1, int y1) { return MakeBox(dtRectangle, {x0, y0}, {x1, y1}); }

inline TFigData MakePointFig(TDrawingTool tool, std::initializer_list<TPoint> points) {
  return test::PointFig(tool, points, kModelLook);
}

inline TFigData MakeText(const std::string& text, TPoint start) {
  return test::TextFig(start, {start.X + 40, start.Y + 12}, text, 12, 0, kModelLook);
}

inline TFigData MakeStamp(TPoint start, TPoint end, const std::vector<const TFigData*>& contents) {
  return test::StampFig(start, end, contents, kModelLook);
}

inline const TFigData& FirstFig(const TFigList& list) { return list.GetNext(list.GetHead())->Data; }

// The invariants every list operation keeps.
template <class List>
void ExpectListInvariants(const List& list) {
  const auto* head = list.GetHead();
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(head->Prev(), nullptr);
  EXPECT_EQ(list.GetTail()->Next(), nullptr);
  std::int32_t count = 0;
  const auto* item = head;
  while (item->Next()) {
    EXPECT_EQ(item->Next()->Prev(), item);
    item = item->Next();
    ++count;
  }
  EXPECT_EQ(item, list.GetTail());
  EXPECT_EQ(count, list.Count());
  EXPECT_EQ(list.GetTail() == head, count == 0);
}

// The figures of a list from back to front, by their PenWidth tag.
inline std::vector<int> Tags(const TFigList& list) {
  std::vector<int> tags;
  for (const TFigItem* i = list.GetNext(list.GetHead()); i; i = i->Next()) tags.push_back(i->Data.PenWidth);
  return tags;
}

}  // namespace mirel::test
