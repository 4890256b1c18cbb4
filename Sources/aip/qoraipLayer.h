// A layer of the host document, represented by its group art: the host layer handle is asked of the
// art suite each time it is needed.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class LayerIterator;

class Layer {
public:
    explicit Layer(LayerHandle layer);
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    virtual ~Layer();
    virtual Layer* clone() const;
    virtual LayerHandle hostHandle() const;
    virtual bool deleteLayer();
    virtual bool editable() const;
    virtual void setEditable(bool editable);
    virtual bool locked() const;
    virtual void setLocked(bool locked);
    virtual std::string title() const;
    virtual void setTitle(const std::string& title);
    virtual void show();
    virtual void hide();
    virtual bool visible() const;
    virtual void setVisible(bool visible);
    // The group art itself, still owned by the layer.
    virtual Art* layerArt() const;
    virtual bool isCurrent() const;
    virtual bool hasArt() const;
    virtual bool hasSelectedArt() const;
    // Deselects the art of every sublayer, depth first, then this layer's own art.
    virtual void deselectArt();
    // Red, green and blue 0-1 from the host's 16-bit channels.
    virtual void color(double& red, double& green, double& blue) const;
    virtual void setColor(double red, double green, double blue);
    virtual Layer* parent() const;
    virtual Layer* firstSublayer() const;
    virtual Layer* nextLayer() const;
    virtual Layer* prevLayer() const;
    virtual Layer* layer() const;
    virtual bool preview() const;
    virtual void setPreview(bool preview);
    virtual bool printed() const;
    virtual void setPrinted(bool printed);
    virtual bool dimPlacedImages() const;
    virtual void setDimPlacedImages(bool dim);
    virtual bool equals(const Layer* other) const;
    virtual bool valid();
    // A new iterator (the caller's) over this layer and the layers after it; this layer must outlive it.
    virtual LayerIterator* layerIterator();

private:
    Layer() = default;
    Layer* related(HostErr (*LayerSuite::*get)(LayerHandle, LayerHandle*)) const;
    bool flag(HostErr (*LayerSuite::*get)(LayerHandle, bool8*)) const;
    void setFlag(HostErr (*LayerSuite::*set)(LayerHandle, bool8), bool value);

    bool valid_ = true;
    Art* group_ = nullptr;
};

// Walks a layer and the layers after it at the same level.
class LayerIterator {
public:
    explicit LayerIterator(Layer* start);
    LayerIterator(const LayerIterator&) = delete;
    LayerIterator& operator=(const LayerIterator&) = delete;
    virtual ~LayerIterator();

    bool atEnd() const;
    void next();
    // The current layer, not a copy.
    Layer* current() const { return current_; }

private:
    void drop(Layer* layer);

    Layer* start_;
    Layer* current_;
    Layer* previous_ = nullptr;
    Layer* next_ = nullptr;
};

}  // namespace aip
}  // namespace qor
