// A list that copies of the character share until one of them changes it, so an undo step costs
// what its action changed, not the whole character. Reading never copies; the first change made
// through a copy that shares its items gives that copy items of its own.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace ivgen {

template <typename T>
class SharedList {
 public:
  using Items = std::vector<T>;
  using value_type = T;
  using size_type = typename Items::size_type;
  using const_iterator = typename Items::const_iterator;
  using iterator = typename Items::iterator;

  SharedList() : items_(std::make_shared<Items>()) {}
  SharedList(std::initializer_list<T> items) : items_(std::make_shared<Items>(items)) {}
  SharedList(Items items) : items_(std::make_shared<Items>(std::move(items))) {}  // NOLINT: a list is its items
  SharedList& operator=(Items items) {
    items_ = std::make_shared<Items>(std::move(items));
    return *this;
  }
  SharedList& operator=(std::initializer_list<T> items) { return *this = Items(items); }
  template <typename It>
  void assign(It first, It last) {
    items_ = std::make_shared<Items>(first, last);
  }

  operator const Items&() const { return *items_; }  // NOLINT: read wherever a vector is read
  const Items& Read() const { return *items_; }
  /// The items to change, made the list's own first.
  Items& Edit() {
    if (items_.use_count() > 1) items_ = std::make_shared<Items>(*items_);
    return *items_;
  }
  /// True when both hold the very same items, so neither has changed them since one was copied.
  bool Shares(const SharedList& other) const { return items_ == other.items_; }

  size_type size() const { return items_->size(); }
  bool empty() const { return items_->empty(); }
  const_iterator begin() const { return items_->cbegin(); }
  const_iterator end() const { return items_->cend(); }
  const_iterator cbegin() const { return items_->cbegin(); }
  const_iterator cend() const { return items_->cend(); }
  const T& operator[](size_type i) const { return (*items_)[i]; }
  const T& front() const { return items_->front(); }
  const T& back() const { return items_->back(); }
  T& operator[](size_type i) { return Edit()[i]; }
  T& back() { return Edit().back(); }

  void push_back(T item) { Edit().push_back(std::move(item)); }
  template <typename... Args>
  T& emplace_back(Args&&... args) {
    return Edit().emplace_back(std::forward<Args>(args)...);
  }
  void pop_back() { Edit().pop_back(); }
  void clear() {
    if (!items_->empty()) items_ = std::make_shared<Items>();
  }
  void resize(size_type n) { Edit().resize(n); }
  // Positions come from the items as read; they are moved over to the items as changed.
  iterator insert(const_iterator at, T item) {
    const auto offset = at - items_->cbegin();
    Items& items = Edit();
    return items.insert(items.cbegin() + offset, std::move(item));
  }
  template <typename It>
  iterator insert(const_iterator at, It first, It last) {
    const auto offset = at - items_->cbegin();
    Items& items = Edit();
    return items.insert(items.cbegin() + offset, first, last);
  }
  iterator erase(const_iterator at) {
    const auto offset = at - items_->cbegin();
    Items& items = Edit();
    return items.erase(items.cbegin() + offset);
  }
  iterator erase(const_iterator first, const_iterator last) {
    const auto from = first - items_->cbegin();
    const auto to = last - items_->cbegin();
    Items& items = Edit();
    return items.erase(items.cbegin() + from, items.cbegin() + to);
  }

  bool operator==(const SharedList& other) const { return Shares(other) || *items_ == *other.items_; }
  bool operator==(const Items& other) const { return *items_ == other; }

 private:
  std::shared_ptr<Items> items_;
};

}  // namespace ivgen
