// The object form of the data a host notifier passes along; the symbol-set notifier is the one kind.
#pragma once

#include <cstdint>
#include <vector>

#include "core/qorcoreNotifierType.h"

namespace qor::core {

class __IntNotifData
{
public:
  explicit __IntNotifData(NotifierType type) : type(type) {}
  virtual ~__IntNotifData() = default;

  bool valid = false;
  NotifierType type = NoNotifierType;
};

class Notification
{
public:
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  virtual ~Notification();
  virtual NotifierType type() const;

protected:
  Notification() = default;
  __IntNotifData* data = nullptr;
};

class __IntSymChgNotifData : public __IntNotifData
{
public:
  using __IntNotifData::__IntNotifData;

  std::vector<uint32_t> firstList;
  std::vector<uint32_t> secondList;
};

class ArtSymbolSetChangedNotification : public Notification
{
public:
  ArtSymbolSetChangedNotification(NotifierType type, const void* notifyData);
  ~ArtSymbolSetChangedNotification() override;

  const std::vector<uint32_t>& firstList() const;
  const std::vector<uint32_t>& secondList() const;
};

} // namespace qor::core
