// The host-facing implementation of an art object: it alone calls the art suites for one host art
// handle. Every host-facing operation returns the empty result once the art was disposed through it.
#pragma once

#include <cstdint>

#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipTransformMatrix.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class ArtIterator;
class Layer;
class Path;

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
    virtual bool hasFill() const;
    virtual bool hasStroke() const;
    virtual bool isLayerGroup() const;
    virtual bool groupClipped() const;
    virtual bool isStyledArt() const;
    virtual bool reorder(int32_t paintOrder, const Art* target);
    // Expands the art; the host replaces it, and this object follows the replacement through the art's
    // unique id.
    virtual bool expand(int32_t hostBits, int32_t steps);
    virtual ArtIterator* siblingIterator();

private:
    static void acquireSuites();
    Art* related(HostErr (*ArtSuite::*get)(ArtHandle, ArtHandle*)) const;
    double signedArea() const;
    // The sum of a measure over the children of a container art.
    double sumOverChildren(double (Art::*measure)() const) const;
    // The result art of a plug-in group, or null.
    ArtHandle pluginGroupResult() const;
    // The definition art of a symbol instance, or null.
    ArtHandle symbolDefinition() const;

    bool valid_ = true;
    ArtHandle art_;
    Path* path_ = nullptr;
};

}  // namespace aip
}  // namespace qor
