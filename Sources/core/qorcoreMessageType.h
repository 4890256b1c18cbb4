// The host (caller, selector) pairs the framework understands, as an enumeration, with the lookups
// in both directions. The rows live once in qorcoreMessageTypeList.h.
#pragma once

#include <cstdint>
#include <string>

namespace qor::core {

enum MessageType : int32_t
{
  NoMessageType = 0,
  CustomMessageType = -10,
#define QOR_MESSAGE_TYPE(value, stem, caller, selector) stem##MessageType = value,
#include "core/qorcoreMessageTypeList.h"
#undef QOR_MESSAGE_TYPE
};

// Forward lookup through the map kept in CoreGlobals (filled on first use). False, with `type`
// untouched, for an unknown pair or when the globals do not exist.
bool callerSelectorToMessageType(const char* caller, const char* selector, MessageType& type);

// Reverse lookup; assigns both strings and answers true for a table value, else leaves them.
bool messageTypeToCallerSelector(MessageType type, std::string& caller, std::string& selector);

// Fills a map of (caller, selector) -> type with every row, in table order. `Map` needs
// insert(key, value) with key std::pair<std::string, std::string>.
template <class Map> void fillMessageTypeMap(Map& map)
{
#define QOR_MESSAGE_TYPE(value, stem, caller, selector)                                                     \
  map.insert(std::pair<std::string, std::string>(caller, selector), stem##MessageType);
#include "core/qorcoreMessageTypeList.h"
#undef QOR_MESSAGE_TYPE
}

} // namespace qor::core
