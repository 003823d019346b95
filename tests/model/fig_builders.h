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


}  // namespace mirel::test
