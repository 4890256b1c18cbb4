// A persistent object with a version number ("__vn") and a version string ("__vs") beside its members.
#pragma once

#include "plat/qorplatPersistentDictionary.h"

namespace qor {
namespace plat {

class PersistentVersionedData : public PersistentDictionary {
public:
    // Adopts the node and adds the two members when they are missing.
    PersistentVersionedData(json::Node *adopted, PersistentDataType kind);

    virtual int32_t versionNumber() const;
    virtual bool setVersionNumber(int32_t number);
    virtual std::string versionString() const;
    virtual bool setVersionString(const std::string &text);

protected:
    // Adds an integer member 0 under key when there is no member of that name.
    void ensureInteger(const std::string &key);
};

} // namespace plat
} // namespace qor
