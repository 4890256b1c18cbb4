// An artboard point stored as an object with the members "__abx" and "__aby".
#pragma once

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class PersistentArtboardPoint : public PersistentFields {
public:
    explicit PersistentArtboardPoint(json::Node *adopted);
    PersistentArtboardPoint(const ArtboardPoint &value, const std::string &key);

    virtual ArtboardPoint value() const;
    // True when both members were written into the stored object.
    virtual bool setValue(const ArtboardPoint &value);
};

} // namespace aip
} // namespace qor
