#include "replay/creator_index.h"

namespace mirel {

void TCreatorIndex::Reset(std::int32_t denseLimit) {
  denseLimit_ = denseLimit;
  dense_.clear();
  sparse_.clear();
}

void TCreatorIndex::AddFirst(std::int32_t id, TActionData& record) {
  if (id > 0 && id <= denseLimit_) {
    const auto slot = static_cast<std::size_t>(id);
    if (dense_.size() <= slot) dense_.resize(slot + 1);
    if (!dense_[slot].Record) dense_[slot].Record = &record;
  } else {
    sparse_.try_emplace(id, TCreator{&record, nullptr});
  }
}

TCreator* TCreatorIndex::Find(std::int32_t id) {
  if (id > 0 && id <= denseLimit_) {
    const auto slot = static_cast<std::size_t>(id);
    return slot < dense_.size() && dense_[slot].Record ? &dense_[slot] : nullptr;
  }
  auto found = sparse_.find(id);
  return found == sparse_.end() ? nullptr : &found->second;
}

}  // namespace mirel
