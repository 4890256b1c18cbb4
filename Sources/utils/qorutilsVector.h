// A vector with the framework's virtual interface; pointer elements are never deleted by it.
#pragma once

#include <algorithm>
#include <vector>

namespace qor {
namespace utils {

template <typename T>
class Vector
{
public:
  using Storage = std::vector<T>;
  using iterator = typename Storage::iterator;
  using const_iterator = typename Storage::const_iterator;

  Vector() = default;
  Vector(const Vector&) = default;
  Vector& operator=(const Vector&) = default;
  virtual ~Vector() = default;

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
  // Keeps the storage for the next elements.
  virtual void clear() { items.clear(); }
  virtual void pushBack(const T& value) { items.push_back(value); }
  virtual void popBack() { items.pop_back(); }
  virtual T& at(size_t index) { return items.at(index); }
  virtual const T& at(size_t index) const { return items.at(index); }
  virtual T& operator[](size_t index) { return at(index); }
  virtual const T& operator[](size_t index) const { return at(index); }
  virtual bool contains(const T& value) const
  {
    return std::find(items.begin(), items.end(), value) != items.end();
  }
  virtual iterator insert(iterator& out, iterator position, const T& value)
  {
    out = items.insert(position, value);
    return out;
  }
  virtual bool removeAt(size_t index)
  {
    if (index >= items.size())
      return false;
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
  }
  virtual iterator erase(iterator& out, iterator position)
  {
    out = items.erase(position);
    return out;
  }
  size_t capacity() const { return items.capacity(); }

private:
  Storage items;
};

}  // namespace utils
}  // namespace qor
