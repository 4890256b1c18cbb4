#include "core/qorcoreMessageType.h"

#include "core/qorcoreMsgEnv.h"

namespace qor::core {

bool callerSelectorToMessageType(const char* caller, const char* selector, MessageType& type)
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !caller || !selector)
    return false;
  if (!globals->messageTypesBuilt) {
    globals->messageTypesBuilt = true;
    fillMessageTypeMap(globals->messageTypes);
  }
  return globals->messageTypes.get(std::pair<std::string, std::string>(caller, selector), type);
}

bool messageTypeToCallerSelector(MessageType type, std::string& caller, std::string& selector)
{
  switch (type) {
#define QOR_MESSAGE_TYPE(value, stem, callerText, selectorText)                                             \
  case stem##MessageType:                                                                                    \
    caller = callerText;                                                                                     \
    selector = selectorText;                                                                                 \
    return true;
#include "core/qorcoreMessageTypeList.h"
#undef QOR_MESSAGE_TYPE
  default:
    return false;
  }
}

} // namespace qor::core
