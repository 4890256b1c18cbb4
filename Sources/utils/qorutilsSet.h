// An ordered set of unique values with the framework's virtual interface; pointed-to objects
// are never deleted by the set.
#pragma once

#include <set>

namespace qor {
namespace utils {

template <typename T>
class Set
{
public:
  using Storage = std::set<T>;
  using iterator = typename Storage::iterator;
  using const_iterator = typename Storage::const_iterator;

  Set() = default;
  Set(const Set&) = default;
  Set& operator=(const Set&) = default;
  virtual ~Set() = default;

  virtual iterator begin() { return items.begin(); }
  virtual const_iterator begin() const { return items.begin(); }
  virtual iterator end() { return items.end(); }
  virtual const_iterator end() const { return items.end(); }
  virtual iterator front() { return items.begin(); }
  virtual const_iterator front() const { return items.begin(); }
  virtual iterator back() { return items.empty() ? items.end() : std::prev(items.end()); }
  virtual const_iterator back() const { return items.empty() ? items.end() : std::prev(items.end()); }
  virtual bool isEmpty() const { return items.empty(); }
  virtual size_t size() const { return items.size(); }
  virtual void clear() { items.clear(); }

  virtual bool insert(const T& value) { return items.insert(value).second; }
  virtual bool insert(const T& value, iterator& out)
  {
    auto result = items.insert(value);
    out = result.first;
    return result.second;
  }
  virtual bool erase(iterator position)
  {
    if (position == items.end())
      return false;
    T value = *position;
    return items.erase(value) > 0;
  }
  virtual bool remove(const T& value) { return items.erase(value) > 0; }
  virtual bool contains(const T& value) const { return items.find(value) != items.end(); }
  virtual bool find(const T& value, iterator& out)
  {
    out = items.find(value);
    return out != items.end();
  }
  virtual bool find(const T& value, const_iterator& out) const
  {
    out = items.find(value);
    return out != items.end();
  }

private:
  Storage items;
};

}  // namespace utils
}  // namespace qor
