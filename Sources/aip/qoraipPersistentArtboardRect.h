// An artboard rectangle stored as an object whose "__aborigin" is a stored artboard point and
// "__absize" a stored size.
#pragma once

#include <memory>

#include "aip/qoraipArtboardRect.h"
#include "plat/qorplatPersistentData.h"

namespace qor {
namespace aip {

class PersistentDictionary;
class PersistentArtboardPoint;
class PersistentSize;

class PersistentArtboardRect : public plat::PersistentData {
public:
    explicit PersistentArtboardRect(json::Node *adopted);
    PersistentArtboardRect(const ArtboardRect &value, const std::string &key);
    ~PersistentArtboardRect() override;

    virtual ArtboardRect value() const;
    virtual bool setValue(const ArtboardRect &value);

private:
    std::unique_ptr<PersistentDictionary> view_;
    std::unique_ptr<PersistentArtboardPoint> origin_;
    std::unique_ptr<PersistentSize> size_;
};

} // namespace aip
} // namespace qor
