#include "aip/qoraipArt.h"

#include <cmath>
#include <memory>

#include "aip/qoraipArtIterator.h"
#include "aip/qoraipArtStyle.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipPath.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "aip/qoraipSymbol.h"
#include "aip/qoraipUID.h"

namespace qor {
namespace aip {

namespace qoraipArt_detail {
constexpr int16_t group = 1;
constexpr int16_t pathType = 2;
constexpr int16_t compound = 3;
constexpr int16_t placed = 7;
constexpr int16_t pluginGroup = 10;
constexpr int16_t mesh = 11;
constexpr int16_t symbolInstance = 13;
}  // namespace qoraipArt_detail

void Art::acquireSuites()
{
    acquireSuite(artSuite, kArtSuiteName, kArtSuiteVersion);
    acquireSuite(artStyleSuite, kArtStyleSuiteName, kArtStyleSuiteVersion);
    acquireSuite(expandSuite, kExpandSuiteName, kExpandSuiteVersion);
    acquireSuite(groupSuite, kGroupSuiteName, kGroupSuiteVersion);
    acquireSuite(isolationModeSuite, kIsolationModeSuiteName, kIsolationModeSuiteVersion);
    acquireSuite(matchingArtSuite, kMatchingArtSuiteName, kMatchingArtSuiteVersion);
    acquireSuite(mdMemorySuite, kMdMemorySuiteName, kMdMemorySuiteVersion);
    acquireSuite(patternSuite, kPatternSuiteName, kPatternSuiteVersion);
    acquireSuite(pluginGroupSuite, kPluginGroupSuiteName, kPluginGroupSuiteVersion);
    acquireSuite(symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
    acquireSuite(transformArtSuite, kTransformArtSuiteName, kTransformArtSuiteVersion);
}

Art::Art(ArtHandle art)
{
    acquireSuites();
    art_ = art;
}

Art::~Art()
{
    delete textArt_;
    delete path_;
    if (dictionary_)
        dictionary_->release();
}

ArtHandle Art::hostHandle() const { return art_; }

TextArt* Art::textArt()
{
    if (!textArt_)
        textArt_ = new TextArt(this, false);
    return textArt_;
}

Art* Art::clone() const
{
    Art* copy = new Art(art_);
    copy->valid_ = valid_;
    return copy;
}

bool Art::dispose()
{
    if (!valid_ || !artSuite)
        return false;
    valid_ = false;
    return artSuite->disposeArt(art_) == 0;
}

Art* Art::duplicate(int32_t paintOrder, const Art* target) const
{
    if (!valid_ || !artSuite)
        return nullptr;
    ArtHandle where = nullptr;
    resolvePlacement(paintOrder, where, target);
    ArtHandle copy = nullptr;
    if (artSuite->duplicateArt(art_, paintOrder, where, &copy) != 0 || !copy)
        return nullptr;
    return new Art(copy);
}

void Art::resolvePlacement(int32_t& order, ArtHandle& target, const Art* targetArt) const
{
    using namespace qoraipArt_detail;
    target = nullptr;
    if (targetArt) {
        int16_t t = targetArt->type();
        bool container = t == group || t == compound || t == mesh;
        if (!container || targetArt->locked()) {
            if (order == 3)
                order = 1;
            else if (order == 4)
                order = 2;
        }
        target = targetArt->hostHandle();
        return;
    }
    if (order == 1 || order == 3)
        order = 5;
    else if (order == 2 || order == 4)
        order = 6;
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    if (!doc || (order != 5 && order != 6))
        return;
    // The first unlocked visible layer from the top (or from the bottom) takes the art inside.
    bool top = order == 5;
    uint32_t n = doc->layerCount();
    Layer* chosen = nullptr;
    for (uint32_t k = 0; k < n && !chosen; ++k) {
        Layer* layer = doc->layerAt(top ? k : n - 1 - k);
        if (layer && !layer->locked() && layer->visible())
            chosen = layer;
        else
            delete layer;
    }
    if (!chosen)
        chosen = doc->insertLayer(order, nullptr);
    order = top ? 3 : 4;
    if (!chosen)
        return;
    if (Art* groupArt = chosen->layerArt())
        target = groupArt->hostHandle();
    delete chosen;
}

bool Art::valid()
{
    valid_ = artSuite && artSuite->isArtValid(art_, 1) != 0;
    return valid_;
}

bool Art::equals(const Art* other) const
{
    return valid_ && other && other->hostHandle() == art_;
}

int16_t Art::type() const
{
    int16_t t = 0;
    if (!valid_ || !artSuite || artSuite->getArtType(art_, &t) != 0)
        return 0;
    return t;
}

UID* Art::uid() const
{
    return art_ ? UID::fromArt(art_) : nullptr;
}

IllustratorDictionary* Art::dictionary()
{
    if (!dictionary_ && valid_)
        dictionary_ = IllustratorDictionary::forArt(art_);
    return dictionary_;
}

IllustratorDictionary* Art::dictionaryRef()
{
    return retain(dictionary());
}

Path* Art::path()
{
    if (!path_)
        path_ = new Path(this);
    return path_;
}

bool Art::userAttr(int32_t hostMask) const
{
    int32_t attrs = 0;
    if (!valid_ || !artSuite || artSuite->getArtUserAttributes(art_, hostMask, &attrs) != 0)
        return false;
    return (hostMask & attrs) != 0;
}

void Art::setUserAttr(int32_t hostMask, bool value)
{
    if (!valid_ || !artSuite)
        return;
    if (artSuite->setArtUserAttributes(art_, hostMask, value ? hostMask : 0) != 0)
        return;
    if (!(hostMask & 0x9))
        return;
    int16_t t = type();
    if (t != qoraipArt_detail::group && t != qoraipArt_detail::compound)
        return;
    Art* first = firstChild();
    ArtIterator it(first);
    for (; !it.atEnd(); it.next())
        if (Art* child = it.current())
            child->setUserAttr(0x9, value);
    delete first;
}

void Art::select() { setUserAttr(0x9, true); }
void Art::deselect() { setUserAttr(0x9, false); }
bool Art::selected() const { return userAttr(0x1); }
void Art::setSelected(bool selected)
{
    if (selected)
        select();
    else
        deselect();
}
bool Art::fullySelected() const { return userAttr(0x8); }
bool Art::locked() const { return userAttr(0x2); }
void Art::setLocked(bool locked) { setUserAttr(0x2, locked); }
bool Art::hidden() const { return userAttr(0x4); }
void Art::setHidden(bool hidden) { setUserAttr(0x4, hidden); }
bool Art::editable() const { return valid_ && !locked(); }
void Art::setEditable(bool editable) { setLocked(!editable); }

bool Art::ancestorSelected() const
{
    for (Art* a = parent(); a;) {
        bool hit = a->selected();
        Art* up = hit ? nullptr : a->parent();
        delete a;
        if (hit)
            return true;
        a = up;
    }
    return false;
}

bool Art::ancestorLocked() const
{
    for (Art* a = parent(); a;) {
        bool hit = a->locked();
        Art* up = hit ? nullptr : a->parent();
        delete a;
        if (hit)
            return true;
        a = up;
    }
    return false;
}

bool Art::ancestorHidden() const
{
    for (Art* a = parent(); a;) {
        bool hit = a->hidden();
        Art* up = hit ? nullptr : a->parent();
        delete a;
        if (hit)
            return true;
        a = up;
    }
    return false;
}

double Art::scaleFactor()
{
    return Document::currentScaleFactor();
}

ArtboardRect Art::transformedBounds(const TransformMatrix* matrix, int32_t hostBits) const
{
    if (!valid_ || !artSuite)
        return ArtboardRect(0, 0, 0, 0);
    double s = scaleFactor();
    RealMatrix m{};
    if (matrix) {
        matrix->toHostMatrix(m);
        m.tx /= s;
        m.ty /= s;
    }
    RealRect r{0, 0, 0, 0};
    if (artSuite->getArtBounds(art_, matrix ? &m : nullptr, hostBits, &r) != 0)
        return ArtboardRect(0, 0, 0, 0);
    r = {r.left * s, r.top * s, r.right * s, r.bottom * s};
    return ArtboardRect(r);
}

ArtboardRect Art::bounds64() const { return transformedBounds(nullptr, 64); }
ArtboardRect Art::bounds66() const { return transformedBounds(nullptr, 66); }
ArtboardRect Art::boundsFlags(int32_t hostBits) const { return transformedBounds(nullptr, hostBits); }

void Art::updateBounds()
{
    if (valid_ && artSuite)
        artSuite->updateArtBounds(art_);
}

double Art::boundsX() const { return bounds66().origin.x; }
double Art::boundsY() const { return bounds66().origin.y; }
double Art::boundsWidth() const { return bounds66().size.width; }
double Art::boundsHeight() const { return bounds66().size.height; }

double Art::signedArea() const
{
    using namespace qoraipArt_detail;
    if (!valid_)
        return 0;
    int16_t t = type();
    switch (t) {
    case group:
    case compound:
    case mesh:
        return sumOverChildren(&Art::signedArea);
    case pathType:
        return const_cast<Art*>(this)->path()->area();
    case placed:
        return bounds66().area();
    case pluginGroup: {
        ArtHandle result = pluginGroupResult();
        return result ? Art(result).signedArea() : 0;
    }
    case symbolInstance: {
        std::unique_ptr<Art> d(symbolDefinition());
        if (!d)
            return 0;
        double defArea = d->bounds66().area();
        // A definition without area (a straight line) scales to nothing instead of 0/0.
        if (defArea == 0)
            return 0;
        return d->signedArea() * bounds66().area() / defArea;
    }
    default:
        return 0;
    }
}

double Art::sumOverChildren(double (Art::*measure)() const) const
{
    double sum = 0;
    Art* first = firstChild();
    ArtIterator it(first);
    for (; !it.atEnd(); it.next())
        if (Art* child = it.current())
            sum += (child->*measure)();
    delete first;
    return sum;
}

ArtHandle Art::pluginGroupResult() const
{
    ArtHandle result = nullptr;
    if (!pluginGroupSuite ||
        pluginGroupSuite->getPluginGroupResultArt(art_, &result) != 0)
        return nullptr;
    return result;
}

Art* Art::symbolDefinition() const
{
    std::unique_ptr<Symbol> s(symbol());
    return s ? s->art() : nullptr;
}

Symbol* Art::symbol() const
{
    SymbolHandle symbol = nullptr;
    if (!valid_ || !symbolSuite || type() != qoraipArt_detail::symbolInstance ||
        symbolSuite->getSymbolOfInstance(art_, &symbol) != 0 || !symbol)
        return nullptr;
    return new Symbol(symbol);
}

bool Art::setSymbol(const Symbol* symbol)
{
    return valid_ && symbol && symbolSuite && type() == qoraipArt_detail::symbolInstance &&
           symbolSuite->setSymbolOfInstance(art_, symbol->symbolHandle()) == 0;
}

double Art::area() const { return std::fabs(signedArea()); }

double Art::length() const
{
    using namespace qoraipArt_detail;
    if (!valid_)
        return 0;
    switch (type()) {
    case group:
    case compound:
    case mesh:
        return sumOverChildren(&Art::length);
    case pathType:
        return const_cast<Art*>(this)->path()->length();
    case placed:
        return bounds66().perimeter();
    case pluginGroup: {
        ArtHandle result = pluginGroupResult();
        return result ? Art(result).length() : 0;
    }
    case symbolInstance: {
        std::unique_ptr<Art> d(symbolDefinition());
        if (!d)
            return 0;
        ArtboardRect db = d->bounds66(), ib = bounds66();
        double defArea = db.area();
        if (defArea != 0)
            return d->length() * std::sqrt(ib.area() / defArea);
        // A flat definition scales by the ratio of its one non-zero extent.
        if (db.size.width != 0)
            return d->length() * std::fabs(ib.size.width / db.size.width);
        if (db.size.height != 0)
            return d->length() * std::fabs(ib.size.height / db.size.height);
        return d->length();
    }
    default:
        return 0;
    }
}

bool Art::centerPointVisible() const
{
    bool8 visible = 0;
    return valid_ && artSuite && artSuite->getArtCenterPointVisible(art_, &visible) == 0 && visible;
}

void Art::setCenterPointVisible(bool visible)
{
    if (valid_ && artSuite)
        artSuite->setArtCenterPointVisible(art_, visible ? 1 : 0);
}

Layer* Art::layer() const
{
    LayerHandle layer = nullptr;
    if (!valid_ || !artSuite || artSuite->getLayerOfArt(art_, &layer) != 0 || !layer)
        return nullptr;
    return new Layer(layer);
}

Art* Art::related(HostErr (*ArtSuite::*get)(ArtHandle, ArtHandle*)) const
{
    ArtHandle out = nullptr;
    if (!valid_ || !artSuite || (artSuite->*get)(art_, &out) != 0 || !out)
        return nullptr;
    return new Art(out);
}

Art* Art::parent() const { return related(&ArtSuite::getArtParent); }
Art* Art::firstChild() const { return related(&ArtSuite::getArtFirstChild); }
Art* Art::lastChild() const { return related(&ArtSuite::getArtLastChild); }
Art* Art::nextSibling() const { return related(&ArtSuite::getArtNextSibling); }
Art* Art::priorSibling() const { return related(&ArtSuite::getArtPriorSibling); }

int32_t Art::childCount() const
{
    Art* first = firstChild();
    if (!first)
        return 0;
    int32_t n = 0;
    {
        ArtIterator it(first);
        for (; !it.atEnd(); it.next())
            ++n;
    }
    delete first;
    return n;
}

bool Art::hasFill() const { return valid_ && artSuite && artSuite->artHasFill(art_); }
bool Art::hasStroke() const { return valid_ && artSuite && artSuite->artHasStroke(art_); }
bool Art::isStyledArt() const { return valid_ && artSuite && artSuite->isArtStyled(art_); }

ArtStyle* Art::artStyle() const
{
    ArtStyleHandle style = nullptr;
    if (!valid_ || !artStyleSuite || artStyleSuite->getArtStyle(art_, &style) != 0 || !style)
        return nullptr;
    return new ArtStyle(style);
}

void Art::setArtStyle(const ArtStyle* style)
{
    if (valid_ && artStyleSuite && style)
        artStyleSuite->setArtStyle(art_, style->hostHandle());
}

bool Art::isLayerGroup() const
{
    bool8 flag = 0;
    return valid_ && artSuite && artSuite->isArtLayerGroup(art_, &flag) == 0 && flag;
}

bool Art::groupClipped() const
{
    bool8 clipped = 0;
    return valid_ && groupSuite && type() == qoraipArt_detail::group &&
           groupSuite->getGroupClipped(art_, &clipped) == 0 && clipped;
}

bool Art::reorder(int32_t paintOrder, const Art* target)
{
    if (!valid_ || !artSuite)
        return false;
    ArtHandle where = nullptr;
    resolvePlacement(paintOrder, where, target);
    return artSuite->reorderArt(art_, paintOrder, where) == 0;
}

bool Art::expand(int32_t hostBits, int32_t steps)
{
    if (!valid_ || !expandSuite)
        return false;
    acquireSuite(uidUtilsSuite, kUIDUtilsSuiteName, kUIDUtilsSuiteVersion);
    acquireSuite(uidSuite, kUIDSuiteName, kUIDSuiteVersion);
    acquireSuite(uidrefSuite, kUIDREFSuiteName, kUIDREFSuiteVersion);
    UIDHandle uid = nullptr;
    UIDRefHandle ref = nullptr;
    if (uidUtilsSuite && uidUtilsSuite->getArtUID(art_, 1, &uid) == 0 && uid && uidSuite)
        uidSuite->newUIDRef(uid, &ref);
    bool ok = expandSuite->expandArt(art_, hostBits, steps) == 0;
    if (ok) {
        ArtHandle replacement = nullptr;
        if (ref && uidUtilsSuite->getArtOfUIDRef(ref, &replacement) == 0 && replacement)
            art_ = replacement;
    }
    if (ref && uidrefSuite)
        uidrefSuite->releaseUIDRef(ref);
    if (uid && uidSuite)
        uidSuite->releaseUID(uid);
    return ok;
}

void Art::artSuiteCall()
{
    if (valid_ && artSuite)
        artSuite->artQuery29(art_);
}

// ---- Transformations ----

void Art::transform(const TransformMatrix& matrix, bool flag)
{
    if (!valid_ || !transformArtSuite)
        return;
    double s = scaleFactor();
    RealMatrix m{};
    matrix.toHostMatrix(m);
    m.tx /= s;
    m.ty /= s;
    transformArtSuite->transformArt(art_, &m, 1.0, flag ? 65 : 1);
}

void Art::translate(double dx, double dy, bool flag)
{
    if (!valid_ || (dx == 0 && dy == 0))
        return;
    TransformMatrix m;
    m.setTranslation(dx, dy);
    transform(m, flag);
}

void Art::rotate(const geo::Angle& angle, const ArtboardPoint& origin, bool flag)
{
    if (!valid_ || angle.radians() == 0)
        return;
    TransformMatrix m;
    m.setTranslation(-origin.x, -origin.y);
    m.postRotate(angle);
    m.postTranslate(origin.x, origin.y);
    transform(m, flag);
}

void Art::scale(double sx, double sy, const ArtboardPoint& origin, bool flag)
{
    if (!valid_ || (sx == 1 && sy == 1))
        return;
    TransformMatrix m;
    m.setTranslation(-origin.x, -origin.y);
    m.postScale(sx, sy);
    m.postTranslate(origin.x, origin.y);
    transform(m, flag);
}

void Art::scaleUniform(double factor, const ArtboardPoint& origin, bool flag)
{
    scale(factor, factor, origin, flag);
}

void Art::rotateAbout(const geo::Angle& angle, int32_t refPoint, bool flag)
{
    if (!valid_ || angle.radians() == 0)
        return;
    rotate(angle, bounds66().pointAt(refPoint), flag);
}

void Art::scaleAbout(double sx, double sy, int32_t refPoint, bool flag)
{
    if (!valid_ || (sx == 1 && sy == 1))
        return;
    scale(sx, sy, bounds66().pointAt(refPoint), flag);
}

void Art::scaleUniformAbout(double factor, int32_t refPoint, bool flag)
{
    scaleAbout(factor, factor, refPoint, flag);
}

void Art::rotateAboutCenter(const geo::Angle& angle, bool flag)
{
    rotateAbout(angle, 5, flag);
}

void Art::scaleAboutCenter(double sx, double sy, bool flag)
{
    scaleAbout(sx, sy, 5, flag);
}

void Art::scaleUniformAboutCenter(double factor, bool flag)
{
    scaleUniformAbout(factor, 5, flag);
}

void Art::moveFromTo(const ArtboardPoint& target, const ArtboardPoint& source, bool flag)
{
    if (!valid_ || (target.x == source.x && target.y == source.y))
        return;
    TransformMatrix m;
    m.setTranslation(-source.x, -source.y);
    m.postTranslate(target.x, target.y);
    transform(m, flag);
}

void Art::moveBoundsPointTo(const ArtboardPoint& target, int32_t refPoint, bool flag)
{
    if (valid_)
        moveFromTo(target, bounds66().pointAt(refPoint), flag);
}

// ---- Isolation ----

Art* Art::isolationTarget() const
{
    if (!valid_ || !isolationModeSuite)
        return nullptr;
    for (Art* a = clone(); a;) {
        if (isolationModeSuite->isArtTheIsolatedArt(a->hostHandle()))
            return a;
        Art* up = a->parent();
        delete a;
        if (up && up->isLayerGroup()) {
            delete up;
            return nullptr;
        }
        a = up;
    }
    return nullptr;
}

bool Art::isolationQuery() const
{
    Art* target = isolationTarget();
    delete target;
    return target != nullptr;
}

bool Art::isolationSet(bool isolated)
{
    Art* target = isolationTarget();
    if (!target)
        return false;
    isolationModeSuite->setArtIsolated(target->hostHandle(), isolated ? 1 : 0);
    delete target;
    return true;
}

bool Art::inIsolatedArt() const
{
    if (!valid_ || !isolationModeSuite)
        return false;
    if (isolationModeSuite->isArtInIsolatedArt(art_))
        return true;
    Art* p = parent();
    if (!p)
        return false;
    bool result = !p->isLayerGroup() && p->inIsolatedArt();
    if (!result) {
        Illustrator* app = Illustrator::instance();
        Document* doc = app ? app->currentDocument() : nullptr;
        Art* isolated = doc ? doc->isolatedArt() : nullptr;
        if (isolated) {
            for (Art* a = p->clone(); a && !result;) {
                result = a->equals(isolated);
                Art* up = result ? nullptr : a->parent();
                delete a;
                a = up;
            }
        }
        delete isolated;
    }
    delete p;
    return result;
}

// ---- Matching art ----

utils::Vector<Art*> Art::matchingArt(const std::vector<MatchSpec>& specs) const
{
    utils::Vector<Art*> result;
    if (!valid_ || !matchingArtSuite || specs.empty())
        return result;
    std::vector<MatchSpec> copy(specs);
    ArtHandle* found = nullptr;
    int32_t count = 0;
    if (matchingArtSuite->getMatchingArtBelow(art_, copy.data(), static_cast<int16_t>(copy.size()), &found,
                                              &count) != 0)
        return result;
    for (int32_t k = 0; k < count; ++k)
        result.pushBack(new Art(found[k]));
    if (mdMemorySuite)
        mdMemorySuite->freeMemoryBlock(found);
    return result;
}

ArtIterator* Art::siblingIterator()
{
    return new ArtIterator(this);
}

}  // namespace aip
}  // namespace qor
