// A transform matrix stored as an object with the six real members "__a", "__b", "__c", "__d", "__tx"
// and "__ty" (the identity by default).
#pragma once

#include "aip/qoraipPersistentFields.h"
#include "aip/qoraipTransformMatrix.h"

namespace qor {
namespace aip {

class PersistentMatrix : public PersistentFields {
public:
    explicit PersistentMatrix(json::Node *adopted);
    PersistentMatrix(const TransformMatrix &value, const std::string &key);

    virtual TransformMatrix value() const;
    virtual bool setValue(const TransformMatrix &value);
};

} // namespace aip
} // namespace qor
