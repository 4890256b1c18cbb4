#include "plat/qorplatPersistentData.h"

#include "plat/qorplatPersistentArray.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentDictionary.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace plat {

PersistentData::~PersistentData() { json::Node::release(node_); }

PersistentDataType PersistentData::kind() const { return kind_; }

std::string PersistentData::key() const { return node_ ? node_->name() : std::string(); }

void PersistentData::setKey(const std::string &key) {
    if (node_) node_->setName(key);
}

json::NodePtr PersistentData::node() const { return json::NodePtr(json::Node::retain(node_)); }

PersistentData *PersistentData::wrap(json::Node *adopted) {
    if (!adopted) return nullptr;
    switch (adopted->type()) {
    case json::Bool: return new PersistentBool(adopted);
    case json::Number: return new PersistentNumber(adopted);
    case json::String: return new PersistentString(adopted);
    case json::Array: return new PersistentArray(adopted);
    case json::Object: return new PersistentDictionary(adopted);
    default: json::Node::release(adopted); return nullptr;
    }
}

} // namespace plat
} // namespace qor
