#include "plat/qorplatPersistentString.h"

namespace qor {
namespace plat {

PersistentString::PersistentString(const std::string &value, const std::string &key)
    : PersistentData(json::Node::createString(key, value), PersistentDataType::String) {}

PersistentString::PersistentString(json::Node *adopted) : PersistentData(adopted, PersistentDataType::String) {}

std::string PersistentString::value() const { return nodeRef() ? nodeRef()->valueAsString() : std::string(); }

bool PersistentString::setValue(const std::string &value) { return nodeRef() && nodeRef()->setString(value); }

} // namespace plat
} // namespace qor
