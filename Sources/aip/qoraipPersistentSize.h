// A size stored as an object with the members "__w" (width) and "__h" (height).
#pragma once

#include "aip/qoraipSize.h"
#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class PersistentSize : public PersistentFields {
public:
    explicit PersistentSize(json::Node *adopted);
    PersistentSize(const Size &value, const std::string &key);

    virtual Size value() const;
    // True when both members were written into the stored object.
    virtual bool setValue(const Size &value);
};

} // namespace aip
} // namespace qor
