// A point stored as an object with the members "__x" and "__y".
#pragma once

#include "aip/qoraipPoint.h"
#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class PersistentPoint : public PersistentFields {
public:
    explicit PersistentPoint(json::Node *adopted);
    PersistentPoint(const Point &value, const std::string &key);

    virtual Point value() const;
    // True when both members were written into the stored object.
    virtual bool setValue(const Point &value);
};

} // namespace aip
} // namespace qor
