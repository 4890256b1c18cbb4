// The client handle of an art object. All handles of one host art share one reference-counted record
// (__IntArtData) kept in the art registry of CoreGlobals; the record owns the host-facing implementation
// and the facets. The path facet (Art::Path) reads and rewrites a path's segments.
#pragma once

#include <cstdint>
#include <vector>

#include "aip/qoraipArt.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardRect.h"
#include "core/qorcoreArtboardSegPoint.h"
#include "core/qorcoreBezier.h"
#include "core/qorcoreTransformMatrix.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class __IntArtData;
class __IntArtIterData;
class ArtFacet;
class ArtStyle;
class Artboard;
class Layer;
class Symbol;
class UID;
struct TextArt;
namespace ai {
class Dictionary;
}

// Client art type codes.
enum ArtType : int32_t {
    ArtTypeNone = 0,
    ArtTypeGroup = 100,
    ArtTypePath = 110,
    ArtTypeCompoundPath = 120,
    ArtTypePlaced = 200,
    ArtTypeRaster = 300,
    ArtTypePluginGroup = 310,
    ArtTypeMesh = 320,
    ArtTypeTextFrame = 330,
    ArtTypeSymbolInstance = 340,
    ArtTypeForeign = 350,
    ArtTypeLegacyText = 360,
};

// Where new or moved art goes relative to a target art.
enum PaintOrder : int32_t {
    PaintOrderAbove = 100,
    PaintOrderBelow = 110,
    PaintOrderInsideOnTop = 120,
    PaintOrderInsideAtBottom = 130,
    PaintOrderAboveAll = 140,
    PaintOrderBelowAll = 150,
};

// Client blend modes: 10 × (host mode + 1) for the host's modes 0 to 15.
enum BlendMode : int32_t {
    BlendModeNone = 0,
    BlendModeNormal = 10,
    BlendModeLast = 160,
};

enum KnockoutState : int32_t {
    KnockoutUnknown = 0,
    KnockoutOff = 10,
    KnockoutOn = 20,
    KnockoutInherited = 100,
};

// Client bits of bounds queries (boundsFlags, transformedBounds).
enum BoundsOptions : int32_t {
    BoundsOption1 = 0x1,
    BoundsOption2 = 0x2,
    BoundsOption4 = 0x4,
    BoundsOption8 = 0x8,
    BoundsOption10 = 0x10,
    BoundsOption20 = 0x20,
    BoundsOption40 = 0x40,
    BoundsOption80 = 0x80,
};

// Client bits of art attributes (userAttr, setUserAttr); artAttributesToHost gives the host's bits.
enum ArtAttribute : int32_t {
    ArtAttributeNone = 0,
    ArtAttributeSelected = 0x1,
    ArtAttributeFullySelected = 0x2,
    ArtAttributeLocked = 0x4,
    ArtAttributeHidden = 0x8,
    ArtAttribute10 = 0x10,
    ArtAttribute20 = 0x20,
    ArtAttributeClipMask = 0x40,
    ArtAttribute80 = 0x80,
    ArtAttribute100 = 0x100,
    ArtAttribute200 = 0x200,
    ArtAttribute400 = 0x400,
    ArtAttribute800 = 0x800,
};

// Client bits of expand; expandOptionsToHost gives the host's bits.
enum ExpandOptions : int32_t {
    ExpandNone = 0,
    ExpandOption1 = 0x1,
    ExpandOption2 = 0x2,
    ExpandOption4 = 0x4,
    ExpandOption8 = 0x8,
    ExpandOption10 = 0x10,
    ExpandOption20 = 0x20,
    ExpandOption40 = 0x40,
    ExpandOption80 = 0x80,
    ExpandOption100 = 0x100,
    ExpandOption200 = 0x200,
};

// Client bits of transformWithFlags; transformOptionsToHost gives the host's bits.
enum TransformOptions : int32_t {
    TransformNone = 0,
    TransformOption1 = 0x1,
    TransformOption2 = 0x2,
    TransformOption4 = 0x4,
    TransformOption8 = 0x8,
    TransformOption10 = 0x10,
    TransformOption20 = 0x20,
    TransformOption40 = 0x40,
    TransformOption80 = 0x80,
};

// Combining bits keeps the named type.
constexpr ArtAttribute operator|(ArtAttribute a, ArtAttribute b) { return ArtAttribute(int32_t(a) | int32_t(b)); }
constexpr ExpandOptions operator|(ExpandOptions a, ExpandOptions b) { return ExpandOptions(int32_t(a) | int32_t(b)); }
constexpr TransformOptions operator|(TransformOptions a, TransformOptions b)
{
    return TransformOptions(int32_t(a) | int32_t(b));
}

// The host bits of client expand and transform options; bits without a row are dropped.
int32_t expandOptionsToHost(ExpandOptions options);
int32_t transformOptionsToHost(TransformOptions options);

// One record of a matching-art query: art type bits (-1 for any art), client attribute bits and
// whether they must be set (10) or clear (20).
struct ArtMatchSpec {
    int32_t reserved = 0;
    int32_t typeMask = 0;
    int32_t attributes = 0;
    int32_t mode = 10;
};

enum ArtMatchMode : int32_t {
    ArtMatchSet = 10,
    ArtMatchClear = 20,
};

class Art {
public:
    class Path;
    class Iterator;

    explicit Art(ArtHandle art);
    Art(const Art& other);
    static Art ArtEmpty();
    // Takes the implementation over; when its host art already has a record, the implementation is
    // deleted and the pointer nulled, and the handle joins the record.
    static Art ArtFromImpl(aip::Art*& impl);

    virtual ~Art();
    virtual Art& assign(const Art& other);
    virtual bool dispose();
    virtual bool disposeChildren();
    // A copy placed by the paint order (codes of Part of the placement table: 1 above ... 6 below all).
    virtual Art* duplicate(int32_t paintOrder, const Art* target) const;
    virtual ArtHandle hostHandle() const;
    virtual bool isEmpty() const;
    virtual bool valid() const;
    virtual bool equals(const Art& other) const;
    virtual bool notEquals(const Art& other) const;
    virtual ArtType type() const;
    // A new handle of the art's unique id, owned by the caller, or null.
    virtual UID* uid() const;
    virtual ArtFacet* customArtFacet() const;
    virtual ArtFacet* maskFacet() const;
    virtual ArtFacet* meshFacet() const;
    virtual Path* path() const;
    virtual ArtFacet* placedFacet() const;
    virtual ArtFacet* rasterFacet() const;
    virtual TextArt* holderFacet() const;
    virtual void artSuiteCall() const;
    virtual void select();
    virtual void deselect();
    virtual bool selected() const;
    virtual bool fullySelected() const;
    virtual void setSelected(bool selected);
    virtual bool editable() const;
    virtual void setEditable(bool editable);
    virtual bool locked() const;
    virtual void setLocked(bool locked);
    virtual bool hidden() const;
    virtual void setHidden(bool hidden);
    virtual bool ancestorSelected() const;
    virtual bool ancestorLocked() const;
    virtual bool ancestorHidden() const;
    virtual int32_t attributes() const;
    virtual void setAttributes(int32_t bits);
    virtual bool userAttr(ArtAttribute clientBits) const;
    virtual void setUserAttr(ArtAttribute clientBits, bool value);
    // A new handle of the art's dictionary, owned by the caller, or null.
    virtual ai::Dictionary* dictionary() const;
    virtual ArtboardRect bounds64() const;
    virtual ArtboardRect bounds66() const;
    virtual ArtboardRect boundsFlags(int32_t options) const;
    virtual void updateBounds();
    virtual ArtboardRect transformedBounds(const TransformMatrix& matrix, int32_t options) const;
    virtual bool updateLink(bool force);
    virtual double boundsX() const;
    virtual double boundsY() const;
    virtual double boundsWidth() const;
    virtual double boundsHeight() const;
    virtual double length() const;
    virtual double area() const;
    virtual bool centerPointVisible() const;
    virtual void setCenterPointVisible(bool visible);
    // The artboard holding the largest part of the art (later artboards win ties), or null.
    virtual Artboard* mostOverlappingArtboard() const;
    // New handles of the artboards whose bounds touch the art's, in index order.
    virtual std::vector<Artboard*> artboards() const;
    virtual Layer* layer() const;
    virtual int32_t childCount() const;
    virtual Art* parent() const;
    virtual Art* firstChild() const;
    virtual Art* lastChild() const;
    virtual Art* nextSibling() const;
    virtual Art* priorSibling() const;
    // A new handle of a symbol instance's symbol, owned by the caller, or null.
    virtual Symbol* symbol() const;
    // True whenever the handle has an implementation; only a symbol instance changes.
    virtual bool setSymbol(const Symbol& symbol);
    virtual std::vector<Art*> matchingArt(const std::vector<ArtMatchSpec>& specs) const;
    virtual bool hasFill() const;
    virtual bool hasStroke() const;
    virtual bool isLayerGroup() const;
    virtual bool groupClipped() const;
    virtual void setGroupClipped(bool clipped);
    // A new handle of the art's style, owned by the caller, or null.
    virtual ArtStyle* artStyle() const;
    virtual void setArtStyle(const ArtStyle& style);
    virtual bool isStyledArt() const;
    virtual int32_t blendMode() const;
    virtual void setBlendMode(int32_t mode);
    // 1.0 for an empty handle.
    virtual double opacity() const;
    virtual void setOpacity(double opacity);
    virtual int32_t knockout() const;
    virtual int32_t inheritedKnockout() const;
    virtual void setKnockout(int32_t state);
    virtual bool reorder(int32_t paintOrder, const Art* target);
    // Expands the art (client expand options, steps). The host replaces the art; the record follows
    // the replacement and is registered under its handle.
    virtual bool expand(ExpandOptions options, int32_t steps);
    virtual void rotate(const Angle& angle, const ArtboardPoint& origin, bool flag);
    virtual void rotateAbout(const Angle& angle, int32_t refPoint, bool flag);
    virtual void rotateAboutCenter(const Angle& angle, bool flag);
    virtual void scale(double sx, double sy, const ArtboardPoint& origin, bool flag);
    virtual void scaleAbout(double sx, double sy, int32_t refPoint, bool flag);
    virtual void scaleAboutCenter(double sx, double sy, bool flag);
    virtual void scaleUniform(double factor, const ArtboardPoint& origin, bool flag);
    virtual void scaleUniformAbout(double factor, int32_t refPoint, bool flag);
    virtual void scaleUniformAboutCenter(double factor, bool flag);
    virtual void translate(double dx, double dy, bool flag);
    virtual void moveFromTo(const ArtboardPoint& target, const ArtboardPoint& source, bool flag);
    virtual void moveBoundsPointTo(const ArtboardPoint& target, int32_t refPoint, bool flag);
    virtual void transform(const TransformMatrix& matrix, bool flag);
    virtual void transformWithFlags(const TransformMatrix& matrix, TransformOptions options);
    virtual void scaleStrokes(double factor, bool flag);
    virtual bool isolationQuery() const;
    virtual bool inIsolatedArt() const;
    virtual bool isolationSet(bool isolated);

    void begin(Iterator& out) const;

    __IntArtData* data() const { return data_; }

private:
    Art() = default;
    aip::Art* impl() const;
    Art* wrapNew(aip::Art* impl) const;
    void release();

    __IntArtData* data_ = nullptr;
};

// The path facet of an art record.
class Art::Path {
public:
    explicit Path(__IntArtData* owner);
    Path(const Path&) = delete;
    Path& operator=(const Path&) = delete;

    int32_t segmentCount() const;
    int32_t bezierCount() const;
    bool closed() const;
    std::vector<ArtboardSegPoint> segments(int32_t first, int32_t count) const;
    Bezier* bezier(int32_t piece) const;
    void endPoints(ArtboardPoint& first, ArtboardPoint& last) const;
    void reverse();
    void removeSegments(int32_t first, int32_t count);
    void setClosed(bool closed);
    void setSegmentCount(int32_t count);
    void setBezierCount(int32_t count);
    void setSegments(int32_t first, const std::vector<ArtboardSegPoint>& points);
    void setSegmentsClosedAware(int32_t first, const std::vector<ArtboardSegPoint>& points);
    double area() const;
    double length() const;
    bool containsPoint(const ArtboardPoint& point) const;

private:
    aip::Path* impl() const;

    __IntArtData* owner_;
};

// Walks an art and its following siblings.
class Art::Iterator {
public:
    Iterator() = default;
    Iterator(const Iterator&) = delete;
    Iterator& operator=(const Iterator&) = delete;
    ~Iterator();

    bool atEnd() const;
    void next();
    // A new handle of the current art, or null at the end.
    Art* art() const;

private:
    friend class Art;
    __IntArtIterData* data_ = nullptr;
};

Art wrapArt(aip::Art* impl);
// The implementation of a handle's record, or null; no reference is taken.
aip::Art* prefDataImpl(const Art& art);
// Points an existing handle at the record of a new implementation (taken over); false for null.
bool assignFromImpl(Art& out, aip::Art* impl);

}  // namespace core
}  // namespace qor
