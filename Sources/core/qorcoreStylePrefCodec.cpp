#include "core/qorcoreStylePrefCodec.h"

#include <algorithm>
#include <cstdlib>

#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentArtColor.h"
#include "core/qorcoreConstants.h"
#include "core/qorcoreDashStyleMapPref.h"
#include "core/qorcoreDashStylePref.h"
#include "core/qorcoreFillStyleMapPref.h"
#include "core/qorcoreFillStylePref.h"
#include "core/qorcoreStrokeStyleMapPref.h"
#include "core/qorcoreStrokeStylePref.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace core {

aip::PersistentDictionary *StylePrefCodec::view(plat::PersistentData *stored) {
    if (!stored || stored->kind() != plat::PersistentDataType::Dictionary || !stored->nodeRef() ||
        !dynamic_cast<plat::PersistentDictionary *>(stored))
        return nullptr;
    return new aip::PersistentDictionary(json::Node::retain(stored->nodeRef()));
}

const char *StylePrefCodec::capName(int32_t cap) {
    switch (cap) {
    case ButtCap: return "butt";
    case RoundCap: return "round";
    case ProjectingCap: return "proj";
    default: return "";
    }
}

const char *StylePrefCodec::joinName(int32_t join) {
    switch (join) {
    case MiterJoin: return "miter";
    case RoundJoin: return "round";
    case BevelJoin: return "bevel";
    default: return "";
    }
}

StrokeCap StylePrefCodec::capOf(const std::string &name) {
    return name == "round" ? RoundCap : name == "proj" ? ProjectingCap : ButtCap;
}

StrokeJoin StylePrefCodec::joinOf(const std::string &name) {
    return name == "round" ? RoundJoin : name == "bevel" ? BevelJoin : MiterJoin;
}

// ---- writing

bool StylePrefCodec::reached(aip::PersistentDictionary &dict, const plat::PersistentData *member) {
    if (!member || !member->nodeRef() || !dict.nodeRef()) return false;
    json::NodePtr stored(dict.nodeRef()->member(member->key()));
    return stored.get() == member->nodeRef();
}

bool StylePrefCodec::putBool(aip::PersistentDictionary &dict, const std::string &key, bool value) {
    std::unique_ptr<plat::PersistentBool> member(dict.getOrCreateBool(key, value));
    return member && member->setValue(value) && reached(dict, member.get());
}

bool StylePrefCodec::putInteger(aip::PersistentDictionary &dict, const std::string &key, int64_t value) {
    std::unique_ptr<plat::PersistentNumber> member(dict.getOrCreateNumber(key, value));
    return member && member->setInt64(value) && reached(dict, member.get());
}

bool StylePrefCodec::putReal(aip::PersistentDictionary &dict, const std::string &key, double value) {
    std::unique_ptr<plat::PersistentNumber> member(dict.getOrCreateNumber(key, value));
    return member && member->setDouble(value) && reached(dict, member.get());
}

bool StylePrefCodec::putString(aip::PersistentDictionary &dict, const std::string &key, const std::string &value) {
    std::unique_ptr<plat::PersistentString> member(dict.getOrCreateString(key, value));
    return member && member->setValue(value) && reached(dict, member.get());
}

bool StylePrefCodec::putColor(aip::PersistentDictionary &dict, const std::string &key, const ArtColor &value) {
    const aip::ArtColor *impl = implPointer(value);
    const aip::ArtColor colour = impl ? *impl : aip::ArtColor::none();
    std::unique_ptr<aip::PersistentArtColor> member(dict.getOrCreateArtColor(key, colour));
    return member && member->setValue(colour) && reached(dict, member.get());
}

template <class Element, class Value>
bool StylePrefCodec::putArray(aip::PersistentDictionary &dict, const std::string &key, const Value *values,
                              int count) {
    std::unique_ptr<aip::PersistentArray> array(dict.getOrCreateHostArray(key, nullptr));
    if (!array) return false;
    array->clear();
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        Element element(values[i], std::string());
        ok = array->append(&element) && ok;
    }
    return ok && reached(dict, array.get());
}

template <class Pref, class Value>
bool StylePrefCodec::putNested(aip::PersistentDictionary &dict, const std::string &key, const Value &value) {
    delete dict.take(key);
    Pref nested(value, key);
    return !nested.isEmpty() && dict.add(prefDataImpl(nested));
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const DashStyle &value) {
    // At most six entries are stored, whatever the count's sign.
    const int count = std::min(DashStyle::kMaxLengths, std::abs(int(value.count)));
    bool ok = putInteger(dict, dashCountKey, count);
    ok = putReal(dict, dashOffsetKey, value.offset) && ok;
    return putArray<plat::PersistentNumber>(dict, dashLengthsKey, value.lengths, count) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const DashStyle::Map &value) {
    bool ok = putBool(dict, dashCountKnownKey, value.count);
    ok = putBool(dict, dashOffsetKnownKey, value.offset) && ok;
    return putArray<plat::PersistentBool>(dict, dashLengthsKnownKey, value.lengths, DashStyle::kMaxLengths) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const FillStyle &value) {
    bool ok = putColor(dict, fillColorKey, value.color);
    return putBool(dict, fillOverprintKey, value.overprint) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const FillStyle::Map &value) {
    bool ok = putBool(dict, fillColorKnownKey, value.color);
    return putBool(dict, fillOverprintKnownKey, value.overprint) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const StrokeStyle &value) {
    bool ok = putColor(dict, strokeColorKey, value.color);
    ok = putBool(dict, strokeOverprintKey, value.overprint) && ok;
    ok = putReal(dict, strokeWidthKey, value.width) && ok;
    ok = putNested<DashStylePref>(dict, strokeDashKey, value.dash) && ok;
    ok = putString(dict, strokeCapKey, capName(value.cap)) && ok;
    ok = putString(dict, strokeJoinKey, joinName(value.join)) && ok;
    return putReal(dict, strokeMiterLimitKey, value.miterLimit) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const StrokeStyle::Map &value) {
    bool ok = putBool(dict, strokeColorKnownKey, value.color);
    ok = putBool(dict, strokeOverprintKnownKey, value.overprint) && ok;
    ok = putBool(dict, strokeWidthKnownKey, value.width) && ok;
    ok = putNested<DashStyleMapPref>(dict, strokeDashKnownKey, value.dash) && ok;
    ok = putBool(dict, strokeCapKnownKey, value.cap) && ok;
    ok = putBool(dict, strokeJoinKnownKey, value.join) && ok;
    return putBool(dict, strokeMiterLimitKnownKey, value.miterLimit) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const PathStyle &value) {
    bool ok = putBool(dict, pathFillPaintKey, value.useFill);
    ok = putNested<FillStylePref>(dict, pathFillKey, value.fill) && ok;
    ok = putBool(dict, pathStrokePaintKey, value.useStroke) && ok;
    ok = putNested<StrokeStylePref>(dict, pathStrokeKey, value.stroke) && ok;
    ok = putBool(dict, pathEvenOddKey, value.evenOdd) && ok;
    return putReal(dict, pathResolutionKey, value.resolution) && ok;
}

bool StylePrefCodec::writeMembers(aip::PersistentDictionary &dict, const PathStyle::Map &value) {
    bool ok = putBool(dict, pathFillPaintKnownKey, value.useFill);
    ok = putNested<FillStyleMapPref>(dict, pathFillKnownKey, value.fill) && ok;
    ok = putBool(dict, pathStrokePaintKnownKey, value.useStroke) && ok;
    ok = putNested<StrokeStyleMapPref>(dict, pathStrokeKnownKey, value.stroke) && ok;
    ok = putBool(dict, pathEvenOddKnownKey, value.evenOdd) && ok;
    return putBool(dict, pathResolutionKnownKey, value.resolution) && ok;
}

// ---- reading

void StylePrefCodec::getBool(aip::PersistentDictionary &dict, const std::string &key, bool &out) {
    std::unique_ptr<plat::PersistentBool> member(dict.getBool(key));
    if (member) out = member->value();
}

void StylePrefCodec::getReal(aip::PersistentDictionary &dict, const std::string &key, double &out) {
    std::unique_ptr<plat::PersistentNumber> member(dict.getNumber(key));
    if (member) out = member->doubleValue();
}

bool StylePrefCodec::getString(aip::PersistentDictionary &dict, const std::string &key, std::string &out) {
    std::unique_ptr<plat::PersistentString> member(dict.getString(key));
    if (member) out = member->value();
    return bool(member);
}

void StylePrefCodec::getColor(aip::PersistentDictionary &dict, const std::string &key, ArtColor &out) {
    std::unique_ptr<aip::PersistentArtColor> member(dict.getArtColor(key));
    if (member) out = ArtColor(member->value());
}

template <class Pref, class Value>
void StylePrefCodec::getNested(aip::PersistentDictionary &dict, const std::string &key, Value &out) {
    plat::PersistentData *member = dict.member(key);
    if (!member || !member->nodeRef() || member->nodeRef()->type() != json::Object) {
        delete member;
        return;
    }
    Pref nested(member);
    if (!nested.isEmpty()) read(prefDataImpl(nested), out);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, DashStyle &out) {
    std::unique_ptr<plat::PersistentNumber> count(dict.getNumber(dashCountKey));
    if (count) {
        // The low 16 bits as a signed count, at most six; a negative count stays as it is.
        out.count = int16_t(uint16_t(uint64_t(count->int64Value()) & 0xFFFF));
        if (out.count > DashStyle::kMaxLengths) out.count = DashStyle::kMaxLengths;
    }
    getReal(dict, dashOffsetKey, out.offset);
    std::unique_ptr<aip::PersistentArray> lengths(dict.getHostArray(dashLengthsKey));
    if (!lengths || out.count <= 0) return;
    const uint32_t n = std::min<uint32_t>(lengths->count(), uint32_t(out.count));
    for (uint32_t i = 0; i < n; ++i) {
        std::unique_ptr<plat::PersistentNumber> length(lengths->getNumber(i));
        if (length) out.lengths[i] = length->doubleValue();
    }
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, DashStyle::Map &out) {
    getBool(dict, dashCountKnownKey, out.count);
    getBool(dict, dashOffsetKnownKey, out.offset);
    std::unique_ptr<aip::PersistentArray> known(dict.getHostArray(dashLengthsKnownKey));
    if (!known) return;
    for (uint32_t i = 0; i < uint32_t(DashStyle::kMaxLengths); ++i) {
        std::unique_ptr<plat::PersistentBool> flag(known->getBool(i));
        if (flag) out.lengths[i] = flag->value();
    }
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, FillStyle &out) {
    getColor(dict, fillColorKey, out.color);
    getBool(dict, fillOverprintKey, out.overprint);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, FillStyle::Map &out) {
    getBool(dict, fillColorKnownKey, out.color);
    getBool(dict, fillOverprintKnownKey, out.overprint);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, StrokeStyle &out) {
    getColor(dict, strokeColorKey, out.color);
    getBool(dict, strokeOverprintKey, out.overprint);
    getReal(dict, strokeWidthKey, out.width);
    getNested<DashStylePref>(dict, strokeDashKey, out.dash);
    std::string name;
    if (getString(dict, strokeCapKey, name)) out.cap = capOf(name);
    if (getString(dict, strokeJoinKey, name)) out.join = joinOf(name);
    getReal(dict, strokeMiterLimitKey, out.miterLimit);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, StrokeStyle::Map &out) {
    getBool(dict, strokeColorKnownKey, out.color);
    getBool(dict, strokeOverprintKnownKey, out.overprint);
    getBool(dict, strokeWidthKnownKey, out.width);
    getNested<DashStyleMapPref>(dict, strokeDashKnownKey, out.dash);
    getBool(dict, strokeCapKnownKey, out.cap);
    getBool(dict, strokeJoinKnownKey, out.join);
    getBool(dict, strokeMiterLimitKnownKey, out.miterLimit);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, PathStyle &out) {
    getBool(dict, pathFillPaintKey, out.useFill);
    getNested<FillStylePref>(dict, pathFillKey, out.fill);
    getBool(dict, pathStrokePaintKey, out.useStroke);
    getNested<StrokeStylePref>(dict, pathStrokeKey, out.stroke);
    getBool(dict, pathEvenOddKey, out.evenOdd);
    getReal(dict, pathResolutionKey, out.resolution);
}

void StylePrefCodec::readMembers(aip::PersistentDictionary &dict, PathStyle::Map &out) {
    getBool(dict, pathFillPaintKnownKey, out.useFill);
    getNested<FillStyleMapPref>(dict, pathFillKnownKey, out.fill);
    getBool(dict, pathStrokePaintKnownKey, out.useStroke);
    getNested<StrokeStyleMapPref>(dict, pathStrokeKnownKey, out.stroke);
    getBool(dict, pathEvenOddKnownKey, out.evenOdd);
    getBool(dict, pathResolutionKnownKey, out.resolution);
}

} // namespace core
} // namespace qor
