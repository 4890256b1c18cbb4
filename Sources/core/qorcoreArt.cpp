#include "core/qorcoreArt.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipArtIterator.h"
#include "aip/qoraipArtStyle.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipArtboard.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipPath.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreAiDictionary.h"
#include "core/qorcoreArtStyle.h"
#include "core/qorcoreArtboard.h"
#include "core/qorcoreLayer.h"
#include "core/qorcoreSymbol.h"
#include "core/qorcoreUID.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace core {

// ---- The record ----

// The six facets and the text part of one record, made together: records are made for every art a
// client touches, often many times over.
struct ArtFacetBlock {
    explicit ArtFacetBlock(__IntArtData* owner)
        : customArt(owner, ArtFacet::CustomArt), mask(owner, ArtFacet::Mask), mesh(owner, ArtFacet::Mesh),
          path(owner), placed(owner, ArtFacet::Placed), raster(owner, ArtFacet::Raster), text{owner, false}
    {
    }
    ArtFacet customArt;
    ArtFacet mask;
    ArtFacet mesh;
    Art::Path path;
    ArtFacet placed;
    ArtFacet raster;
    TextArt text;
};

TextArt::~TextArt()
{
    if (ownsArt)
        delete art;
    art = nullptr;
}

__IntArtData::~__IntArtData()
{
    releaseHolderFacet();
    customArt = mask = mesh = placed = raster = nullptr;
    path = nullptr;
    delete facets;
    facets = nullptr;
    delete impl;
    hostHandle = nullptr;
    impl = nullptr;
}

void __IntArtData::initFacets()
{
    if (facets)
        return;
    facets = new ArtFacetBlock(this);
    customArt = &facets->customArt;
    mask = &facets->mask;
    mesh = &facets->mesh;
    path = &facets->path;
    placed = &facets->placed;
    raster = &facets->raster;
    if (!text)
        text = &facets->text;
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
    // A text part never deletes the record it belongs to; one owning another record deletes it as it goes.
    if (text->art == this)
        text->ownsArt = false;
    if (!facets || text != &facets->text)
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

// A client bit and the host bit it stands for.
struct BitRow {
    int32_t client;
    int32_t host;
};

template <size_t N>
int32_t mapBits(const BitRow (&rows)[N], int32_t bits)
{
    int32_t host = 0;
    for (const BitRow& row : rows)
        if (bits & row.client)
            host |= row.host;
    return host;
}

// Bounds options: client bit 0x1 is dropped, and 0x10 counts only without 0x4.
constexpr BitRow boundsBits[] = {{0x2, 0x1},   {0x4, 0x2},   {0x8, 0x4},   {0x10, 0x8},
                                 {0x20, 0x10}, {0x40, 0x20}, {0x80, 0x40}};
constexpr BitRow expandBits[] = {
    {ExpandOption1, 0x1},   {ExpandOption2, 0x2},   {ExpandOption4, 0x4},     {ExpandOption8, 0x8},
    {ExpandOption10, 0x10}, {ExpandOption20, 0x20}, {ExpandOption40, 0x40},   {ExpandOption80, 0x4000},
    {ExpandOption100, 0x8000}, {ExpandOption200, 0x10000}};
constexpr BitRow transformBits[] = {{TransformOption1, 0x1},   {TransformOption2, 0x2},   {TransformOption4, 0x4},
                                    {TransformOption8, 0x400}, {TransformOption10, 0x8}, {TransformOption20, 0x20},
                                    {TransformOption40, 0x40}, {TransformOption80, 0x80}};

int32_t boundsOptionsToHost(int32_t options)
{
    if (options & 0x4)
        options &= ~0x10;
    return mapBits(boundsBits, options);
}

// Host knockout 0, 1 and 2.
constexpr int32_t knockoutCodes[] = {KnockoutOff, KnockoutOn, KnockoutInherited};

int32_t knockoutFromHost(int32_t host)
{
    return host >= 0 && host <= 2 ? knockoutCodes[host] : KnockoutUnknown;
}

int32_t blendModeFromHost(int32_t host)
{
    return host >= 0 && host <= 15 ? 10 * (host + 1) : BlendModeNone;
}

// Host transform bits of the stroke-only transformation, without and with the flag.
constexpr int32_t strokeScaleBits = 17;
constexpr int32_t strokeScaleBitsWithFlag = 81;
}  // namespace qorcoreArt_detail

Art::Art(ArtHandle art)
{
    qorcoreArt_detail::acquireHandleSuites();
    CoreGlobals* globals = handleGlobals();
    // A handle of an art that already has a record shares it, without making a fresh one first.
    __IntArtData* found = nullptr;
    if (art && globals && globals->artRegistry.get(art, found) && found) {
        data_ = found;
        ++found->count;
        return;
    }
    data_ = new __IntArtData();
    data_->count = 1;
    if (!art || !globals)
        return;
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

aip::Art* prefDataImpl(const Art& art) { return art.data() ? art.data()->impl : nullptr; }

bool assignFromImpl(Art& out, aip::Art* impl)
{
    if (!impl)
        return false;
    out.assign(wrapArt(impl));
    return true;
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
    return i ? wrapNew(i->duplicate(paintOrderToHost(paintOrder), target ? target->impl() : nullptr)) : nullptr;
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

UID* Art::uid() const
{
    aip::UID* id = impl() ? impl()->uid() : nullptr;
    if (!id)
        return nullptr;
    UID* handle = new UID(id);
    id->release();
    return handle;
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

bool Art::userAttr(ArtAttribute clientBits) const
{
    aip::Art* i = impl();
    return i && i->userAttr(artAttributesToHost(clientBits));
}

void Art::setUserAttr(ArtAttribute clientBits, bool value)
{
    if (aip::Art* i = impl())
        i->setUserAttr(artAttributesToHost(clientBits), value);
}

int32_t Art::attributes() const
{
    int32_t bits = 0;
    for (int32_t bit = 0x1; bit <= 0x800; bit <<= 1)
        if (userAttr(ArtAttribute(bit)))
            bits |= bit;
    return bits;
}

void Art::setAttributes(int32_t bits)
{
    for (int32_t bit : {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x40, 0x80, 0x400})
        setUserAttr(ArtAttribute(bit), (bits & bit) != 0);
}

ai::Dictionary* Art::dictionary() const
{
    aip::IllustratorDictionary* dict = impl() ? impl()->dictionaryRef() : nullptr;
    if (!dict)
        return nullptr;
    ai::Dictionary* handle = new ai::Dictionary(dict);
    dict->release();
    return handle;
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

ArtboardRect Art::boundsFlags(int32_t options) const
{
    aip::Art* i = impl();
    return i ? ArtboardRect(i->boundsFlags(qorcoreArt_detail::boundsOptionsToHost(options))) : ArtboardRect();
}

ArtboardRect Art::transformedBounds(const TransformMatrix& matrix, int32_t options) const
{
    aip::Art* i = impl();
    if (!i)
        return ArtboardRect();
    return ArtboardRect(
        i->transformedBounds(transformMatrixImpl(matrix), qorcoreArt_detail::boundsOptionsToHost(options)));
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

std::vector<Artboard*> Art::artboards() const
{
    std::vector<Artboard*> result;
    aip::Art* i = impl();
    if (!i)
        return result;
    aip::ArtboardRect bounds = i->bounds66();
    aip::Illustrator* app = aip::Illustrator::instance();
    aip::Document* doc = app ? app->currentDocument() : nullptr;
    if (!doc)
        return result;
    int32_t n = doc->artboardCount();
    for (int32_t k = 0; k < n; ++k) {
        aip::Artboard* board = doc->artboardAt(k);
        if (!board)
            continue;
        if (board->bounds().overlaps(bounds))
            result.push_back(new Artboard(wrapArtboard(board)));
        else
            delete board;
    }
    return result;
}

Artboard* Art::mostOverlappingArtboard() const
{
    std::vector<Artboard*> boards = artboards();
    if (boards.empty())
        return nullptr;
    ArtboardRect bounds = bounds66();
    double bestArea = 0;
    Artboard* best = nullptr;
    for (Artboard* board : boards) {
        if (!board || board->isEmpty())
            continue;
        ArtboardRect common;
        if (!board->bounds().intersection(bounds, common))
            continue;
        // Not strictly greater: later artboards win ties, and an area of 0 is taken over nothing.
        if (bestArea > common.area())
            continue;
        bestArea = common.area();
        best = board;
    }
    Artboard* result = best ? new Artboard(*best) : nullptr;
    for (Artboard* board : boards)
        delete board;
    return result;
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
Symbol* Art::symbol() const
{
    aip::Symbol* s = impl() ? impl()->symbol() : nullptr;
    return s ? new Symbol(wrapSymbol(s)) : nullptr;
}

bool Art::setSymbol(const Symbol& symbol)
{
    aip::Art* i = impl();
    if (!i)
        return false;
    // The host's answer is not passed on.
    i->setSymbol(symbol.data() ? dynamic_cast<const aip::Symbol*>(symbol.data()->impl) : nullptr);
    return true;
}

std::vector<Art*> Art::matchingArt(const std::vector<ArtMatchSpec>& specs) const
{
    std::vector<Art*> result;
    aip::Art* i = impl();
    if (!i || specs.empty())
        return result;
    std::vector<MatchSpec> host;
    for (const ArtMatchSpec& spec : specs) {
        int32_t which = artMatchAttributesToHost(spec.attributes);
        int32_t values = spec.mode == ArtMatchSet ? which : 0;
        for (int32_t type : artTypeMaskToHostList(spec.typeMask))
            host.push_back(MatchSpec{static_cast<int16_t>(type), which, values});
    }
    if (host.empty())
        return result;
    utils::Vector<aip::Art*> found = i->matchingArt(host);
    for (aip::Art* a : found) {
        result.push_back(new Art(wrapArt(a->clone())));
        delete a;
    }
    return result;
}

bool Art::hasFill() const { return impl() && impl()->hasFill(); }
bool Art::hasStroke() const { return impl() && impl()->hasStroke(); }
bool Art::isLayerGroup() const { return impl() && impl()->isLayerGroup(); }
bool Art::groupClipped() const { return impl() && impl()->groupClipped(); }

void Art::setGroupClipped(bool clipped)
{
    aip::Art* i = impl();
    if (i && aip::groupSuite && i->type() == 1)
        aip::groupSuite->setGroupClipped(hostHandle(), clipped ? 1 : 0);
}

ArtStyle* Art::artStyle() const
{
    aip::ArtStyle* style = impl() ? impl()->artStyle() : nullptr;
    return style ? new ArtStyle(wrapArtStyle(style)) : nullptr;
}

void Art::setArtStyle(const ArtStyle& style)
{
    if (aip::Art* i = impl())
        i->setArtStyle(style.data() ? style.data()->impl : nullptr);
}

bool Art::isStyledArt() const { return impl() && impl()->isStyledArt(); }

int32_t Art::blendMode() const
{
    if (!impl() || !aip::blendStyleSuite)
        return BlendModeNone;
    return qorcoreArt_detail::blendModeFromHost(aip::blendStyleSuite->getBlendMode(hostHandle()));
}

void Art::setBlendMode(int32_t mode)
{
    if (!impl() || !aip::blendStyleSuite || mode < 10 || mode > 160 || mode % 10 != 0)
        return;
    aip::blendStyleSuite->setBlendMode(hostHandle(), mode / 10 - 1);
}

double Art::opacity() const
{
    if (!impl() || !aip::blendStyleSuite)
        return 1.0;
    return aip::blendStyleSuite->getOpacity(hostHandle());
}

void Art::setOpacity(double opacity)
{
    if (impl() && aip::blendStyleSuite)
        aip::blendStyleSuite->setOpacity(hostHandle(), geo::clamp(opacity, 0.0, 1.0));
}

int32_t Art::knockout() const
{
    if (!impl() || !aip::blendStyleSuite)
        return KnockoutUnknown;
    return qorcoreArt_detail::knockoutFromHost(aip::blendStyleSuite->getKnockout(hostHandle()));
}

int32_t Art::inheritedKnockout() const
{
    if (!impl() || !aip::blendStyleSuite)
        return KnockoutUnknown;
    return qorcoreArt_detail::knockoutFromHost(aip::blendStyleSuite->getInheritedKnockout(hostHandle()));
}

void Art::setKnockout(int32_t state)
{
    if (!impl() || !aip::blendStyleSuite)
        return;
    for (int32_t host = 0; host < 3; ++host)
        if (qorcoreArt_detail::knockoutCodes[host] == state)
            aip::blendStyleSuite->setKnockout(hostHandle(), host);
}

bool Art::reorder(int32_t paintOrder, const Art* target)
{
    aip::Art* i = impl();
    return i && i->reorder(paintOrderToHost(paintOrder), target ? target->impl() : nullptr);
}

bool Art::expand(ExpandOptions options, int32_t steps)
{
    aip::Art* i = impl();
    if (!i)
        return false;
    ArtHandle before = i->hostHandle();
    if (!i->expand(expandOptionsToHost(options), steps))
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

// ---- Transformations ----

void Art::rotate(const Angle& angle, const ArtboardPoint& origin, bool flag)
{
    if (aip::Art* i = impl())
        i->rotate(*implPointer(angle), *pointImpl(origin), flag);
}

void Art::rotateAbout(const Angle& angle, int32_t refPoint, bool flag)
{
    if (aip::Art* i = impl(); i && refPoint != 0)
        i->rotateAbout(*implPointer(angle), refPointToImpl(refPoint), flag);
}

void Art::rotateAboutCenter(const Angle& angle, bool flag)
{
    if (aip::Art* i = impl())
        i->rotateAboutCenter(*implPointer(angle), flag);
}

void Art::scale(double sx, double sy, const ArtboardPoint& origin, bool flag)
{
    if (aip::Art* i = impl())
        i->scale(sx, sy, *pointImpl(origin), flag);
}

void Art::scaleAbout(double sx, double sy, int32_t refPoint, bool flag)
{
    if (aip::Art* i = impl(); i && refPoint != 0)
        i->scaleAbout(sx, sy, refPointToImpl(refPoint), flag);
}

void Art::scaleAboutCenter(double sx, double sy, bool flag)
{
    if (aip::Art* i = impl())
        i->scaleAboutCenter(sx, sy, flag);
}

void Art::scaleUniform(double factor, const ArtboardPoint& origin, bool flag)
{
    if (aip::Art* i = impl())
        i->scaleUniform(factor, *pointImpl(origin), flag);
}

void Art::scaleUniformAbout(double factor, int32_t refPoint, bool flag)
{
    if (aip::Art* i = impl(); i && refPoint != 0)
        i->scaleUniformAbout(factor, refPointToImpl(refPoint), flag);
}

void Art::scaleUniformAboutCenter(double factor, bool flag)
{
    if (aip::Art* i = impl())
        i->scaleUniformAboutCenter(factor, flag);
}

void Art::translate(double dx, double dy, bool flag)
{
    if (aip::Art* i = impl())
        i->translate(dx, dy, flag);
}

void Art::moveFromTo(const ArtboardPoint& target, const ArtboardPoint& source, bool flag)
{
    if (aip::Art* i = impl())
        i->moveFromTo(*pointImpl(target), *pointImpl(source), flag);
}

void Art::moveBoundsPointTo(const ArtboardPoint& target, int32_t refPoint, bool flag)
{
    if (aip::Art* i = impl(); i && refPoint != 0)
        i->moveBoundsPointTo(*pointImpl(target), refPointToImpl(refPoint), flag);
}

void Art::transform(const TransformMatrix& matrix, bool flag)
{
    if (aip::Art* i = impl())
        i->transform(*transformMatrixImpl(matrix), flag);
}

void Art::transformWithFlags(const TransformMatrix& matrix, TransformOptions options)
{
    const aip::TransformMatrix* m = transformMatrixImpl(matrix);
    if (!impl() || !aip::transformArtSuite || !m)
        return;
    double s = aip::Art::scaleFactor();
    RealMatrix host{};
    m->toHostMatrix(host);
    host.tx /= s;
    host.ty /= s;
    aip::transformArtSuite->transformArt(hostHandle(), &host, 1.0,
                                         transformOptionsToHost(options));
}

void Art::scaleStrokes(double factor, bool flag)
{
    if (!impl() || !aip::transformArtSuite)
        return;
    double s = aip::Art::scaleFactor();
    RealMatrix identity{1, 0, 0, 1, 0, 0};
    aip::transformArtSuite->transformArt(
        hostHandle(), &identity, factor / s,
        flag ? qorcoreArt_detail::strokeScaleBitsWithFlag : qorcoreArt_detail::strokeScaleBits);
}

bool Art::isolationQuery() const { return impl() && impl()->isolationQuery(); }
bool Art::inIsolatedArt() const { return impl() && impl()->inIsolatedArt(); }
bool Art::isolationSet(bool isolated) { return impl() && impl()->isolationSet(isolated); }

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

int32_t expandOptionsToHost(ExpandOptions options)
{
    return qorcoreArt_detail::mapBits(qorcoreArt_detail::expandBits, options);
}

int32_t transformOptionsToHost(TransformOptions options)
{
    return qorcoreArt_detail::mapBits(qorcoreArt_detail::transformBits, options);
}

}  // namespace core
}  // namespace qor
