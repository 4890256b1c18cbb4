#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/qorcoreCallback.h"
#include "utils/qorutilsCallback.h"
#include "utils/qorutilsList.h"
#include "utils/qorutilsMap.h"
#include "utils/qorutilsSet.h"
#include "utils/qorutilsVector.h"

namespace {

TEST(Map, InsertNeverReplacesAndGetLeavesOutputOnMiss)
{
  qor::utils::Map<int, std::string> map;
  EXPECT_TRUE(map.insert(1, "one"));
  qor::utils::Map<int, std::string>::iterator where;
  EXPECT_FALSE(map.insert(1, "uno", where));
  EXPECT_EQ(where->second, "one");
  std::string out = "untouched";
  EXPECT_TRUE(map.get(1, out));
  EXPECT_EQ(out, "one");
  out = "untouched";
  EXPECT_FALSE(map.get(2, out));
  EXPECT_EQ(out, "untouched");
  EXPECT_TRUE(map.remove(1));
  EXPECT_FALSE(map.remove(1));
}

TEST(Map, BackIsLargestKeyOrEnd)
{
  qor::utils::Map<int, int> map;
  EXPECT_EQ(map.back(), map.end());
  for (int key : {3, 1, 2})
    map.insert(key, key * 10);
  EXPECT_EQ(map.back()->first, 3);
  EXPECT_EQ(map.front()->first, 1);
  EXPECT_TRUE(map.erase(map.front()));
  EXPECT_EQ(map.size(), 2u);
}

TEST(Map, PairKeysOrderByNameThenVersion)
{
  qor::utils::Map<std::pair<std::string, int>, int> map;
  map.insert({"AI User Suite", 14}, 0);
  map.insert({"AI Menu Suite", 11}, 0);
  map.insert({"AI Menu Suite", 10}, 0);
  map.insert({"AI Menu Suite", 2}, 0);
  std::vector<std::pair<std::string, int>> order;
  for (const auto& entry : map)
    order.push_back(entry.first);
  std::vector<std::pair<std::string, int>> expected = {
      {"AI Menu Suite", 2}, {"AI Menu Suite", 10}, {"AI Menu Suite", 11}, {"AI User Suite", 14}};
  EXPECT_EQ(order, expected);
}

TEST(SetAndList, RemoveSemantics)
{
  qor::utils::Set<int> set;
  EXPECT_TRUE(set.insert(5));
  EXPECT_FALSE(set.insert(5));
  EXPECT_FALSE(set.remove(6));
  EXPECT_TRUE(set.remove(5));

  qor::utils::List<int> list;
  for (int value : {7, 1, 7, 2, 7})
    list.pushBack(value);
  list.remove(7);
  EXPECT_FALSE(list.contains(7));
  EXPECT_EQ(list.size(), 2u);
  qor::utils::List<int>::iterator next;
  list.erase(next, list.begin());
  EXPECT_EQ(*next, 2);
}

TEST(Vector, BoundsAndStorage)
{
  qor::utils::Vector<int> vector;
  vector.pushBack(1);
  vector.pushBack(2);
  EXPECT_FALSE(vector.removeAt(2));
  EXPECT_THROW(vector[2], std::out_of_range);
  EXPECT_EQ(vector.size(), 2u);
  const size_t capacity = vector.capacity();
  vector.clear();
  vector.pushBack(3);
  EXPECT_EQ(vector.capacity(), capacity);
  EXPECT_TRUE(vector.removeAt(0));
  EXPECT_TRUE(vector.isEmpty());
}

struct Counter
{
  int calls = 0;
  void bump() { ++calls; }
  void look() const { ++const_cast<Counter*>(this)->calls; }
};

TEST(Callback, CloneOutlivesOriginalAndNullObjectDoesNothing)
{
  Counter counter;
  auto* original = new qor::utils::__Callback<Counter>(&counter, &Counter::bump);
  qor::utils::Callback* copy = original->clone();
  delete original;
  copy->execute();
  EXPECT_EQ(counter.calls, 1);
  delete copy;

  qor::core::__Callback<Counter> constBound(&counter, &Counter::look);
  std::unique_ptr<qor::core::Callback> clone(qor::core::cloneCallback(constBound));
  clone->execute();
  EXPECT_EQ(counter.calls, 2);

  qor::utils::__Callback<Counter> unbound(nullptr, &Counter::bump);
  unbound.execute();
  EXPECT_EQ(counter.calls, 2);
}

}  // namespace
