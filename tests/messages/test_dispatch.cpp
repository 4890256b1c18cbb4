// Host calls through the entry point and the dispatcher, end to end in the simulated host.
#include <stdexcept>

#include "MessagesFixture.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcoreMessage.h"
#include "core/qorcoreNotification.h"
#include "core/qorcoreNotifier.h"
#include "hostsimMenuItems.h"
#include "hostsimNotifiers.h"

namespace messagesTest_dispatch {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

const char* const kSymbolSetChanged = "AI Art Symbol Set Changed Notifier";
const char* const kColorCalibration = "AI Color Calibration Changed Notifier";

class Dispatching : public PluginFixture
{
protected:
  hostsim::MenuItems& menus() { return app->area<hostsim::MenuItems>(); }
  void notify(const char* type, const void* data = nullptr) { app->sendNotification(type, data); }

  void expectIdle()
  {
    EXPECT_FALSE(globals().dispatching);
    EXPECT_TRUE(globals().dispatchStack.empty());
    EXPECT_TRUE(globals().preparedNotifyMessages.empty());
  }

  const NotifyMessage* currentNotify()
  {
    return dynamic_cast<const NotifyMessage*>(dispatcher().currentMessage());
  }
};

TEST_F(Dispatching, EveryTableRowIsFoundThroughTheGlobals)
{
  qor::utils::Map<std::pair<std::string, std::string>, MessageType> rows;
  fillMessageTypeMap(rows);
  for (const auto& row : rows) {
    MessageType type = NoMessageType;
    EXPECT_TRUE(callerSelectorToMessageType(row.first.first.c_str(), row.first.second.c_str(), type));
    EXPECT_EQ(type, row.second);
  }
  EXPECT_EQ(globals().messageTypes.size(), 97u);
  MessageType untouched = MenuGoMessageType;
  EXPECT_FALSE(callerSelectorToMessageType("Plugin Command Manager", "AI Go", untouched));
  EXPECT_EQ(untouched, MenuGoMessageType);
  EXPECT_EQ(notifierNameToType("AI Document Saved Notifier"), DocumentSavedNotifierType);
  EXPECT_EQ(notifierNameToType("AI Application Started Notifier"), NoNotifierType);
  EXPECT_EQ(notifierNameToType("AI Document saved Notifier"), NoNotifierType);
  EXPECT_EQ(globals().notifierTypes.size(), 322u);
}

TEST_F(Dispatching, UnknownPairBecomesACustomMessage)
{
  CommandManagerMessage record{};
  app->callPlugin("Plugin Command Manager", "Do Something", &record);
  auto* custom = dynamic_cast<const CustomMessage*>(dispatcher().currentMessage());
  ASSERT_NE(custom, nullptr);
  EXPECT_EQ(custom->type(), CustomMessageType);
  EXPECT_EQ(custom->caller(), "Plugin Command Manager");
  EXPECT_EQ(custom->selector(), "Do Something");
  EXPECT_EQ(custom->hostMessage(), static_cast<void*>(&record));
  EXPECT_EQ(dispatcher().dispatchCustomMessage("AI Nothing", "AI Nothing", nullptr), Dispatcher::NotHandled);
}

TEST_F(Dispatching, RefusesWhatItCannotDispatch)
{
  const Message* current = dispatcher().currentMessage();
  EXPECT_EQ(dispatcher().dispatchMessage(MenuGoMessageType, nullptr), Dispatcher::NotDispatched);
  ::MenuMessage record{};
  EXPECT_EQ(dispatcher().dispatchMessage(static_cast<MessageType>(85), &record), Dispatcher::NotDispatched);
  EXPECT_EQ(dispatcher().dispatchMessage(CustomMessageType, &record), Dispatcher::NotDispatched);
  EXPECT_EQ(dispatcher().currentMessage(), current);
  expectIdle();
}

TEST_F(Dispatching, ChosenMenuItemRunsItsCallbackOnce)
{
  Probe probe;
  MenuItem item(ObjectsPathsPopupBuiltinMenuGroup, "Probe", probe.callback());
  ASSERT_FALSE(item.isEmpty());
  MenuItemHandle host = menus().findItem("Objects Paths Popup Probe");
  ASSERT_EQ(host, item.hostHandle());
  menus().choose(host);
  EXPECT_EQ(probe.runs, 1);
  auto* message = dynamic_cast<const qor::core::MenuMessage*>(dispatcher().currentMessage());
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->type(), MenuGoMessageType);
  ASSERT_NE(message->menuItem(), nullptr);
  EXPECT_TRUE(*message->menuItem() == item);
  // An item the plug-in never made runs nothing; its registration lasts as long as the message.
  ::MenuMessage stranger{};
  stranger.menuItem = reinterpret_cast<MenuItemHandle>(0x7);
  EXPECT_EQ(dispatcher().dispatchMessage(MenuGoMessageType, &stranger), Dispatcher::Handled);
  EXPECT_TRUE(globals().menuItemRegistry.contains(stranger.menuItem));
  dispatcher().dispatchCustomMessage("AI Nothing", "AI Nothing", nullptr);
  EXPECT_FALSE(globals().menuItemRegistry.contains(stranger.menuItem));
  expectIdle();
}

TEST_F(Dispatching, NestedDispatchOfTheSameTypeIsRefusedWhileOthersRun)
{
  Probe inner;
  Probe notified;
  Notifier notifier(ArtSymbolSetChangedNotifierType, notified.callback());
  dispatcher().registerNotifier(notifier);
  MenuItem second(ObjectsPathsPopupBuiltinMenuGroup, "Second", inner.callback());
  int32_t nestedResult = -1;
  Probe outer([&] {
    ::MenuMessage record{};
    record.menuItem = second.hostHandle();
    app->callPlugin("AI Menu", "AI Go", &record);
    nestedResult = dispatcher().dispatchMessage(MenuGoMessageType, &record);
    notify(kSymbolSetChanged);
  });
  MenuItem first(ObjectsPathsPopupBuiltinMenuGroup, "First", outer.callback());
  menus().choose(first.hostHandle());
  EXPECT_EQ(outer.runs, 1);
  EXPECT_EQ(nestedResult, Dispatcher::Refused);
  EXPECT_EQ(inner.runs, 0);
  EXPECT_EQ(notified.runs, 1);
  menus().choose(second.hostHandle());
  EXPECT_EQ(inner.runs, 1);
  expectIdle();
}

TEST_F(Dispatching, NestedNotificationOfTheSameNotifierTypeIsRefused)
{
  Probe other;
  Notifier calibration(ColorCalibrationChangedNotifierType, other.callback());
  dispatcher().registerNotifier(calibration);
  int nested = 0;
  Probe outer([&] {
    if (nested++ == 0) {
      notify(kSymbolSetChanged);
      notify(kColorCalibration);
    }
  });
  Notifier symbols(ArtSymbolSetChangedNotifierType, outer.callback());
  dispatcher().registerNotifier(symbols);
  notify(kSymbolSetChanged);
  EXPECT_EQ(outer.runs, 1);
  EXPECT_EQ(other.runs, 1);
  expectIdle();
}

TEST_F(Dispatching, NotifierCallbackReceivesItsTypedNotification)
{
  const NotifyMessage* seen = nullptr;
  std::vector<uint32_t> first, second;
  Probe probe([&] {
    seen = currentNotify();
    if (seen && seen->notification()) {
      auto* n = dynamic_cast<const ArtSymbolSetChangedNotification*>(seen->notification());
      ASSERT_NE(n, nullptr);
      EXPECT_EQ(n->type(), ArtSymbolSetChangedNotifierType);
      first = n->firstList();
      second = n->secondList();
    }
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->type(), NotifyMessageType);
  });
  Notifier notifier(ArtSymbolSetChangedNotifierType, probe.callback());
  dispatcher().registerNotifier(notifier);
  const uint32_t a[] = {1, 2, 3};
  const uint32_t b[] = {7, 8, 9};
  SymbolSetChangedNotifyData data{0, 3, b, a};
  notify(kSymbolSetChanged, &data);
  EXPECT_EQ(probe.runs, 1);
  EXPECT_EQ(first, (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(second, (std::vector<uint32_t>{7, 8, 9}));
  expectIdle();
}

TEST_F(Dispatching, OneHostSubscriptionPerNotifierType)
{
  Probe a, b;
  Notifier first(ArtSymbolSetChangedNotifierType, a.callback());
  Notifier second(ArtSymbolSetChangedNotifierType, b.callback());
  Notifier copy(first);
  dispatcher().registerNotifier(first);
  dispatcher().registerNotifier(copy);
  dispatcher().registerNotifier(second);
  Notifier custom(static_cast<NotifierType>(-5), a.callback());
  dispatcher().registerNotifier(custom);
  Notifier empty;
  dispatcher().registerNotifier(empty);
  const std::string prefix = qor::aip::msgPluginName() + " Notifier ";
  int symbolSubscriptions = 0;
  bool customFound = false;
  for (const auto& s : app->area<hostsim::Notifiers>().subscriptions()) {
    if (s.type == kSymbolSetChanged) {
      ++symbolSubscriptions;
      EXPECT_EQ(s.name, prefix + "80");
      EXPECT_TRUE(s.active);
    }
    if (s.type == "__QOR_CORE_CUSTOM_NOTIFIER_-5") {
      customFound = true;
      EXPECT_EQ(s.name, prefix + "-5");
    }
    EXPECT_EQ(s.type.find("__QOR_CORE_CUSTOM_NOTIFIER_0"), std::string::npos);
  }
  EXPECT_EQ(symbolSubscriptions, 1);
  EXPECT_TRUE(customFound);
  notify(kSymbolSetChanged);
  EXPECT_EQ(a.runs, 1);
  EXPECT_EQ(b.runs, 1);
  // Disabling any handle of a registered notifier silences it; the host subscription stays.
  copy.disable();
  notify(kSymbolSetChanged);
  EXPECT_EQ(a.runs, 1);
  EXPECT_EQ(b.runs, 2);
}

// A throwing callback must leave the dispatcher as it found it: nothing freed twice, nothing left
// dispatching.
TEST_F(Dispatching, ThrowingNotifierCallbackLeavesNoDanglingMessage)
{
  int runs = 0;
  Probe thrower([&] {
    if (runs++ == 0)
      throw std::runtime_error("client failure");
  });
  Notifier notifier(ArtSymbolSetChangedNotifierType, thrower.callback());
  dispatcher().registerNotifier(notifier);
  notify(kSymbolSetChanged);
  expectIdle();
  Probe menu;
  MenuItem item(ObjectsPathsPopupBuiltinMenuGroup, "After", menu.callback());
  menus().choose(item.hostHandle());
  notify(kSymbolSetChanged);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(menu.runs, 1);
  expectIdle();
}

// A custom message nested in a notifier callback or a menu callback owns its message: the outer
// dispatch's message stays alive and is freed once.
TEST_F(Dispatching, NestedCustomMessageKeepsTheOuterMessage)
{
  CommandManagerMessage record{};
  Probe notified([&] {
    const Message* outer = dispatcher().currentMessage();
    app->callPlugin("Plugin Command Manager", "Inner", &record);
    EXPECT_EQ(dispatcher().currentMessage(), outer);
    ASSERT_NE(currentNotify(), nullptr);
    EXPECT_EQ(currentNotify()->type(), NotifyMessageType);
  });
  Notifier notifier(ArtSymbolSetChangedNotifierType, notified.callback());
  dispatcher().registerNotifier(notifier);
  notify(kSymbolSetChanged);
  EXPECT_EQ(notified.runs, 1);

  MenuItem* self = nullptr;
  Probe chosen([&] {
    app->callPlugin("Plugin Command Manager", "Inner", &record);
    auto* menu = dynamic_cast<const qor::core::MenuMessage*>(dispatcher().currentMessage());
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->menuItem(), nullptr);
    EXPECT_TRUE(*menu->menuItem() == *self);
  });
  MenuItem item(ObjectsPathsPopupBuiltinMenuGroup, "Outer", chosen.callback());
  self = &item;
  menus().choose(item.hostHandle());
  EXPECT_EQ(chosen.runs, 1);
  expectIdle();
}

// A notification nested in a notifier callback must neither take the outer dispatch's prepared
// messages nor throw them away.
TEST_F(Dispatching, NestedNotificationKeepsTheOuterNotifiersMessages)
{
  Notifier* innerHandle = nullptr;
  Notifier* secondHandle = nullptr;
  bool innerSawItsOwn = false;
  bool secondSawItsOwn = false;
  Probe inner([&] { innerSawItsOwn = currentNotify() && *currentNotify()->notifier() == *innerHandle; });
  Notifier calibration(ColorCalibrationChangedNotifierType, inner.callback());
  innerHandle = &calibration;
  dispatcher().registerNotifier(calibration);

  Probe first([&] { notify(kColorCalibration); });
  Probe second([&] { secondSawItsOwn = currentNotify() && *currentNotify()->notifier() == *secondHandle; });
  Notifier a(ArtSymbolSetChangedNotifierType, first.callback());
  Notifier b(ArtSymbolSetChangedNotifierType, second.callback());
  secondHandle = &b;
  dispatcher().registerNotifier(a);
  dispatcher().registerNotifier(b);
  notify(kSymbolSetChanged);
  EXPECT_EQ(first.runs, 1);
  EXPECT_EQ(inner.runs, 1);
  EXPECT_EQ(second.runs, 1);
  EXPECT_TRUE(innerSawItsOwn);
  EXPECT_TRUE(secondSawItsOwn);
  expectIdle();
}

} // namespace messagesTest_dispatch
