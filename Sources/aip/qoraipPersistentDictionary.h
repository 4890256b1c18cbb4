// A persistent dictionary whose member lookup recognises the host-value encodings: arrays become
// host-aware arrays and objects are told apart from stored points, rectangles, colours and fonts.
#pragma once

#include "plat/qorplatPersistentDictionary.h"

namespace qor {
namespace aip {

class PersistentArray;

class PersistentDictionary : public plat::PersistentDictionary {
public:
    explicit PersistentDictionary(json::Node *adopted);
    PersistentDictionary(const plat::PersistentDataVector *values, const std::string &key);

    plat::PersistentData *member(const std::string &key) override;
    plat::PersistentDictionary *getDictionary(const std::string &key) override;
    plat::PersistentDictionary *getOrCreateDictionary(const std::string &key,
                                                      const plat::PersistentDataVector *values) override;
    virtual PersistentArray *getHostArray(const std::string &key);
    virtual PersistentArray *getOrCreateHostArray(const std::string &key, const plat::PersistentDataVector *values);

    // The host-aware wrapping of a node (adopted): Array and Object as above, the rest as plain values.
    // A stored host value whose class this build lacks gives no value, so it is never taken for a
    // plain dictionary and overwritten.
    static plat::PersistentData *wrapHostAware(json::Node *adopted);
};

} // namespace aip
} // namespace qor
