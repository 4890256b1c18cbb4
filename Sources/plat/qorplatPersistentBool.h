// A persistent JSON boolean.
#pragma once

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {

class PersistentBool : public PersistentData {
public:
    PersistentBool(bool value, const std::string &key);
    explicit PersistentBool(json::Node *adopted);

    virtual bool value() const;
    virtual bool setValue(bool value);
};

} // namespace plat
} // namespace qor
