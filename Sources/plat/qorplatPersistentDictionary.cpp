#include "plat/qorplatPersistentDictionary.h"

#include "plat/qorplatPersistentArray.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace plat {

PersistentDictionary::PersistentDictionary(json::Node *adopted)
    : PersistentData(adopted, PersistentDataType::Dictionary) {}

PersistentDictionary::PersistentDictionary(json::Node *adopted, PersistentDataType kind)
    : PersistentData(adopted, kind) {}

PersistentDictionary::PersistentDictionary(const PersistentDataVector *values, const std::string &key)
    : PersistentData(json::Node::create(json::Object, key), PersistentDataType::Dictionary) {
    addAll(values);
}

void PersistentDictionary::addAll(const PersistentDataVector *values) {
    if (!values) return;
    for (PersistentData *v : *values) add(v);
}

bool PersistentDictionary::add(PersistentData *value) {
    return value && nodeRef() && value->nodeRef() && nodeRef()->addMember(value->nodeRef());
}

PersistentData *PersistentDictionary::member(const std::string &key) {
    return nodeRef() ? PersistentData::wrap(nodeRef()->member(key)) : nullptr;
}

PersistentData *PersistentDictionary::take(const std::string &key) {
    if (!nodeRef()) return nullptr;
    json::NodePtr stored(nodeRef()->member(key));
    if (!stored) return nullptr;
    PersistentData *value = member(key);
    // Removed even when it holds null and so gives no value.
    nodeRef()->removeMember(stored.get());
    return value;
}

PersistentArray *PersistentDictionary::getArray(const std::string &key) {
    return keep<PersistentArray>(member(key), PersistentDataType::Array);
}

PersistentArray *PersistentDictionary::getOrCreateArray(const std::string &key, const PersistentDataVector *values) {
    PersistentArray *found = getArray(key);
    return found ? found : stored<PersistentArray>(new PersistentArray(values, key));
}

PersistentBool *PersistentDictionary::getBool(const std::string &key) {
    return keep<PersistentBool>(member(key), PersistentDataType::Bool);
}

PersistentBool *PersistentDictionary::getOrCreateBool(const std::string &key, bool value) {
    PersistentBool *found = getBool(key);
    return found ? found : stored<PersistentBool>(new PersistentBool(value, key));
}

PersistentDictionary *PersistentDictionary::getDictionary(const std::string &key) {
    return keep<PersistentDictionary>(member(key), PersistentDataType::Dictionary);
}

PersistentDictionary *PersistentDictionary::getOrCreateDictionary(const std::string &key,
                                                                  const PersistentDataVector *values) {
    PersistentDictionary *found = getDictionary(key);
    return found ? found : stored<PersistentDictionary>(new PersistentDictionary(values, key));
}

PersistentNumber *PersistentDictionary::getNumber(const std::string &key) {
    return keep<PersistentNumber>(member(key), PersistentDataType::Number);
}

PersistentNumber *PersistentDictionary::getOrCreateNumber(const std::string &key, int64_t value) {
    PersistentNumber *found = getNumber(key);
    return found ? found : stored<PersistentNumber>(new PersistentNumber(value, key));
}

PersistentNumber *PersistentDictionary::getOrCreateNumber(const std::string &key, double value) {
    PersistentNumber *found = getNumber(key);
    return found ? found : stored<PersistentNumber>(new PersistentNumber(value, key));
}

PersistentString *PersistentDictionary::getString(const std::string &key) {
    return keep<PersistentString>(member(key), PersistentDataType::String);
}

PersistentString *PersistentDictionary::getOrCreateString(const std::string &key, const std::string &value) {
    PersistentString *found = getString(key);
    return found ? found : stored<PersistentString>(new PersistentString(value, key));
}

} // namespace plat
} // namespace qor
