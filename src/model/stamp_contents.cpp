#include "model/stamp_contents.h"

#include "model/fig_data.h"
#include "model/fig_ops.h"

namespace mirel {

TStampContents::TStampContents(std::unique_ptr<TFigList> list) : list_(std::move(list)) {}

TStampContents& TStampContents::operator=(std::unique_ptr<TFigList> list) {
  list_ = std::move(list);
  return *this;
}

TStampContents& TStampContents::operator=(std::nullptr_t) {
  list_.reset();
  return *this;
}

TFigList& TStampContents::MakeUnique() {
  if (IsShared()) {
    auto copy = std::make_shared<TFigList>();
    for (const TFigItem* item = list_->GetNext(list_->GetHead()); item; item = item->Next()) {
      AddCopy(*copy, item->Data);
    }
    list_ = std::move(copy);
  }
  return *list_;
}

}  // namespace mirel
