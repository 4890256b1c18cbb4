#include "plat/qorplatPersistentBool.h"

namespace qor {
namespace plat {

PersistentBool::PersistentBool(bool value, const std::string &key)
    : PersistentData(json::Node::createBool(key, value), PersistentDataType::Bool) {}

PersistentBool::PersistentBool(json::Node *adopted) : PersistentData(adopted, PersistentDataType::Bool) {}

bool PersistentBool::value() const { return nodeRef() && nodeRef()->boolValue(); }

bool PersistentBool::setValue(bool value) { return nodeRef() && nodeRef()->setBool(value); }

} // namespace plat
} // namespace qor
