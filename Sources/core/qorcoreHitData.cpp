#include "core/qorcoreHitData.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipBezier.h"
#include "aip/qoraipHitData.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreBezier.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

__IntHitData::~__IntHitData() { delete impl; }

HitData::HitData() : data_(new __IntHitData()) {}

HitData::HitData(const HitData& other) : data_(new __IntHitData())
{
    if (const aip::HitData* impl = other.implementation())
        data_->impl = new aip::HitData(*impl);
}

HitData HitData::HitDataFromImpl(const aip::HitData& impl)
{
    HitData h;
    h.data_->impl = new aip::HitData(impl);
    return h;
}

HitData wrapHitData(const aip::HitData& impl) { return HitData::HitDataFromImpl(impl); }

HitData::~HitData() { delete data_; }

bool HitData::isEmpty() const { return implementation() == nullptr; }

HitData& HitData::operator=(const HitData& other)
{
    if (&other == this || !data_)
        return *this;
    // Copy first: the other record may be reached through this one.
    aip::HitData* copy = other.implementation() ? new aip::HitData(*other.implementation()) : nullptr;
    delete data_->impl;
    data_->impl = copy;
    return *this;
}

bool HitData::operator==(const HitData& other) const
{
    if (!data_ || !other.data_)
        return !data_ && !other.data_;
    aip::HitData* a = data_->impl;
    aip::HitData* b = other.data_->impl;
    if (!a || !b)
        return !a && !b;
    if (a->requestFlags() != b->requestFlags() || a->hit() != b->hit() || a->hitPart() != b->hitPart() ||
        a->segmentIndex() != b->segmentIndex() || a->bezierIndex() != b->bezierIndex() || a->t() != b->t())
        return false;
    aip::ArtboardPoint pa = a->point(), pb = b->point();
    if (pa.x != pb.x || pa.y != pb.y)
        return false;
    aip::Art* artA = a->art();
    aip::Art* artB = b->art();
    if ((artA == nullptr) != (artB == nullptr) || (artA && artA->hostHandle() != artB->hostHandle()))
        return false;
    aip::Bezier* bezA = a->bezier();
    aip::Bezier* bezB = b->bezier();
    if (!bezA || !bezB)
        return !bezA && !bezB;
    return bezA->equals(bezB);
}

bool HitData::operator!=(const HitData& other) const { return !(*this == other); }

HitRequest HitData::requestFlags() const
{
    return HitRequest(implementation() ? hitTypeFromHost(implementation()->requestFlags()) : 0);
}

bool HitData::hit() const { return implementation() && implementation()->hit(); }

HitPart HitData::hitPart() const
{
    int32_t part = implementation() ? implementation()->hitPart() : 0;
    return part >= HitAnchorPart && part <= HitObjectPart && part % 10 == 0 ? HitPart(part) : HitNoPart;
}

Art* HitData::art() const
{
    if (!hit() || !implementation()->art())
        return nullptr;
    aip::Art* clone = implementation()->art()->clone();
    return new Art(Art::ArtFromImpl(clone));
}

int32_t HitData::segmentIndex() const { return implementation() ? implementation()->segmentIndex() : -1; }
int32_t HitData::bezierIndex() const { return implementation() ? implementation()->bezierIndex() : -1; }
double HitData::t() const { return implementation() ? implementation()->t() : 0; }

ArtboardPoint HitData::point() const
{
    return implementation() ? ArtboardPoint(implementation()->point()) : ArtboardPoint(0, 0);
}

Bezier* HitData::bezier() const
{
    if (!hit())
        return nullptr;
    aip::Bezier* piece = data_->impl->bezier();
    return piece ? new Bezier(wrapBezier(*piece)) : nullptr;
}

TextRange* HitData::textRange() const
{
    if (!hit())
        return nullptr;
    aip::TextRange* range = data_->impl->textRange();
    return range ? new TextRange(wrapTextRange(range)) : nullptr;
}

bool HitData::hitPoint(ArtboardPoint& point) const
{
    if (!implementation())
        return false;
    aip::ArtboardPoint p(point.x, point.y);
    bool hit = implementation()->hitPoint(p);
    point = ArtboardPoint(p);
    return hit;
}

bool HitData::hitPointForPart(int32_t part, ArtboardPoint& point) const
{
    if (!implementation())
        return false;
    int32_t passed = part >= 10 && part <= 50 && part % 10 == 0 ? part : 0;
    aip::ArtboardPoint p(point.x, point.y);
    bool hit = implementation()->hitPointForPart(passed, p);
    point = ArtboardPoint(p);
    return hit;
}

}  // namespace core
}  // namespace qor
