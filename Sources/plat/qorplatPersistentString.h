// A persistent JSON string.
#pragma once

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {

class PersistentString : public PersistentData {
public:
    PersistentString(const std::string &value, const std::string &key);
    explicit PersistentString(json::Node *adopted);

    virtual std::string value() const;
    virtual bool setValue(const std::string &value);
};

} // namespace plat
} // namespace qor
