#include "core/qorcoreNotification.h"

#include "hostapi/MessageRecords.h"

namespace qor::core {

Notification::~Notification() { delete data; }

NotifierType Notification::type() const { return data && data->valid ? data->type : NoNotifierType; }

ArtSymbolSetChangedNotification::ArtSymbolSetChangedNotification(NotifierType type, const void* notifyData)
{
  auto* record = new __IntSymChgNotifData(type);
  data = record;
  if (type != ArtSymbolSetChangedNotifierType || !notifyData)
    return;
  const auto* host = static_cast<const SymbolSetChangedNotifyData*>(notifyData);
  for (uint32_t i = 0; i < host->count; ++i) {
    record->firstList.push_back(host->firstList[i]);
    record->secondList.push_back(host->secondList[i]);
  }
  record->valid = true;
}

ArtSymbolSetChangedNotification::~ArtSymbolSetChangedNotification() = default;

const std::vector<uint32_t>& ArtSymbolSetChangedNotification::firstList() const
{
  return static_cast<const __IntSymChgNotifData*>(data)->firstList;
}

const std::vector<uint32_t>& ArtSymbolSetChangedNotification::secondList() const
{
  return static_cast<const __IntSymChgNotifData*>(data)->secondList;
}

} // namespace qor::core
