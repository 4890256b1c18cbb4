#include "hostsimFlyouts.h"

#include "hostapi/PanelFlyoutMenuSuite.h"
#include "hostsimUnicodeStrings.h"

namespace hostsim {

Flyouts::Item* Flyouts::Menu::item(int32_t id)
{
  for (Item& entry : items)
    if (entry.id == id)
      return &entry;
  return nullptr;
}

FlyoutMenuRef Flyouts::create()
{
  FlyoutMenuRef handle = app_.mintHandle<FlyoutMenuRef>();
  menus_.add(handle, Menu());
  return handle;
}

namespace hostsimFlyouts_detail {

Flyouts& flyouts()
{
  return HostApp::instance().area<Flyouts>();
}

// A new item; ids are unique within a menu.
HostErr append(FlyoutMenuRef menu, int32_t itemId, const std::string& text, bool separator)
{
  Flyouts::Menu* found = flyouts().find(menu);
  if (!found || itemId < 1 || found->item(itemId))
    return kHostErrBadParameter;
  Flyouts::Item item;
  item.id = itemId;
  item.text = text;
  item.separator = separator;
  found->items.push_back(item);
  return kHostNoErr;
}

// The live item of a menu, or null.
Flyouts::Item* itemOf(FlyoutMenuRef menu, int32_t itemId)
{
  Flyouts::Menu* found = flyouts().find(menu);
  return found ? found->item(itemId) : nullptr;
}

HostErr createFlyoutMenu(FlyoutMenuRef* outMenu)
{
  if (!outMenu)
    return kHostErrBadParameter;
  *outMenu = flyouts().create();
  return kHostNoErr;
}

HostErr destroyFlyoutMenu(FlyoutMenuRef menu)
{
  return flyouts().destroy(menu) ? kHostNoErr : kHostErrBadParameter;
}

HostErr appendFlyoutItem(FlyoutMenuRef menu, int32_t itemId, HostString text)
{
  return append(menu, itemId, HostApp::instance().area<UnicodeStrings>().utf8(text), false);
}

HostErr appendFlyoutSeparator(FlyoutMenuRef menu, int32_t itemId)
{
  return append(menu, itemId, "-", true);
}

HostErr removeFlyoutItem(FlyoutMenuRef menu, int32_t itemId)
{
  Flyouts::Menu* found = flyouts().find(menu);
  if (!found)
    return kHostErrBadParameter;
  for (auto it = found->items.begin(); it != found->items.end(); ++it) {
    if (it->id == itemId) {
      found->items.erase(it);
      return kHostNoErr;
    }
  }
  return kHostErrNotFound;
}

HostErr setFlyoutItemEnabled(FlyoutMenuRef menu, int32_t itemId, bool8 enabled)
{
  Flyouts::Item* item = itemOf(menu, itemId);
  if (!item)
    return kHostErrBadParameter;
  item->enabled = enabled != 0;
  return kHostNoErr;
}

HostErr setFlyoutItemMark(FlyoutMenuRef menu, int32_t itemId, int32_t mark)
{
  Flyouts::Item* item = itemOf(menu, itemId);
  if (!item || item->separator)
    return kHostErrBadParameter;
  item->mark = mark;
  return kHostNoErr;
}

HostErr getFlyoutItemMark(FlyoutMenuRef menu, int32_t itemId, int32_t* outMark)
{
  Flyouts::Item* item = itemOf(menu, itemId);
  if (!item || !outMark)
    return kHostErrBadParameter;
  *outMark = item->mark;
  return kHostNoErr;
}

// Every existing position answers 0.
HostErr queryFlyoutItemAtPosition(FlyoutMenuRef menu, int32_t zeroBasedPosition, int32_t* outValue)
{
  Flyouts::Menu* found = flyouts().find(menu);
  if (!found || !outValue || zeroBasedPosition < 0 || size_t(zeroBasedPosition) >= found->items.size())
    return kHostErrBadParameter;
  *outValue = 0;
  return kHostNoErr;
}

void install(HostApp& app)
{
  auto& suite = app.publishSuite<PanelFlyoutMenuSuite>(kPanelFlyoutMenuSuiteName, kPanelFlyoutMenuSuiteVersion);
  suite.createFlyoutMenu = &createFlyoutMenu;
  suite.destroyFlyoutMenu = &destroyFlyoutMenu;
  suite.appendFlyoutItem = &appendFlyoutItem;
  suite.appendFlyoutSeparator = &appendFlyoutSeparator;
  suite.removeFlyoutItem = &removeFlyoutItem;
  suite.setFlyoutItemEnabled = &setFlyoutItemEnabled;
  suite.setFlyoutItemMark = &setFlyoutItemMark;
  suite.getFlyoutItemMark = &getFlyoutItemMark;
  suite.queryFlyoutItemAtPosition = &queryFlyoutItemAtPosition;
}

const AreaInstaller installer(320, &install);

} // namespace hostsimFlyouts_detail

} // namespace hostsim
