// A doubly linked list with the framework's virtual interface; pointer elements are never
// deleted by it.
#pragma once

#include <algorithm>
#include <list>

namespace qor {
namespace utils {

template <typename T>
class List
{
public:
  using Storage = std::list<T>;
  using iterator = typename Storage::iterator;
  using const_iterator = typename Storage::const_iterator;

  List() = default;
  List(const List&) = default;
  List& operator=(const List&) = default;
  virtual ~List() = default;

  virtual iterator begin() { return items.begin(); }
  virtual const_iterator begin() const { return items.begin(); }
  virtual iterator end() { return items.end(); }
  virtual const_iterator end() const { return items.end(); }
  virtual T& front() { return items.front(); }
  virtual const T& front() const { return items.front(); }
  virtual T& back() { return items.back(); }
  virtual const T& back() const { return items.back(); }
  virtual bool isEmpty() const { return items.empty(); }
  virtual size_t size() const { return items.size(); }
  virtual void clear() { items.clear(); }
  virtual void pushBack(const T& value) { items.push_back(value); }
  virtual void popBack() { items.pop_back(); }
  virtual void pushFront(const T& value) { items.push_front(value); }
  virtual void popFront() { items.pop_front(); }
  virtual iterator insert(iterator& out, iterator position, const T& value)
  {
    out = items.insert(position, value);
    return out;
  }
  virtual iterator erase(iterator& out, iterator first, iterator last)
  {
    out = items.erase(first, last);
    return out;
  }
  virtual iterator erase(iterator& out, iterator position)
  {
    out = items.erase(position);
    return out;
  }
  // Erases every element equal to the value.
  virtual void remove(const T& value) { items.remove(value); }
  virtual bool contains(const T& value) const
  {
    return std::find(items.begin(), items.end(), value) != items.end();
  }

private:
  Storage items;
};

}  // namespace utils
}  // namespace qor
