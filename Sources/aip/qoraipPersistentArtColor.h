// The paint of artwork stored as an object: four colour values "__c1" to "__c4", the colour type
// "__type", and for spot colours their flags, name, tint and model ("__custom..."). Patterns and
// gradients keep only their type, so they read back as no colour.
#pragma once

#include "aip/qoraipArtColor.h"
#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class PersistentArtColor : public PersistentFields {
public:
    // "__type" codes of this encoding beyond the host colour kinds.
    static constexpr int64_t labType = 64217;
    static constexpr int64_t hsbType = 64231;

    // Wrapping a stored spot colour makes that spot colour again in the host's current document.
    explicit PersistentArtColor(json::Node *adopted);
    PersistentArtColor(const ArtColor &value, const std::string &key);

    virtual ArtColor value() const;
    // True when every member was written into the stored object.
    virtual bool setValue(const ArtColor &value);

private:
    void refresh();
    ArtColor cached_;
};

} // namespace aip
} // namespace qor
