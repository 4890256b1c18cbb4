// A rectangle stored as an object whose "__origin" is a stored point and "__size" a stored size.
#pragma once

#include <memory>

#include "aip/qoraipRect.h"
#include "plat/qorplatPersistentData.h"

namespace qor {
namespace aip {

class PersistentDictionary;
class PersistentPoint;
class PersistentSize;

class PersistentRect : public plat::PersistentData {
public:
    explicit PersistentRect(json::Node *adopted);
    PersistentRect(const Rect &value, const std::string &key);
    ~PersistentRect() override;

    virtual Rect value() const;
    virtual bool setValue(const Rect &value);

private:
    std::unique_ptr<PersistentDictionary> view_;
    std::unique_ptr<PersistentPoint> origin_;
    std::unique_ptr<PersistentSize> size_;
};

} // namespace aip
} // namespace qor
