// An ordered map with the framework's virtual interface; it owns its elements as values only
// (pointer values are never deleted by the map).
#pragma once

#include <map>
#include <utility>

namespace qor {
namespace utils {

template <typename K, typename V>
class Map
{
public:
  using Storage = std::map<K, V>;
  using iterator = typename Storage::iterator;
  using const_iterator = typename Storage::const_iterator;
  using value_type = typename Storage::value_type;

  Map() = default;
  Map(const Map&) = default;
  Map& operator=(const Map&) = default;
  virtual ~Map() = default;

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

  // An existing element is never replaced.
  virtual bool insert(const K& key, const V& value) { return items.emplace(key, value).second; }
  virtual bool insert(const K& key, const V& value, iterator& out)
  {
    auto result = items.emplace(key, value);
    out = result.first;
    return result.second;
  }
  virtual bool insert(const value_type& pair) { return insert(pair.first, pair.second); }
  virtual bool insert(const value_type& pair, iterator& out) { return insert(pair.first, pair.second, out); }

  // Removes the element with the key of the designated element.
  virtual bool erase(iterator position)
  {
    if (position == items.end())
      return false;
    K key = position->first;
    return items.erase(key) > 0;
  }
  virtual bool remove(const K& key) { return items.erase(key) > 0; }

  virtual bool get(const K& key, V& out) const
  {
    auto found = items.find(key);
    if (found == items.end())
      return false;
    out = found->second;
    return true;
  }
  virtual bool find(const K& key, iterator& out)
  {
    out = items.find(key);
    return out != items.end();
  }
  virtual bool find(const K& key, const_iterator& out) const
  {
    out = items.find(key);
    return out != items.end();
  }
  virtual bool contains(const K& key) const { return items.find(key) != items.end(); }

private:
  Storage items;
};

}  // namespace utils
}  // namespace qor
