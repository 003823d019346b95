#pragma once
// The figures a stamp is made of. The copies of a stamp (the figure in the
// drawing, the history's snapshots of it, the deleted figures kept for Undo,
// the stamp tool) share one list until one of them is changed, so that
// copying, deleting and restoring a stamp costs the same whatever it holds,
// while every copy still behaves as a copy of its own.
//
// A copy holds the contents as copying each figure gives them: a point-list
// figure inside, at any depth, takes its points' bounds as its corners.
// Contents that are so already (all that copies made) are shared; others (a
// data file may hold any corners) are fitted once, and the copies share that.
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
  TStampContents(const TStampContents& other);
  TStampContents& operator=(const TStampContents& other);
  TStampContents(TStampContents&&) noexcept = default;
  TStampContents& operator=(TStampContents&&) noexcept = default;
  ~TStampContents();

  explicit operator bool() const { return shared_ != nullptr; }
  const TFigList* get() const;
  const TFigList& operator*() const { return *get(); }
  const TFigList* operator->() const { return get(); }
  void reset() { shared_.reset(); }

  // The contents, for changing: a list that another stamp shares is copied
  // first (its own stamps' contents are shared again, one level down).
  // There must be contents.
  TFigList& MakeUnique();
  // True when another stamp shares the contents.
  bool IsShared() const { return shared_ && shared_.use_count() > 1; }

  friend bool operator==(const TStampContents& contents, std::nullptr_t) { return !contents.shared_; }

 private:
  struct TShared;
  // What a copy holds: these contents, or their fitted copy.
  std::shared_ptr<TShared> CopyForm() const;

  std::shared_ptr<TShared> shared_;
};

}  // namespace mirel
