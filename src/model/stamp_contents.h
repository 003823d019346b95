#pragma once
// The figures a stamp is made of. The copies of a stamp (the figure in the
// drawing, the history's snapshots of it, the deleted figures kept for Undo,
// the stamp tool) share one list until one of them is changed, so that
// copying, deleting and restoring a stamp costs the same whatever it holds,
// while every copy still behaves as a copy of its own.
//
// The list is reached read-only; a change goes through MakeUnique, which
// first copies a list that others share. Figure lists do not protect their
// items from change through a read-only list, so the rule is the caller's:
// never change an item reached through the read-only view.
#include <cstddef>
#include <memory>

namespace mirel {

class TFigList;

class TStampContents {
 public:
  TStampContents() = default;
  TStampContents(std::nullptr_t) {}
  // Takes `list` as contents that nobody shares yet.
  TStampContents(std::unique_ptr<TFigList> list);
  TStampContents& operator=(std::unique_ptr<TFigList> list);
  TStampContents& operator=(std::nullptr_t);

  explicit operator bool() const { return list_ != nullptr; }
  const TFigList* get() const { return list_.get(); }
  const TFigList& operator*() const { return *list_; }
  const TFigList* operator->() const { return list_.get(); }
  void reset() { list_.reset(); }

  // The contents, for changing: a list that another stamp shares is copied
  // first (its own stamps' contents are shared again, one level down).
  // There must be contents.
  TFigList& MakeUnique();
  // True when another stamp shares the contents.
  bool IsShared() const { return list_ && list_.use_count() > 1; }

  friend bool operator==(const TStampContents& contents, std::nullptr_t) { return !contents.list_; }

 private:
  std::shared_ptr<TFigList> list_;
};

}  // namespace mirel
