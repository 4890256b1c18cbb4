// Client handles made from bare host handles share the record registered for the host object.
#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreHandleBridge.h"
#include "hostsimWorkspace.h"
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

// Views wrapped from one host view share one record, which leaves the registry with the last handle;
// the handle maps the host's view modes and converts rectangles both ways.
TEST_F(HandleBridge, WrappedViewsOfOneHostViewShareOneRecord)
{
  hostsim::Workspace::instance().newDocument("views");
  const DocumentViewSuite* suite = qor::aip::msgDocumentViewSuite();
  ASSERT_NE(suite, nullptr);
  ::DocViewHandle host = nullptr;
  ASSERT_EQ(suite->getNthView(0, &host), 0);
  ASSERT_NE(host, nullptr);
  auto& registry = coreGlobals()->docViewRegistry;
  const size_t before = registry.size();
  {
    DocumentView first = wrapDocumentView(host);
    DocumentView second = wrapDocumentView(host);
    ASSERT_NE(implPointer(first), nullptr);
    EXPECT_EQ(implPointer(first), implPointer(second));
    EXPECT_EQ(implPointer(first)->count, 2);
    EXPECT_EQ(registry.size(), before + 1);
    EXPECT_EQ(second.hostHandle(), host);
    first.setZoom(3);
    EXPECT_EQ(second.zoom(), 3);

    const struct
    {
      int32_t client, host, readBack;
    } modes[] = {{10, 0, 10}, {20, 1, 20}, {30, 2, 30}, {40, 3, 40}, {0, 1, 20}, {7, 1, 20}};
    for (const auto& mode : modes) {
      first.setViewMode(mode.client);
      int32_t sent = -1;
      suite->getViewMode(host, &sent);
      EXPECT_EQ(sent, mode.host) << mode.client;
      EXPECT_EQ(second.viewMode(), mode.readBack) << mode.client;
    }

    first.setZoom(1);
    ArtboardRect artwork = wrapArtboardRect(qor::aip::ArtboardRect::fromEdges(10, 20, 210, 120));
    ArtboardRect back = first.viewRectToArtworkRect(first.artworkRectToViewRect(artwork));
    EXPECT_TRUE(back.equalsWithin(artwork, 1))
        << back.left() << " " << back.top() << " " << back.right() << " " << back.bottom();
  }
  EXPECT_EQ(registry.size(), before);

  DocumentView none = wrapDocumentView(nullptr);
  EXPECT_TRUE(none.isEmpty());
  EXPECT_EQ(none.zoom(), 0.0);
  EXPECT_EQ(none.viewMode(), 0);
  EXPECT_EQ(registry.size(), before);
}

// Every shared handle hands out the record it shares, the same for all handles of one host object.
TEST_F(HandleBridge, ImplPointerIsTheSharedRecord)
{
  MenuItem item(AboutBuiltinMenuGroup, "Bridge Record", __Callback<Counter>(nullptr, &Counter::bump));
  MenuItem wrapped = wrapMenuItem(item.hostHandle());
  ASSERT_NE(implPointer(item), nullptr);
  EXPECT_EQ(implPointer(wrapped), implPointer(item));
  Tool empty;
  EXPECT_EQ(implPointer(empty)->impl, nullptr);
}

} // namespace test_handle_bridge
