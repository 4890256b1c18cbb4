// Client handles made from bare host handles share the record registered for the host object.
#include "core/qorcoreCallback.h"
#include "core/qorcoreHandleBridge.h"
#include "lifecycleTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace test_handle_bridge {

using namespace qor::core;

struct Counter
{
  int runs = 0;
  void bump() { ++runs; }
};

class HandleBridge : public lifecycletest::StartedPlugin
{
};

TEST_F(HandleBridge, AWrappedMenuItemSharesTheRegisteredItemAndOutlivesNothing)
{
  Counter counter;
  MenuItem item(AboutBuiltinMenuGroup, "Bridge Test", __Callback<Counter>(&counter, &Counter::bump));
  ASSERT_FALSE(item.isEmpty());
  {
    MenuItem wrapped = wrapMenuItem(item.hostHandle());
    EXPECT_TRUE(wrapped == item);
    EXPECT_EQ(wrapped.callback(), item.callback());
    auto onHeap = std::make_unique<MenuItem>(wrapMenuItem(item.hostHandle()));
    EXPECT_TRUE(*onHeap == item);
    onHeap->callback()->execute();
    EXPECT_EQ(counter.runs, 1);
  }
  // The wrapped handles are gone; the item and its callback stay.
  ASSERT_NE(item.callback(), nullptr);
  item.callback()->execute();
  EXPECT_EQ(counter.runs, 2);
  EXPECT_EQ(item.text(), "Bridge Test");
}

TEST_F(HandleBridge, AnUnregisteredMenuItemIsRegisteredOnceWithoutCallback)
{
  auto host = reinterpret_cast<::MenuItemHandle>(std::uintptr_t(0x7001));
  const size_t before = coreGlobals()->menuItemRegistry.size();
  MenuItem first = wrapMenuItem(host);
  MenuItem second = wrapMenuItem(host);
  EXPECT_TRUE(first == second);
  EXPECT_EQ(first.callback(), nullptr);
  EXPECT_EQ(coreGlobals()->menuItemRegistry.size(), before + 1);
}

TEST_F(HandleBridge, AWrappedMenuGroupSharesTheGroupsRecord)
{
  MenuGroup group(AboutBuiltinMenuGroup, "Bridge Group", false, true, false, false);
  ASSERT_FALSE(group.isEmpty());
  MenuGroup wrapped = wrapMenuGroup(group.hostHandle(), group.headerItem());
  EXPECT_TRUE(wrapped == group);
  EXPECT_EQ(wrapped.text(), group.text());
}

TEST_F(HandleBridge, AToolNobodyRegisteredWrapsEmpty)
{
  Tool tool = wrapTool(reinterpret_cast<::ToolHandle>(std::uintptr_t(0x7002)));
  EXPECT_TRUE(tool.isEmpty());
}

} // namespace test_handle_bridge
