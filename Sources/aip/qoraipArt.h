// The host-facing implementation of an art object: it alone calls the art suites for one host art
// handle. Every host-facing operation returns the empty result once the art was disposed through it.
#pragma once

#include <cstdint>
#include <vector>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipTransformMatrix.h"
#include "geo/qorgeoAngle.h"
#include "hostapi/HostApi.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace aip {

class ArtIterator;
class ArtStyle;
class IllustratorDictionary;
class Layer;
class Path;
class Symbol;
class TextArt;
class UID;

class Art {
public:
    explicit Art(ArtHandle art);
    Art(const Art&) = delete;
    Art& operator=(const Art&) = delete;

    virtual ~Art();
    virtual ArtHandle hostHandle() const;
    virtual Art* clone() const;
    virtual bool dispose();
    // A copy placed by the paint order (1 above the target, 2 below, 3 inside on top, 4 inside at the
    // bottom, 5 above everything, 6 below everything); null when the host refuses.
    virtual Art* duplicate(int32_t paintOrder, const Art* target) const;
    virtual bool valid();
    virtual bool equals(const Art* other) const;
    // The host art type code.
    virtual int16_t type() const;
    // The art's unique id with one count for the caller, or null for a null handle.
    virtual UID* uid() const;
    virtual Path* path();
    virtual void select();
    virtual void deselect();
    virtual bool selected() const;
    virtual void setSelected(bool selected);
    virtual bool fullySelected() const;
    virtual bool editable() const;
    virtual void setEditable(bool editable);
    virtual bool locked() const;
    virtual void setLocked(bool locked);
    virtual bool hidden() const;
    virtual void setHidden(bool hidden);
    virtual bool ancestorSelected() const;
    virtual bool ancestorLocked() const;
    virtual bool ancestorHidden() const;
    virtual bool userAttr(int32_t hostMask) const;
    virtual void setUserAttr(int32_t hostMask, bool value);
    // The art's dictionary with one more count for the caller, or null.
    virtual IllustratorDictionary* dictionaryRef();
    virtual ArtboardRect bounds64() const;
    virtual ArtboardRect bounds66() const;
    virtual ArtboardRect boundsFlags(int32_t hostBits) const;
    virtual void updateBounds();
    virtual ArtboardRect transformedBounds(const TransformMatrix* matrix, int32_t hostBits) const;
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
    // The symbol of a symbol instance, new and owned by the caller, or null.
    virtual Symbol* symbol() const;
    // Only a symbol instance takes a symbol; true when the host did.
    virtual bool setSymbol(const Symbol* symbol);
    virtual bool hasFill() const;
    virtual bool hasStroke() const;
    virtual bool isLayerGroup() const;
    virtual bool groupClipped() const;
    // The art's style, new and owned by the caller, or null.
    virtual ArtStyle* artStyle() const;
    virtual void setArtStyle(const ArtStyle* style);
    virtual bool isStyledArt() const;
    virtual bool reorder(int32_t paintOrder, const Art* target);
    // Expands the art; the host replaces it, and this object follows the replacement through the art's
    // unique id.
    virtual bool expand(int32_t hostBits, int32_t steps);
    // Art Suite entry 29; its meaning is the host's.
    virtual void artSuiteCall();
    // Geometric operations: each builds a matrix in the host's upward y and hands it to transform; the
    // flag also transforms what the host's transform bit 64 selects.
    virtual void rotate(const geo::Angle& angle, const ArtboardPoint& origin, bool flag);
    virtual void rotateAbout(const geo::Angle& angle, int32_t refPoint, bool flag);
    virtual void rotateAboutCenter(const geo::Angle& angle, bool flag);
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
    virtual bool isolationQuery() const;
    virtual bool inIsolatedArt() const;
    virtual bool isolationSet(bool isolated);
    virtual ArtIterator* siblingIterator();
    // The art's dictionary, looked up on first use; the art holds one count of it.
    virtual IllustratorDictionary* dictionary();
    // The art's text part, made on first use and deleted with the art.
    virtual TextArt* textArt();

    // The art below or within this one that matches any host spec, as new implementations in the
    // host's order (empty when the host refuses).
    utils::Vector<Art*> matchingArt(const std::vector<MatchSpec>& specs) const;
    // Where duplicate and reorder put the art: the host order and target handle they finally use.
    void resolvePlacement(int32_t& order, ArtHandle& target, const Art* targetArt) const;
    // The current document's scale factor, 1.0 without a document.
    static double scaleFactor();

private:
    static void acquireSuites();
    Art* related(HostErr (*ArtSuite::*get)(ArtHandle, ArtHandle*)) const;
    double signedArea() const;
    // The sum of a measure over the children of a container art.
    double sumOverChildren(double (Art::*measure)() const) const;
    // The result art of a plug-in group, or null.
    ArtHandle pluginGroupResult() const;
    // The definition art of a symbol instance's symbol, new and owned by the caller, or null.
    Art* symbolDefinition() const;

    // The first art of the walk from this art up its parents for which the host's isolation entry 6
    // answers true; the walk stops at a layer group. A new implementation, or null.
    Art* isolationTarget() const;

    bool valid_ = true;
    ArtHandle art_;
    Path* path_ = nullptr;
    IllustratorDictionary* dictionary_ = nullptr;
    TextArt* textArt_ = nullptr;
};

}  // namespace aip
}  // namespace qor
