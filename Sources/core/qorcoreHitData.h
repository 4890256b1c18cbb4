// The client's hit record: a handle that owns its own copy of one host-facing hit record. Hit handles
// are never shared or registered; copying one copies the record.
#pragma once

#include <cstdint>

#include "core/qorcoreArtboardPoint.h"

namespace qor {
namespace aip {
class HitData;
}

namespace core {

class Art;
class Bezier;
class TextRange;

// The request bits of a hit test, and the values passed whole.
enum HitRequest : int32_t {
    HitNothing = 0,
    HitAnchorPoints = 0x1,
    HitInHandles = 0x2,
    HitOutHandles = 0x4,
    HitSegments = 0x8,
    HitFill = 0x10,
    HitGuides = 0x10000,
    HitAllPoints = 7,
    HitPointsAndSegments = 9,
    HitAllButGuides = -65537,
    HitAll = -1,
};

constexpr HitRequest operator|(HitRequest a, HitRequest b) { return HitRequest(int32_t(a) | int32_t(b)); }

// Which part of the art a hit found.
enum HitPart : int32_t {
    HitNoPart = 0,
    HitAnchorPart = 10,
    HitInHandlePart = 20,
    HitOutHandlePart = 30,
    HitSegmentPart = 40,
    HitObjectPart = 50,
};

class __IntHitData {
public:
    __IntHitData() = default;
    __IntHitData(const __IntHitData&) = delete;
    __IntHitData& operator=(const __IntHitData&) = delete;
    virtual ~__IntHitData();

    aip::HitData* impl = nullptr;
};

class HitData {
public:
    // A record without a hit test behind it.
    HitData();
    HitData(const HitData& other);
    // A record with a copy of the given test; the argument stays with the caller.
    static HitData HitDataFromImpl(const aip::HitData& impl);

    virtual ~HitData();
    virtual bool isEmpty() const;
    virtual HitData& operator=(const HitData& other);
    virtual bool operator==(const HitData& other) const;
    virtual bool operator!=(const HitData& other) const;
    virtual HitRequest requestFlags() const;
    virtual bool hit() const;
    virtual HitPart hitPart() const;
    // A new handle of the hit art, owned by the caller; null without a hit.
    virtual Art* art() const;
    virtual int32_t segmentIndex() const;
    virtual int32_t bezierIndex() const;
    virtual double t() const;
    virtual ArtboardPoint point() const;
    // A new copy of the hit Bezier piece, owned by the caller; null without a hit.
    virtual Bezier* bezier() const;
    // A new handle of the character under a hit on a text frame, owned by the caller; else null.
    virtual TextRange* textRange() const;
    virtual bool hitPoint(ArtboardPoint& point) const;
    virtual bool hitPointForPart(int32_t part, ArtboardPoint& point) const;

    const aip::HitData* implementation() const { return data_ ? data_->impl : nullptr; }

private:
    __IntHitData* data_ = nullptr;
};

HitData wrapHitData(const aip::HitData& impl);

}  // namespace core
}  // namespace qor
