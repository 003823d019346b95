// The first-record index behind the size rule, with the IDs a hostile file
// can hold: negative, far beyond the records, repeated, dropped again.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <limits>

#include "datafile/size_rule.h"

namespace mirel {
namespace {

class FirstRecordIndex : public ::testing::Test {
 protected:
  // A record that stays put while the index points at it.
  const TActionData& Record(std::int32_t id, TActionKind kind = TActionKind::Create) {
    TActionData& record = records_.emplace_back();
    record.TargetType = kind;
    record.TargetID = id;
    return record;
  }

  TFirstRecordIndex index_;
  std::deque<TActionData> records_;
};

TEST_F(FirstRecordIndex, FirstRecordOfEachIdWinsWhereverTheIdLies) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  for (const std::int32_t id : {1, 2, 0, -1, kMin, kMax, 5000, 1 << 20, 4095, 4096}) {
    const TActionData& first = Record(id);
    index_.Note(first);
    index_.Note(Record(id, TActionKind::Move));
    EXPECT_EQ(index_.Find(id), &first) << id;
  }
  EXPECT_EQ(index_.Find(3), nullptr);
  EXPECT_EQ(index_.Find(kMax - 1), nullptr);
}

TEST_F(FirstRecordIndex, AnIdNotedBeyondTheTableStaysFirstOnceTheTableReachesIt) {
  const std::int32_t far = 9000;  // beyond the table while few records are noted
  const TActionData& first = Record(far);
  index_.Note(first);
  // Enough records to grow the table past `far`.
  for (std::int32_t id = 1; id <= far; ++id) index_.Note(Record(id == far ? far + 1 : id));
  const TActionData& later = Record(far, TActionKind::Move);
  index_.Note(later);
  EXPECT_EQ(index_.Find(far), &first);
  index_.Forget(first);
  EXPECT_EQ(index_.Find(far), nullptr);
  index_.Note(later);
  EXPECT_EQ(index_.Find(far), &later);
}

TEST_F(FirstRecordIndex, BranchesTakeNoPartAndForgetOnlyDropsTheRecordItself) {
  index_.Note(Record(7, TActionKind::Branch));
  EXPECT_EQ(index_.Find(7), nullptr);
  const TActionData& first = Record(7);
  index_.Note(first);
  index_.Forget(Record(7, TActionKind::Move));  // not the noted one
  EXPECT_EQ(index_.Find(7), &first);
  const TActionData& huge = Record(std::numeric_limits<std::int32_t>::max());
  index_.Note(huge);
  index_.Forget(huge);
  EXPECT_EQ(index_.Find(huge.TargetID), nullptr);
}

}  // namespace
}  // namespace mirel
