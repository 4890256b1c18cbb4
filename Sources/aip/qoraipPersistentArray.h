// A persistent array whose elements are recognised like the members of a host-aware dictionary.
#pragma once

#include "plat/qorplatPersistentArray.h"

namespace qor {
namespace aip {

class PersistentArray : public plat::PersistentArray {
public:
    explicit PersistentArray(json::Node *adopted);
    PersistentArray(const plat::PersistentDataVector *values, const std::string &key);

    plat::PersistentData *elementAt(uint32_t index) override;
    plat::PersistentArray *getArray(uint32_t index) override;
    plat::PersistentArray *getOrCreateArray(uint32_t index, const plat::PersistentDataVector *values) override;
    virtual plat::PersistentDictionary *getHostDictionary(uint32_t index);
    virtual plat::PersistentDictionary *getOrCreateHostDictionary(uint32_t index,
                                                                  const plat::PersistentDataVector *values);
};

} // namespace aip
} // namespace qor
