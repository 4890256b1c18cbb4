#include "core/qorcoreNotifierType.h"

#include "core/qorcoreMsgEnv.h"

namespace qor::core {

NotifierType notifierNameToType(const char* name)
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !name)
    return NoNotifierType;
  if (!globals->notifierTypesBuilt) {
    globals->notifierTypesBuilt = true;
    fillNotifierTypeMap(globals->notifierTypes);
  }
  NotifierType type = NoNotifierType;
  globals->notifierTypes.get(std::string(name), type);
  return type;
}

std::string notifierTypeToName(NotifierType type)
{
  switch (type) {
#define QOR_NOTIFIER_TYPE(value, stem, name)                                                                \
  case stem##NotifierType:                                                                                   \
    return name;
#include "core/qorcoreNotifierTypeList.h"
#undef QOR_NOTIFIER_TYPE
  default:
    return std::string();
  }
}

} // namespace qor::core
