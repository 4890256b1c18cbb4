#include "core/qorcoreArt.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipArtIterator.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipPath.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreLayer.h"

namespace qor {
namespace core {

// ---- The record ----

__IntArtData::~__IntArtData()
{
    delete customArt;
    delete mask;
    delete mesh;
    delete path;
    delete placed;
    delete raster;
    releaseHolderFacet();
    delete impl;
    hostHandle = nullptr;
    impl = nullptr;
}

void __IntArtData::initFacets()
{
    customArt = new ArtFacet(this, ArtFacet::CustomArt);
    mask = new ArtFacet(this, ArtFacet::Mask);
    mesh = new ArtFacet(this, ArtFacet::Mesh);
    path = new Art::Path(this);
    placed = new ArtFacet(this, ArtFacet::Placed);
    raster = new ArtFacet(this, ArtFacet::Raster);
    initHolderFacet();
}

void __IntArtData::initHolderFacet()
{
    if (!text)
        text = new TextArt{this, false};
}

void __IntArtData::releaseHolderFacet()
{
    if (!text)
        return;
    if (text->ownsArt && text->art != this)
        delete text->art;
    delete text;
    text = nullptr;
}

class __IntArtIterData {
public:
    virtual ~__IntArtIterData() { delete walker; }
    aip::ArtIterator* walker = nullptr;
    // The start of the walk, owned by the walk.
    aip::Art* start = nullptr;
};

// ---- Construction and lifetime ----

namespace qorcoreArt_detail {
void acquireHandleSuites()
{
    aip::acquireSuite(aip::blendStyleSuite, kBlendStyleSuiteName, kBlendStyleSuiteVersion);
    aip::acquireSuite(aip::groupSuite, kGroupSuiteName, kGroupSuiteVersion);
    aip::acquireSuite(aip::pluginGroupSuite, kPluginGroupSuiteName, kPluginGroupSuiteVersion);
    aip::acquireSuite(aip::symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
    aip::acquireSuite(aip::textFrameSuite, kTextFrameSuiteName, kTextFrameSuiteVersion);
}

// Client bounds option bits to the host's.
constexpr int32_t selectionMask = 0x9;
}  // namespace qorcoreArt_detail

Art::Art(ArtHandle art)
{
    data_ = new __IntArtData();
    qorcoreArt_detail::acquireHandleSuites();
    data_->count = 1;
    CoreGlobals* globals = handleGlobals();
    if (!art || !globals)
        return;
    __IntArtData* found = nullptr;
    if (globals->artRegistry.get(art, found) && found) {
        delete data_;
        data_ = found;
        ++found->count;
        return;
    }
    data_->hostHandle = art;
    data_->impl = new aip::Art(art);
    data_->initFacets();
    globals->artRegistry.insert(art, data_);
}

Art Art::ArtEmpty()
{
    Art a;
    a.data_ = new __IntArtData();
    a.data_->count = 1;
    a.data_->initFacets();
    return a;
}

Art Art::ArtFromImpl(aip::Art*& impl)
{
    Art a;
    a.data_ = new __IntArtData();
    qorcoreArt_detail::acquireHandleSuites();
    a.data_->count = 1;
    CoreGlobals* globals = handleGlobals();
    ArtHandle key = impl ? impl->hostHandle() : nullptr;
    if (!impl || !key || !globals)
        return a;
    __IntArtData* found = nullptr;
    if (globals->artRegistry.get(key, found) && found) {
        delete a.data_;
        a.data_ = found;
        ++found->count;
        if (found->impl != impl) {
            delete impl;
            impl = nullptr;
        }
        return a;
    }
    a.data_->hostHandle = key;
    a.data_->impl = impl;
    a.data_->initFacets();
    globals->artRegistry.insert(key, a.data_);
    return a;
}

Art::Art(const Art& other)
{
    if (other.data_) {
        data_ = other.data_;
        ++data_->count;
    } else {
        data_ = new __IntArtData();
    }
}

void Art::release()
{
    CoreGlobals* globals = handleGlobals();
    if (!globals || !data_)
        return;
    if (--data_->count <= 0) {
        if (data_->hostHandle) {
            __IntArtData* registered = nullptr;
            if (globals->artRegistry.get(data_->hostHandle, registered) && registered == data_)
                globals->artRegistry.remove(data_->hostHandle);
        }
        delete data_;
    }
}

Art::~Art()
{
    if (!handleGlobals())
        return;
    release();
    data_ = nullptr;
}

Art& Art::assign(const Art& other)
{
    if (&other == this || !handleGlobals() || !data_ || !other.data_)
        return *this;
    __IntArtData* incoming = other.data_;
    ++incoming->count;
    release();
    data_ = incoming;
    return *this;
}

aip::Art* Art::impl() const { return data_ ? data_->impl : nullptr; }

Art* Art::wrapNew(aip::Art* impl) const
{
    if (!impl)
        return nullptr;
    return new Art(wrapArt(impl));
}

// Adopts a fresh implementation; one that no record took over is deleted here.
Art wrapArt(aip::Art* impl)
{
    aip::Art* held = impl;
    Art a = Art::ArtFromImpl(held);
    if (held && (!a.data() || a.data()->impl != held))
        delete held;
    return a;
}

// ---- Identity ----

bool Art::dispose()
{
    aip::Art* i = impl();
    return i && i->dispose();
}

bool Art::disposeChildren()
{
    ArtType t = type();
    if (t != ArtTypeGroup && t != ArtTypeCompoundPath)
        return false;
    Art* first = firstChild();
    if (!first)
        return true;
    {
        Iterator it;
        first->begin(it);
        for (; !it.atEnd(); it.next()) {
            Art* current = it.art();
            if (current)
                current->dispose();
            delete current;
        }
    }
    delete first;
    return true;
}

Art* Art::duplicate(int32_t paintOrder, const Art* target) const
{
    aip::Art* i = impl();
    return i ? wrapNew(i->duplicate(paintOrder, target ? target->impl() : nullptr)) : nullptr;
}

ArtHandle Art::hostHandle() const
{
    aip::Art* i = impl();
    return i ? i->hostHandle() : nullptr;
}

bool Art::isEmpty() const { return !data_ || !data_->impl; }

bool Art::valid() const
{
    aip::Art* i = impl();
    return i && i->valid();
}

bool Art::equals(const Art& other) const
{
    if (!data_ || !other.data_)
        return !data_ && !other.data_;
    if (data_->impl)
        return other.data_->impl && data_->impl->equals(other.data_->impl);
    return !other.data_->impl;
}

bool Art::notEquals(const Art& other) const { return !equals(other); }

ArtType Art::type() const
{
    aip::Art* i = impl();
    return i ? static_cast<ArtType>(artTypeFromHost(i->type())) : ArtTypeNone;
}

ArtFacet* Art::customArtFacet() const { return data_ ? data_->customArt : nullptr; }
ArtFacet* Art::maskFacet() const { return data_ ? data_->mask : nullptr; }
ArtFacet* Art::meshFacet() const { return data_ ? data_->mesh : nullptr; }
Art::Path* Art::path() const { return data_ ? data_->path : nullptr; }
ArtFacet* Art::placedFacet() const { return data_ ? data_->placed : nullptr; }
ArtFacet* Art::rasterFacet() const { return data_ ? data_->raster : nullptr; }
TextArt* Art::holderFacet() const { return data_ ? data_->text : nullptr; }

void Art::artSuiteCall() const
{
    if (impl() && aip::artSuite)
        aip::artSuite->artCall74(hostHandle());
}

// ---- Selection and attributes ----

void Art::select()
{
    if (aip::Art* i = impl())
        i->select();
}

void Art::deselect()
{
    if (aip::Art* i = impl())
        i->deselect();
}

bool Art::selected() const { return impl() && impl()->selected(); }
bool Art::fullySelected() const { return impl() && impl()->fullySelected(); }

void Art::setSelected(bool selected)
{
    if (aip::Art* i = impl())
        i->setSelected(selected);
}

bool Art::editable() const { return impl() && impl()->editable(); }

void Art::setEditable(bool editable)
{
    if (aip::Art* i = impl())
        i->setEditable(editable);
}

bool Art::locked() const { return impl() && impl()->locked(); }

void Art::setLocked(bool locked)
{
    if (aip::Art* i = impl())
        i->setLocked(locked);
}

bool Art::hidden() const { return impl() && impl()->hidden(); }

void Art::setHidden(bool hidden)
{
    if (aip::Art* i = impl())
        i->setHidden(hidden);
}

bool Art::ancestorSelected() const { return impl() && impl()->ancestorSelected(); }
bool Art::ancestorLocked() const { return impl() && impl()->ancestorLocked(); }
bool Art::ancestorHidden() const { return impl() && impl()->ancestorHidden(); }

bool Art::userAttr(int32_t clientBits) const
{
    aip::Art* i = impl();
    return i && i->userAttr(artAttributesToHost(clientBits));
}

void Art::setUserAttr(int32_t clientBits, bool value)
{
    if (aip::Art* i = impl())
        i->setUserAttr(artAttributesToHost(clientBits), value);
}

int32_t Art::attributes() const
{
    int32_t bits = 0;
    for (int32_t bit = 0x1; bit <= 0x800; bit <<= 1)
        if (userAttr(bit))
            bits |= bit;
    return bits;
}

void Art::setAttributes(int32_t bits)
{
    for (int32_t bit : {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x40, 0x80, 0x400})
        setUserAttr(bit, (bits & bit) != 0);
}

// ---- Bounds and measures ----

ArtboardRect Art::bounds64() const
{
    aip::Art* i = impl();
    return i ? ArtboardRect(i->bounds64()) : ArtboardRect();
}

ArtboardRect Art::bounds66() const
{
    aip::Art* i = impl();
    return i ? ArtboardRect(i->bounds66()) : ArtboardRect();
}

void Art::updateBounds()
{
    if (aip::Art* i = impl())
        i->updateBounds();
}

bool Art::updateLink(bool force)
{
    bool8 updated = 0;
    return impl() && aip::artSuite && aip::artSuite->updateArtLink(hostHandle(), force ? 1 : 0, &updated) == 0 &&
           updated;
}

double Art::boundsX() const { return impl() ? impl()->boundsX() : 0; }
double Art::boundsY() const { return impl() ? impl()->boundsY() : 0; }
double Art::boundsWidth() const { return impl() ? impl()->boundsWidth() : 0; }
double Art::boundsHeight() const { return impl() ? impl()->boundsHeight() : 0; }
double Art::length() const { return impl() ? impl()->length() : 0; }
double Art::area() const { return impl() ? impl()->area() : 0; }
bool Art::centerPointVisible() const { return impl() && impl()->centerPointVisible(); }

void Art::setCenterPointVisible(bool visible)
{
    if (aip::Art* i = impl())
        i->setCenterPointVisible(visible);
}

// ---- The tree ----

Layer* Art::layer() const
{
    aip::Art* i = impl();
    aip::Layer* l = i ? i->layer() : nullptr;
    return l ? new Layer(wrapLayer(l)) : nullptr;
}

int32_t Art::childCount() const { return impl() ? impl()->childCount() : 0; }
Art* Art::parent() const { return impl() ? wrapNew(impl()->parent()) : nullptr; }
Art* Art::firstChild() const { return impl() ? wrapNew(impl()->firstChild()) : nullptr; }
Art* Art::lastChild() const { return impl() ? wrapNew(impl()->lastChild()) : nullptr; }
Art* Art::nextSibling() const { return impl() ? wrapNew(impl()->nextSibling()) : nullptr; }
Art* Art::priorSibling() const { return impl() ? wrapNew(impl()->priorSibling()) : nullptr; }
bool Art::hasFill() const { return impl() && impl()->hasFill(); }
bool Art::hasStroke() const { return impl() && impl()->hasStroke(); }
bool Art::isLayerGroup() const { return impl() && impl()->isLayerGroup(); }
bool Art::groupClipped() const { return impl() && impl()->groupClipped(); }

bool Art::reorder(int32_t paintOrder, const Art* target)
{
    aip::Art* i = impl();
    return i && i->reorder(paintOrder, target ? target->impl() : nullptr);
}

bool Art::expand(int32_t hostBits, int32_t steps)
{
    aip::Art* i = impl();
    if (!i)
        return false;
    ArtHandle before = i->hostHandle();
    if (!i->expand(hostBits, steps))
        return false;
    // The record still stands under the replaced art's handle: move it to the new one, so that the old
    // handle value never leads to this record again.
    ArtHandle after = i->hostHandle();
    CoreGlobals* globals = handleGlobals();
    if (globals && after != before) {
        __IntArtData* registered = nullptr;
        if (globals->artRegistry.get(before, registered) && registered == data_)
            globals->artRegistry.remove(before);
        data_->hostHandle = after;
        __IntArtData* existing = nullptr;
        if (!globals->artRegistry.get(after, existing))
            globals->artRegistry.insert(after, data_);
    }
    return true;
}

void Art::begin(Iterator& out) const
{
    delete out.data_;
    out.data_ = new __IntArtIterData();
    aip::Art* i = impl();
    // The walk starts at its own copy, so it never depends on this handle's record.
    out.data_->start = i ? i->clone() : new aip::Art(nullptr);
    if (!i)
        return;
    out.data_->walker = out.data_->start->siblingIterator();
}

Art::Iterator::~Iterator()
{
    if (data_) {
        aip::Art* start = data_->start;
        delete data_;
        delete start;
    }
}

bool Art::Iterator::atEnd() const { return !data_ || !data_->walker || data_->walker->atEnd(); }

void Art::Iterator::next()
{
    if (data_ && data_->walker)
        data_->walker->next();
}

Art* Art::Iterator::art() const
{
    if (atEnd() || !data_->walker->current())
        return nullptr;
    return new Art(wrapArt(data_->walker->current()->clone()));
}

// ---- The path facet ----

Art::Path::Path(__IntArtData* owner) : owner_(owner)
{
    aip::acquireSuite(aip::paintStyleSuite, kPaintStyleSuiteName, kPaintStyleSuiteVersion);
}

aip::Path* Art::Path::impl() const { return owner_ && owner_->impl ? owner_->impl->path() : nullptr; }

int32_t Art::Path::segmentCount() const { return impl() ? impl()->segmentCount() : 0; }
int32_t Art::Path::bezierCount() const { return impl() ? impl()->bezierCount() : 0; }
bool Art::Path::closed() const { return impl() && impl()->closed(); }

std::vector<ArtboardSegPoint> Art::Path::segments(int32_t first, int32_t count) const
{
    std::vector<ArtboardSegPoint> result;
    aip::Path* p = impl();
    // The host counts in 16 bits: the count is truncated once and the same count sizes the buffer.
    int16_t n = static_cast<int16_t>(count);
    if (!p || n <= 0)
        return result;
    constexpr double unfilled = 1.7976931348623157e308;
    aip::ArtboardPoint marker(unfilled, unfilled);
    std::vector<aip::PathSegPoint> values(static_cast<size_t>(n), aip::PathSegPoint(marker, marker, marker, false));
    p->segments(first, n, values.data(), values.size());
    auto isMarker = [&](const aip::ArtboardPoint& q) {
        double tol = 10 * 2.220446049250313e-16 * std::max(std::fabs(q.x), std::fabs(q.y));
        return q.equalsWithin(marker, tol);
    };
    result.reserve(values.size());
    for (const aip::PathSegPoint& v : values) {
        if (isMarker(v.anchor) && isMarker(v.in) && isMarker(v.out))
            break;
        result.push_back(wrapArtboardSegPoint(v));
    }
    return result;
}

Bezier* Art::Path::bezier(int32_t piece) const
{
    aip::Path* p = impl();
    if (!p)
        return nullptr;
    aip::Bezier* b = p->bezierAt(piece);
    Bezier* result = new Bezier(*b);
    delete b;
    return result;
}

void Art::Path::endPoints(ArtboardPoint& first, ArtboardPoint& last) const
{
    aip::Path* p = impl();
    if (!p)
        return;
    aip::ArtboardPoint a, b;
    p->endPoints(a, b);
    first = ArtboardPoint(a.x, a.y);
    last = ArtboardPoint(b.x, b.y);
}

void Art::Path::reverse()
{
    if (aip::Path* p = impl())
        p->reverse();
}

void Art::Path::removeSegments(int32_t first, int32_t count)
{
    if (aip::Path* p = impl())
        p->removeSegments(first, count);
}

void Art::Path::setClosed(bool closed)
{
    if (aip::Path* p = impl())
        p->setClosed(closed);
}

void Art::Path::setSegmentCount(int32_t count)
{
    if (aip::Path* p = impl())
        p->setSegmentCount(count);
}

void Art::Path::setBezierCount(int32_t count)
{
    if (aip::Path* p = impl())
        p->setBezierCount(count);
}

namespace qorcoreArt_detail {
std::vector<aip::PathSegPoint> toImpl(const std::vector<ArtboardSegPoint>& points, int16_t count)
{
    std::vector<aip::PathSegPoint> values(count > 0 ? static_cast<size_t>(count) : 0);
    for (size_t i = 0; i < values.size(); ++i)
        values[i].assign(*artboardSegPointImpl(points[i]));
    return values;
}
}  // namespace qorcoreArt_detail

void Art::Path::setSegments(int32_t first, const std::vector<ArtboardSegPoint>& points)
{
    aip::Path* p = impl();
    if (!p)
        return;
    int16_t count = static_cast<int16_t>(points.size());
    std::vector<aip::PathSegPoint> values = qorcoreArt_detail::toImpl(points, count);
    p->setSegments(first, static_cast<int32_t>(values.size()), values.data());
}

void Art::Path::setSegmentsClosedAware(int32_t first, const std::vector<ArtboardSegPoint>& points)
{
    aip::Path* p = impl();
    if (!p)
        return;
    int16_t m = static_cast<int16_t>(points.size());
    std::vector<aip::PathSegPoint> values = qorcoreArt_detail::toImpl(points, m);
    if (values.empty())
        return;
    int32_t count = static_cast<int32_t>(values.size());
    int32_t k = p->closed() && count == p->bezierCount() ? count : count - 1;
    p->setPieceSegments(first, k, values.data());
}

double Art::Path::area() const { return impl() ? impl()->area() : 0; }
double Art::Path::length() const { return impl() ? impl()->length() : 0; }

bool Art::Path::containsPoint(const ArtboardPoint& point) const
{
    aip::Path* p = impl();
    return p && p->containsPoint(aip::ArtboardPoint(point.x, point.y));
}

}  // namespace core
}  // namespace qor
