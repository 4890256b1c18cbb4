#include "core/qorcoreMessageType.h"


namespace qor::core {


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
