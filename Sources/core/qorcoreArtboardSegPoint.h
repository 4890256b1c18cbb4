// The client's segment of a path: public anchor, in and out points and corner flag over one owned
// implementation value, brought up to date from the public fields whenever it is used.
#pragma once

#include "aip/qoraipPathSegPoint.h"
#include "core/qorcoreArtboardPoint.h"

namespace qor {
namespace core {

class ArtboardSegPoint {
public:
    ArtboardSegPoint();
    explicit ArtboardSegPoint(const aip::PathSegPoint& impl);
    ArtboardSegPoint(const ArtboardSegPoint& other);
    ArtboardSegPoint(const ArtboardPoint& anchor_, const ArtboardPoint& in_, const ArtboardPoint& out_, bool corner_);
    ArtboardSegPoint& operator=(const ArtboardSegPoint& other)
    {
        assign(other);
        return *this;
    }

    virtual ~ArtboardSegPoint();
    virtual ArtboardSegPoint& assign(const ArtboardSegPoint& other);
    virtual bool equals(const ArtboardSegPoint& other) const;
    virtual bool notEquals(const ArtboardSegPoint& other) const;
    virtual bool isCurvedTo(const ArtboardSegPoint& next) const;

    ArtboardPoint anchor;
    ArtboardPoint in;
    ArtboardPoint out;
    bool corner = false;

private:
    friend aip::PathSegPoint* artboardSegPointImpl(const ArtboardSegPoint& point);
    mutable aip::PathSegPoint impl_;
};

// The implementation brought up to date from the public fields.
aip::PathSegPoint* artboardSegPointImpl(const ArtboardSegPoint& point);
ArtboardSegPoint wrapArtboardSegPoint(const aip::PathSegPoint& impl);

}  // namespace core
}  // namespace qor
