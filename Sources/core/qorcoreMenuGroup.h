// Client handle of one host menu group (a submenu under a header item, or a plain group). Handles of
// one group share a container registered by the host group handle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreBuiltinMenuGroup.h"

namespace qor::core {

class MenuItem;
class MenuGroup;

class __IntMenuGroupData
{
public:
  virtual ~__IntMenuGroupData();

  ::MenuGroupHandle groupHandle = nullptr;
  ::MenuItemHandle headerItem = nullptr;
};

class __IntMenuGroupContainer
{
public:
  virtual ~__IntMenuGroupContainer();

  int32_t refCount = 1;
  ::MenuGroupHandle hostHandle = nullptr;
  __IntMenuGroupData* data = nullptr;
};

// One element of MenuGroup::items(): exactly one of the two is set; the entry owns it.
class MenuGroupEntry
{
public:
  MenuGroupEntry() = default;
  MenuGroupEntry(const MenuGroupEntry&) = delete;
  MenuGroupEntry& operator=(const MenuGroupEntry&) = delete;
  virtual ~MenuGroupEntry();

  MenuGroup* group = nullptr;
  MenuItem* item = nullptr;
};

class MenuGroup
{
public:
  MenuGroup();
  // Wraps a host group; a null header item asks the host for the item whose keyboard name is the
  // group's name.
  MenuGroup(::MenuGroupHandle groupHandle, ::MenuItemHandle headerItem);
  MenuGroup(BuiltinMenuGroup parent, const std::string& text, bool option1, bool plain, bool option4,
            bool option2);
  MenuGroup(const MenuGroup&) = delete;

  virtual ~MenuGroup();
  virtual void destroy();
  virtual MenuGroup& operator=(const MenuGroup& other);
  virtual bool operator==(const MenuGroup& other) const;
  virtual bool operator!=(const MenuGroup& other) const;
  virtual ::MenuGroupHandle hostHandle() const;
  virtual ::MenuItemHandle headerItem() const;
  virtual bool isEmpty() const;
  virtual bool hasNoHeaderItem() const;
  virtual MenuGroup* parentGroup() const;
  virtual std::vector<MenuGroupEntry*> items() const;
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual std::string text() const;
  virtual void setText(const std::string& text);
  virtual bool optionBit0() const;
  virtual void setOptionBit0(bool set);

  __IntMenuGroupContainer* data() const { return container; }

private:
  void attach(__IntMenuGroupData* data);
  void release();
  ::MenuItemHandle header() const;

  __IntMenuGroupContainer* container = nullptr;
};

} // namespace qor::core
