// The client handle of a layer. All handles of one host layer share one reference-counted record
// (__IntLayerData) in the layer registry of CoreGlobals.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipLayer.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class Art;
class __IntLayerData;
class __IntLayerIterData;

class Layer {
public:
    class Iterator;

    // Joins or creates the record of the implementation's host layer; the implementation is deleted (and
    // the pointer nulled) when the record already has one.
    static Layer LayerFromImpl(aip::Layer*& impl);
    Layer(const Layer& other);

    virtual ~Layer();
    virtual Layer& assign(const Layer& other);
    virtual LayerHandle hostHandle() const;
    virtual bool isEmpty() const;
    virtual bool deleteLayer();
    virtual bool editable() const;
    virtual void setEditable(bool editable);
    virtual bool locked() const;
    virtual void setLocked(bool locked);
    virtual bool hasArt() const;
    virtual bool hasSelectedArt() const;
    virtual void deselectArt();
    // A new handle over a copy of the layer's group art, or null.
    virtual Art* firstArt() const;
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
    virtual bool dissolveSublayer();
    virtual std::string title() const;
    virtual void setTitle(const std::string& title);
    virtual void show();
    virtual void hide();
    virtual bool visible() const;
    virtual void setVisible(bool visible);
    virtual bool isCurrent() const;
    virtual bool equals(const Layer& other) const;
    virtual bool notEquals(const Layer& other) const;
    virtual bool valid() const;

    // An iterator over this layer and the layers after it at the same level; at its end at once for an
    // empty handle.
    Iterator begin() const;
    void begin(Iterator& out) const;

    __IntLayerData* data() const { return data_; }

private:
    Layer() = default;
    aip::Layer* impl() const;
    Layer* wrapNew(aip::Layer* impl) const;
    __IntLayerIterData* startIteration() const;
    void release();

    __IntLayerData* data_ = nullptr;
};

// Walks a layer and the layers after it at the same level.
class Layer::Iterator {
public:
    Iterator() = default;
    explicit Iterator(__IntLayerIterData* data) : data_(data) {}
    Iterator(const Iterator&) = delete;
    Iterator& operator=(const Iterator&) = delete;
    ~Iterator();

    bool atEnd() const;
    void next();
    // A new handle of the current layer, or null at the end.
    Layer* layer() const;

private:
    friend class Layer;
    __IntLayerIterData* data_ = nullptr;
};

class __IntLayerData {
public:
    virtual ~__IntLayerData() { delete impl; }
    int32_t count = 0;
    LayerHandle hostHandle = nullptr;
    aip::Layer* impl = nullptr;
};

Layer wrapLayer(aip::Layer* impl);

}  // namespace core
}  // namespace qor
