#include "core/qorcoreNotifierType.h"


namespace qor::core {


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
