// The client handle of an art object. All handles of one host art share one reference-counted record
// (__IntArtData) kept in the art registry of CoreGlobals; the record owns the host-facing implementation
// and the facets. The path facet (Art::Path) reads and rewrites a path's segments.
#pragma once

#include <cstdint>
#include <vector>

#include "aip/qoraipArt.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardRect.h"
#include "core/qorcoreArtboardSegPoint.h"
#include "core/qorcoreBezier.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class __IntArtData;
class __IntArtIterData;
class ArtFacet;
class Layer;
struct TextArt;

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
    virtual bool userAttr(int32_t clientBits) const;
    virtual void setUserAttr(int32_t clientBits, bool value);
    virtual ArtboardRect bounds64() const;
    virtual ArtboardRect bounds66() const;
    virtual void updateBounds();
    virtual bool updateLink(bool force);
    virtual double boundsX() const;
    virtual double boundsY() const;
    virtual double boundsWidth() const;
    virtual double boundsHeight() const;
    virtual double length() const;
    virtual double area() const;
    virtual bool centerPointVisible() const;
    virtual void setCenterPointVisible(bool visible);
    virtual Layer* layer() const;
    virtual int32_t childCount() const;
    virtual Art* parent() const;
    virtual Art* firstChild() const;
    virtual Art* lastChild() const;
    virtual Art* nextSibling() const;
    virtual Art* priorSibling() const;
    virtual bool hasFill() const;
    virtual bool hasStroke() const;
    virtual bool isLayerGroup() const;
    virtual bool groupClipped() const;
    virtual bool reorder(int32_t paintOrder, const Art* target);
    // Expands the art (host expand bits, steps). The host replaces the art; the record follows the
    // replacement and is registered under its handle.
    virtual bool expand(int32_t hostBits, int32_t steps);

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

}  // namespace core
}  // namespace qor
