#include "plat/qorplatPersistentArray.h"

#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentDictionary.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace plat {

PersistentArray::PersistentArray(json::Node *adopted) : PersistentData(adopted, PersistentDataType::Array) {}

PersistentArray::PersistentArray(const PersistentDataVector *values, const std::string &key)
    : PersistentData(json::Node::create(json::Array, key), PersistentDataType::Array) {
    if (values)
        for (PersistentData *v : *values)
            if (v && v->nodeRef()) nodeRef()->appendElement(v->nodeRef());
}

uint32_t PersistentArray::count() const { return nodeRef() ? nodeRef()->elementCount() : 0; }

PersistentData *PersistentArray::elementAt(uint32_t index) {
    return nodeRef() ? PersistentData::wrap(nodeRef()->elementAt(index)) : nullptr;
}

bool PersistentArray::append(PersistentData *value) {
    return value && nodeRef() && value->nodeRef() && nodeRef()->appendElement(value->nodeRef());
}

PersistentData *PersistentArray::removeLast() {
    uint32_t n = count();
    return n ? removeAt(n - 1) : nullptr;
}

bool PersistentArray::insertAt(uint32_t index, PersistentData *value) {
    // The element nodes stay in place (and stay the same objects); a Null element is kept too.
    return value && nodeRef() && value->nodeRef() && nodeRef()->insertElementAt(index, value->nodeRef());
}

PersistentData *PersistentArray::removeAt(uint32_t index) {
    if (index >= count()) return nullptr;
    PersistentData *value = elementAt(index);
    nodeRef()->removeElementAt(index);
    return value;
}

void PersistentArray::clear() {
    while (count() > 0) delete removeLast();
}

PersistentArray *PersistentArray::getArray(uint32_t index) {
    return keep<PersistentArray>(elementAt(index), PersistentDataType::Array);
}

PersistentArray *PersistentArray::getOrCreateArray(uint32_t index, const PersistentDataVector *values) {
    PersistentArray *found = getArray(index);
    return found ? found : inserted<PersistentArray>(index, new PersistentArray(values, std::string()));
}

PersistentBool *PersistentArray::getBool(uint32_t index) {
    return keep<PersistentBool>(elementAt(index), PersistentDataType::Bool);
}

PersistentBool *PersistentArray::getOrCreateBool(uint32_t index, bool value) {
    PersistentBool *found = getBool(index);
    return found ? found : inserted<PersistentBool>(index, new PersistentBool(value, std::string()));
}

PersistentDictionary *PersistentArray::getDictionary(uint32_t index) {
    return keep<PersistentDictionary>(elementAt(index), PersistentDataType::Dictionary);
}

PersistentDictionary *PersistentArray::getOrCreateDictionary(uint32_t index, const PersistentDataVector *values) {
    PersistentDictionary *found = getDictionary(index);
    return found ? found : inserted<PersistentDictionary>(index, new PersistentDictionary(values, std::string()));
}

PersistentNumber *PersistentArray::getNumber(uint32_t index) {
    return keep<PersistentNumber>(elementAt(index), PersistentDataType::Number);
}

PersistentNumber *PersistentArray::getOrCreateNumber(uint32_t index, int64_t value) {
    PersistentNumber *found = getNumber(index);
    return found ? found : inserted<PersistentNumber>(index, new PersistentNumber(value, std::string()));
}

PersistentNumber *PersistentArray::getOrCreateNumber(uint32_t index, double value) {
    PersistentNumber *found = getNumber(index);
    return found ? found : inserted<PersistentNumber>(index, new PersistentNumber(value, std::string()));
}

PersistentString *PersistentArray::getString(uint32_t index) {
    return keep<PersistentString>(elementAt(index), PersistentDataType::String);
}

PersistentString *PersistentArray::getOrCreateString(uint32_t index, const std::string &value) {
    PersistentString *found = getString(index);
    return found ? found : inserted<PersistentString>(index, new PersistentString(value, std::string()));
}

} // namespace plat
} // namespace qor
