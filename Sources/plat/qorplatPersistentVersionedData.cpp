#include "plat/qorplatPersistentVersionedData.h"

#include "plat/qorplatConstants.h"

namespace qor {
namespace plat {

PersistentVersionedData::PersistentVersionedData(json::Node *adopted, PersistentDataType kind)
    : PersistentDictionary(adopted, kind) {
    ensureInteger(versionNumberKey);
    if (nodeRef() && !json::NodePtr(nodeRef()->member(versionStringKey)))
        nodeRef()->addMember(json::NodePtr(json::Node::createString(versionStringKey, std::string())).get());
}

void PersistentVersionedData::ensureInteger(const std::string &key) {
    if (nodeRef() && !json::NodePtr(nodeRef()->member(key)))
        nodeRef()->addMember(json::NodePtr(json::Node::createInt64(key, 0)).get());
}

int32_t PersistentVersionedData::versionNumber() const {
    json::NodePtr n(nodeRef() ? nodeRef()->member(versionNumberKey) : nullptr);
    return n ? static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(n->int64Value()))) : 0;
}

bool PersistentVersionedData::setVersionNumber(int32_t number) {
    json::NodePtr n(nodeRef() ? nodeRef()->member(versionNumberKey) : nullptr);
    return n && n->setInt64(number);
}

std::string PersistentVersionedData::versionString() const {
    json::NodePtr n(nodeRef() ? nodeRef()->member(versionStringKey) : nullptr);
    return n ? n->valueAsString() : std::string();
}

bool PersistentVersionedData::setVersionString(const std::string &text) {
    json::NodePtr n(nodeRef() ? nodeRef()->member(versionStringKey) : nullptr);
    return n && n->setString(text);
}

} // namespace plat
} // namespace qor
