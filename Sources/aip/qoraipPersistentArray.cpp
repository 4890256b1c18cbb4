#include "aip/qoraipPersistentArray.h"

#include "aip/qoraipPersistentDictionary.h"

namespace qor {
namespace aip {

PersistentArray::PersistentArray(json::Node *adopted) : plat::PersistentArray(adopted) {}

PersistentArray::PersistentArray(const plat::PersistentDataVector *values, const std::string &key)
    : plat::PersistentArray(values, key) {}

plat::PersistentData *PersistentArray::elementAt(uint32_t index) {
    return nodeRef() ? PersistentDictionary::wrapHostAware(nodeRef()->elementAt(index)) : nullptr;
}

plat::PersistentArray *PersistentArray::getArray(uint32_t index) {
    return keep<PersistentArray>(elementAt(index), plat::PersistentDataType::Array);
}

plat::PersistentArray *PersistentArray::getOrCreateArray(uint32_t index, const plat::PersistentDataVector *values) {
    plat::PersistentArray *found = getArray(index);
    return found ? found : inserted<PersistentArray>(index, new PersistentArray(values, std::string()));
}

plat::PersistentDictionary *PersistentArray::getHostDictionary(uint32_t index) {
    return keep<PersistentDictionary>(elementAt(index), plat::PersistentDataType::Dictionary);
}

plat::PersistentDictionary *PersistentArray::getOrCreateHostDictionary(uint32_t index,
                                                                       const plat::PersistentDataVector *values) {
    plat::PersistentDictionary *found = getHostDictionary(index);
    return found ? found : inserted<PersistentDictionary>(index, new PersistentDictionary(values, std::string()));
}

} // namespace aip
} // namespace qor
