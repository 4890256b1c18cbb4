#include "aip/qoraipPersistentDictionary.h"

#include "aip/qoraipHostValueTests.h"
#include "aip/qoraipPersistentArray.h"

namespace qor {
namespace aip {

PersistentDictionary::PersistentDictionary(json::Node *adopted) : plat::PersistentDictionary(adopted) {}

PersistentDictionary::PersistentDictionary(const plat::PersistentDataVector *values, const std::string &key)
    : plat::PersistentDictionary(json::Node::create(json::Object, key)) {
    addAll(values);
}

plat::PersistentData *PersistentDictionary::wrapHostAware(json::Node *adopted) {
    if (!adopted) return nullptr;
    if (adopted->type() == json::Array) return new PersistentArray(adopted);
    if (adopted->type() == json::Object) {
        if (isHostValueObject(adopted)) {
            json::Node::release(adopted);
            return nullptr;
        }
        return new PersistentDictionary(adopted);
    }
    return plat::PersistentData::wrap(adopted);
}

plat::PersistentData *PersistentDictionary::member(const std::string &key) {
    return nodeRef() ? wrapHostAware(nodeRef()->member(key)) : nullptr;
}

plat::PersistentDictionary *PersistentDictionary::getDictionary(const std::string &key) {
    return keep<PersistentDictionary>(member(key), plat::PersistentDataType::Dictionary);
}

plat::PersistentDictionary *PersistentDictionary::getOrCreateDictionary(const std::string &key,
                                                                        const plat::PersistentDataVector *values) {
    plat::PersistentDictionary *found = getDictionary(key);
    return found ? found : stored<PersistentDictionary>(new PersistentDictionary(values, key));
}

PersistentArray *PersistentDictionary::getHostArray(const std::string &key) {
    return keep<PersistentArray>(member(key), plat::PersistentDataType::Array);
}

PersistentArray *PersistentDictionary::getOrCreateHostArray(const std::string &key,
                                                            const plat::PersistentDataVector *values) {
    PersistentArray *found = getHostArray(key);
    return found ? found : stored<PersistentArray>(new PersistentArray(values, key));
}

} // namespace aip
} // namespace qor
