#pragma once
// A doubly linked list with a head node that holds no value, as used for the
// figure lists and the action history. Items stay at their address for their
// whole life, so plain pointers to them may be kept beside the list.
#include <cstdint>
#include <memory>
#include <utility>

namespace mirel {

template <class T>
class THeadList;

template <class T>
class TListItem {
 public:
  TListItem() = default;
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;
  // Releases the chain behind this item iteratively: a long list must not
  // recurse once per item.
  ~TListItem() {
    auto rest = std::move(next_);
    while (rest) rest = std::move(rest->next_);
  }

  TListItem* Prev() const { return prev_; }
  TListItem* Next() const { return next_.get(); }

  T Data{};

 private:
  friend class THeadList<T>;
  TListItem* prev_ = nullptr;
  std::unique_ptr<TListItem> next_;
};

template <class T>
class THeadList {
 public:
  using Item = TListItem<T>;

  THeadList() : head_(std::make_unique<Item>()), tail_(head_.get()) {}
  THeadList(const THeadList&) = delete;
  THeadList& operator=(const THeadList&) = delete;

  Item* GetHead() const { return head_.get(); }
  Item* GetTail() const { return tail_; }
  static Item* GetNext(const Item* item) { return item ? item->Next() : nullptr; }
  bool IsEmpty() const { return tail_ == head_.get(); }
  // Number of items after the head.
  std::int32_t Count() const { return count_; }

  // Links a new item holding `value` after the tail and returns it.
  Item* Append(T value) {
    auto item = std::make_unique<Item>();
    item->Data = std::move(value);
    return Link(std::move(item));
  }
  // Links a new item holding a default value: built in place, without the
  // moves of Append (a reader appends one per record).
  Item* AppendDefault() { return Link(std::make_unique<Item>()); }

  // Unlinks an item and hands it over, whole and at its address; none for
  // none or the head.
  std::unique_ptr<Item> Detach(Item* item) {
    if (!item || item == head_.get()) return nullptr;
    Item* prev = item->prev_;
    std::unique_ptr<Item> owned = std::move(prev->next_);
    if (item->next_) {
      item->next_->prev_ = prev;
    } else {
      tail_ = prev;
    }
    prev->next_ = std::move(item->next_);
    item->prev_ = nullptr;
    --count_;
    return owned;
  }
  // Links a detached item right after `after` (the head: first of all).
  Item* Attach(Item* after, std::unique_ptr<Item> item) {
    item->prev_ = after;
    item->next_ = std::move(after->next_);
    if (item->next_) {
      item->next_->prev_ = item.get();
    } else {
      tail_ = item.get();
    }
    after->next_ = std::move(item);
    ++count_;
    return after->next_.get();
  }

  // Unlinks and releases one item. Returns 1 for none or the head.
  int Remove(Item* item) { return Detach(item) ? 0 : 1; }

  // Releases every item but the head.
  void Clear() {
    auto rest = std::move(head_->next_);
    while (rest) rest = std::move(rest->next_);
    tail_ = head_.get();
    count_ = 0;
  }

  // Swaps an item with the one before it. Refuses none, the head and the
  // first item.
  int MoveBack(Item* item) {
    if (!item || item == head_.get() || item->prev_ == head_.get()) return 1;
    Item* p = item->prev_;
    Item* pp = p->prev_;
    std::unique_ptr<Item> ownP = std::move(pp->next_);
    std::unique_ptr<Item> ownItem = std::move(p->next_);
    std::unique_ptr<Item> ownN = std::move(item->next_);
    if (ownN) {
      ownN->prev_ = p;
    } else {
      tail_ = p;
    }
    p->next_ = std::move(ownN);
    p->prev_ = item;
    item->next_ = std::move(ownP);
    item->prev_ = pp;
    pp->next_ = std::move(ownItem);
    return 0;
  }

  // Swaps an item with the one after it. Refuses none, the head and the tail.
  int MoveFront(Item* item) {
    if (!item || item == head_.get() || item == tail_) return 1;
    return MoveBack(item->Next());
  }

 private:
  // Links `item` after the tail and returns it.
  Item* Link(std::unique_ptr<Item> item) {
    item->prev_ = tail_;
    tail_->next_ = std::move(item);
    tail_ = tail_->next_.get();
    ++count_;
    return tail_;
  }

  std::unique_ptr<Item> head_;
  Item* tail_;
  std::int32_t count_ = 0;
};

}  // namespace mirel
