// Client handle of one host menu item: every handle of an item shares one container, registered by
// the host item handle, which holds the item's cloned callback.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreBuiltinMenuGroup.h"

namespace qor::core {

class Callback;
class MenuGroup;

class __IntMenuItemData
{
public:
  virtual ~__IntMenuItemData();

  ::MenuItemHandle hostHandle = nullptr;
  Callback* callback = nullptr;
};

class __IntMenuItemContainer
{
public:
  virtual ~__IntMenuItemContainer();

  int32_t refCount = 1;
  ::MenuItemHandle hostHandle = nullptr;
  __IntMenuItemData* data = nullptr;
};

class MenuItem
{
public:
  MenuItem();
  MenuItem(const MenuItem& other);
  explicit MenuItem(::MenuItemHandle hostHandle);
  MenuItem(BuiltinMenuGroup group, const std::string& text, const Callback& callback);
  MenuItem(const MenuGroup& group, const std::string& text, const Callback& callback);

  virtual ~MenuItem();
  virtual void destroy();
  virtual MenuItem& operator=(const MenuItem& other);
  virtual bool operator==(const MenuItem& other) const;
  virtual bool operator!=(const MenuItem& other) const;
  virtual ::MenuItemHandle hostHandle() const;
  virtual bool isEmpty() const;
  virtual bool isSeparator() const;
  virtual MenuGroup* group() const;
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool isChecked() const;
  virtual void setChecked(bool checked);
  virtual std::string text() const;
  virtual void setText(const std::string& text);
  virtual Callback* callback() const;
  virtual void setCallback(const Callback& callback);

  __IntMenuItemContainer* data() const { return container; }

private:
  void create(const std::string& groupName, const std::string& text, const Callback& callback);
  void release();
  ::MenuItemHandle liveHandle() const;

  __IntMenuItemContainer* container = nullptr;
};

} // namespace qor::core
