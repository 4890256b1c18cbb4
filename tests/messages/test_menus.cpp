// Menu items and menu groups against the simulated host's menus.
#include "MessagesFixture.h"
#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMenuItem.h"
#include "hostsimMenuItems.h"
#include "hostsimMenus.h"

namespace messagesTest_menus {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

class Menus : public PluginFixture
{
protected:
  hostsim::Menus& host() { return app->area<hostsim::Menus>(); }
  const hostsim::Menus::Item* hostItem(MenuItemHandle handle) { return host().findItem(handle); }
};

TEST_F(Menus, ItemsInBuiltinGroups)
{
  Probe probe;
  MenuItem item(ToolPalettesBuiltinMenuGroup, "Probe", probe.callback());
  ASSERT_FALSE(item.isEmpty());
  const auto* host = hostItem(item.hostHandle());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->keyboardName, "Tool Palettes Probe");
  EXPECT_EQ(host->text, "Probe");
  EXPECT_EQ(host->options, 1);
  EXPECT_EQ(item.text(), "Probe");
  item.setText("Renamed \xE2\x9C\x93");
  EXPECT_EQ(item.text(), "Renamed \xE2\x9C\x93");
  item.setChecked(true);
  EXPECT_TRUE(item.isChecked());
  item.setEnabled(false);
  EXPECT_FALSE(item.isEnabled());
  EXPECT_FALSE(item.isSeparator());
  std::unique_ptr<MenuGroup> group(item.group());
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->hostHandle(), this->host().findGroup(std::string("Tool Palettes"))->handle);

  MenuItem separator(ToolPalettesBuiltinMenuGroup, "-", probe.callback());
  EXPECT_TRUE(separator.isSeparator());
  MenuItem dashes(ToolPalettesBuiltinMenuGroup, "--", probe.callback());
  EXPECT_FALSE(dashes.isSeparator());

  MenuItem nowhere(static_cast<BuiltinMenuGroup>(880), "X", probe.callback());
  EXPECT_TRUE(nowhere.isEmpty());
  EXPECT_EQ(nowhere.callback(), nullptr);
  // The host keeps one item per keyboard name.
  MenuItem twice(ToolPalettesBuiltinMenuGroup, "Probe", probe.callback());
  EXPECT_TRUE(twice.isEmpty());
}

TEST_F(Menus, HandlesOfOneItemShareItsRecord)
{
  Probe first, second;
  MenuItem item(ObjectsPathsPopupBuiltinMenuGroup, "Shared", first.callback());
  {
    MenuItem again(item.hostHandle());
    EXPECT_TRUE(again == item);
    again.setCallback(second.callback());
    // The argument may be the stored callback itself.
    again.setCallback(*again.callback());
  }
  app->area<hostsim::MenuItems>().choose(item.hostHandle());
  EXPECT_EQ(first.runs, 0);
  EXPECT_EQ(second.runs, 1);

  // A handle of an item the plug-in never made is registered only while it lives.
  MenuItemHandle stranger = reinterpret_cast<MenuItemHandle>(0x30);
  {
    MenuItem wrapped(stranger);
    EXPECT_TRUE(globals().menuItemRegistry.contains(stranger));
    EXPECT_EQ(wrapped.callback(), nullptr);
  }
  EXPECT_FALSE(globals().menuItemRegistry.contains(stranger));
}

TEST_F(Menus, DestroyRemovesTheHostItem)
{
  Probe probe;
  MenuItem item(ObjectsPathsPopupBuiltinMenuGroup, "Gone", probe.callback());
  MenuItem other(ObjectsPathsPopupBuiltinMenuGroup, "Also Gone", probe.callback());
  MenuItemHandle handle = item.hostHandle();
  item.destroy();
  other.destroy();
  EXPECT_EQ(hostItem(handle), nullptr);
  EXPECT_TRUE(item.isEmpty());
  EXPECT_EQ(item.hostHandle(), nullptr);
  EXPECT_EQ(item.callback(), nullptr);
  EXPECT_TRUE(item == other);
  // Dropping the last handle leaves the host item alone.
  MenuItemHandle kept;
  {
    MenuItem temporary(ObjectsPathsPopupBuiltinMenuGroup, "Kept", probe.callback());
    kept = temporary.hostHandle();
  }
  EXPECT_NE(hostItem(kept), nullptr);
}

TEST_F(Menus, SubmenuUnderABuiltinGroup)
{
  MenuGroup group(AboutBuiltinMenuGroup, "About Probe Plugins", true, false, false, false);
  ASSERT_FALSE(group.isEmpty());
  EXPECT_FALSE(group.hasNoHeaderItem());
  const auto* hostGroup = host().findGroup(group.hostHandle());
  ASSERT_NE(hostGroup, nullptr);
  EXPECT_EQ(hostGroup->name, "About About Probe Plugins");
  EXPECT_EQ(hostGroup->options, 1);
  EXPECT_EQ(hostItem(group.headerItem())->keyboardName, "About About Probe Plugins");
  EXPECT_EQ(group.text(), "About Probe Plugins");
  group.setEnabled(false);
  EXPECT_FALSE(group.isEnabled());
  std::unique_ptr<MenuGroup> parent(group.parentGroup());
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(parent->hostHandle(), host().findGroup(std::string("About"))->handle);

  Probe probe;
  MenuItem item(group, "Probe...", probe.callback());
  ASSERT_FALSE(item.isEmpty());
  EXPECT_EQ(hostItem(item.hostHandle())->keyboardName, "About About Probe Plugins Probe...");
  app->area<hostsim::MenuItems>().choose(item.hostHandle());
  EXPECT_EQ(probe.runs, 1);

  // Wrapping the host group again shares the record and its header.
  MenuGroup wrapped(group.hostHandle(), nullptr);
  EXPECT_EQ(wrapped.headerItem(), group.headerItem());
  MenuGroup second;
  second = group;
  EXPECT_TRUE(second == group);

  group.setOptionBit0(false);
  EXPECT_FALSE(group.optionBit0());
  group.setOptionBit0(true);
  group.setOptionBit0(true);
  EXPECT_TRUE(group.optionBit0());
}

TEST_F(Menus, ItemsOfAGroupInHostOrder)
{
  MenuGroup group(ObjectsPathsPopupBuiltinMenuGroup, "Tools", false, false, false, false);
  Probe probe;
  MenuItem one(group, "One", probe.callback());
  MenuGroup inner;
  {
    // A submenu inside the group: its header item lives in the group.
    MenuItem header(group, "Inner", probe.callback());
    MenuGroupHandle innerGroup = nullptr;
    const MenuSuite* suite = qor::aip::msgMenuSuite();
    ASSERT_EQ(suite->addMenuGroupAsSubmenu(hostItem(header.hostHandle())->keyboardName.c_str(), 0,
                                           header.hostHandle(), &innerGroup),
              0);
  }
  MenuItem two(group, "Two", probe.callback());
  std::vector<MenuGroupEntry*> entries = group.items();
  ASSERT_EQ(entries.size(), 3u);
  ASSERT_NE(entries[0]->item, nullptr);
  EXPECT_EQ(entries[0]->item->text(), "One");
  ASSERT_NE(entries[1]->group, nullptr);
  EXPECT_EQ(entries[1]->item, nullptr);
  EXPECT_EQ(entries[1]->group->text(), "Inner");
  ASSERT_NE(entries[2]->item, nullptr);
  EXPECT_EQ(entries[2]->item->text(), "Two");
  for (MenuGroupEntry* entry : entries)
    delete entry;
}

TEST_F(Menus, PlainGroupsAndAssignment)
{
  MenuGroup plain(ObjectsPathsPopupBuiltinMenuGroup, "Plain", true, true, true, false);
  ASSERT_FALSE(plain.isEmpty());
  EXPECT_TRUE(plain.hasNoHeaderItem());
  EXPECT_EQ(host().findGroup(plain.hostHandle())->options, 16 + 4 + 1);
  EXPECT_EQ(plain.text(), "");
  EXPECT_FALSE(plain.isEnabled());
  MenuGroup other(ObjectsPathsPopupBuiltinMenuGroup, "Other", false, true, false, true);
  // Two plain groups without header items compare equal, yet assignment still shares.
  EXPECT_TRUE(plain == other);
  MenuGroup target;
  target = other;
  target = plain;
  EXPECT_EQ(target.hostHandle(), plain.hostHandle());
  MenuGroup empty;
  empty.destroy();
  EXPECT_TRUE(empty.isEmpty());
  MenuGroup none(static_cast<BuiltinMenuGroup>(0), "X", false, true, false, false);
  EXPECT_TRUE(none.isEmpty());
}

} // namespace messagesTest_menus
