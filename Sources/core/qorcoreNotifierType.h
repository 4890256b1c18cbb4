// The host notifiers the framework names, plus four artboard kinds the framework raises itself
// (no host name). The rows live once in qorcoreNotifierTypeList.h.
#pragma once

#include <cstdint>
#include <string>

namespace qor::core {

enum NotifierType : int32_t
{
  NoNotifierType = 0,
  ArtboardsAddedNotifierType = 184,
  ArtboardsRemovedNotifierType = 185,
  ArtboardsChangedNotifierType = 186,
  CurrentArtboardChangedNotifierType = 187,
#define QOR_NOTIFIER_TYPE(value, stem, name) stem##NotifierType = value,
#include "core/qorcoreNotifierTypeList.h"
#undef QOR_NOTIFIER_TYPE
};

// Forward lookup through the map kept in CoreGlobals (filled on first use); 0 for an unknown name or
// when the globals do not exist.
NotifierType notifierNameToType(const char* name);

// Reverse lookup; the empty string for a value without a host name.
std::string notifierTypeToName(NotifierType type);

// Fills a map of host name -> type with every row. `Map` needs insert(key, value), key std::string.
template <class Map> void fillNotifierTypeMap(Map& map)
{
#define QOR_NOTIFIER_TYPE(value, stem, name) map.insert(std::string(name), stem##NotifierType);
#include "core/qorcoreNotifierTypeList.h"
#undef QOR_NOTIFIER_TYPE
}

} // namespace qor::core
