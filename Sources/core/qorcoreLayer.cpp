#include "core/qorcoreLayer.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSharedRecord.h"

namespace qor {
namespace core {

namespace qorcoreLayer_detail {

// Layers are registered by their host handle.
struct LayerKey {
    static LayerHandle& of(__IntLayerData& r) { return r.hostHandle; }
    static const LayerHandle& of(const __IntLayerData& r) { return r.hostHandle; }
    static bool registrable(LayerHandle key) { return key != nullptr; }
};

using Records = SharedRecord<__IntLayerData, LayerHandle, LayerKey>;

}  // namespace qorcoreLayer_detail

class __IntLayerIterData {
public:
    virtual ~__IntLayerIterData()
    {
        delete walker;
        delete start;
    }
    aip::LayerIterator* walker = nullptr;
    aip::Layer* start = nullptr;
};

Layer Layer::LayerFromImpl(aip::Layer*& impl)
{
    Layer l;
    l.data_ = new __IntLayerData();
    l.data_->count = 1;
    CoreGlobals* globals = handleGlobals();
    LayerHandle key = impl ? impl->hostHandle() : nullptr;
    if (!impl || !key || !globals) {
        delete impl;
        impl = nullptr;
        return l;
    }
    l.data_ = qorcoreLayer_detail::Records::join(globals->layerRegistry, l.data_, key, impl);
    return l;
}

Layer wrapLayer(aip::Layer* impl) { return Layer::LayerFromImpl(impl); }

Layer::Layer(const Layer& other) : data_(qorcoreLayer_detail::Records::share(other.data_)) {}

void Layer::release()
{
    if (CoreGlobals* globals = handleGlobals())
        qorcoreLayer_detail::Records::release(globals->layerRegistry, data_);
}

Layer::~Layer()
{
    if (!handleGlobals())
        return;
    release();
    data_ = nullptr;
}

Layer& Layer::assign(const Layer& other)
{
    CoreGlobals* globals = handleGlobals();
    qorcoreLayer_detail::Records::assign(globals ? &globals->layerRegistry : nullptr, data_, other.data_);
    return *this;
}

aip::Layer* Layer::impl() const { return data_ ? data_->impl : nullptr; }

Layer* Layer::wrapNew(aip::Layer* impl) const { return impl ? new Layer(LayerFromImpl(impl)) : nullptr; }

LayerHandle Layer::hostHandle() const { return impl() ? impl()->hostHandle() : nullptr; }
bool Layer::isEmpty() const { return !data_ || !data_->impl; }
bool Layer::deleteLayer() { return impl() && impl()->deleteLayer(); }
bool Layer::editable() const { return impl() && impl()->editable(); }

void Layer::setEditable(bool editable)
{
    if (aip::Layer* i = impl())
        i->setEditable(editable);
}

bool Layer::locked() const { return impl() && impl()->locked(); }

void Layer::setLocked(bool locked)
{
    if (aip::Layer* i = impl())
        i->setLocked(locked);
}

bool Layer::hasArt() const { return impl() && impl()->hasArt(); }
bool Layer::hasSelectedArt() const { return impl() && impl()->hasSelectedArt(); }

void Layer::deselectArt()
{
    if (aip::Layer* i = impl())
        i->deselectArt();
}

Art* Layer::firstArt() const
{
    aip::Layer* i = impl();
    aip::Art* group = i ? i->layerArt() : nullptr;
    if (!group)
        return nullptr;
    return new Art(wrapArt(group->clone()));
}

Layer* Layer::parent() const { return impl() ? wrapNew(impl()->parent()) : nullptr; }
Layer* Layer::firstSublayer() const { return impl() ? wrapNew(impl()->firstSublayer()) : nullptr; }
Layer* Layer::nextLayer() const { return impl() ? wrapNew(impl()->nextLayer()) : nullptr; }
Layer* Layer::prevLayer() const { return impl() ? wrapNew(impl()->prevLayer()) : nullptr; }
Layer* Layer::layer() const { return impl() ? wrapNew(impl()->layer()) : nullptr; }
bool Layer::preview() const { return impl() && impl()->preview(); }

void Layer::setPreview(bool preview)
{
    if (aip::Layer* i = impl())
        i->setPreview(preview);
}

bool Layer::printed() const { return impl() && impl()->printed(); }

void Layer::setPrinted(bool printed)
{
    if (aip::Layer* i = impl())
        i->setPrinted(printed);
}

bool Layer::dimPlacedImages() const { return impl() && impl()->dimPlacedImages(); }

void Layer::setDimPlacedImages(bool dim)
{
    if (aip::Layer* i = impl())
        i->setDimPlacedImages(dim);
}

bool Layer::dissolveSublayer()
{
    CoreGlobals* globals = handleGlobals();
    aip::Layer* i = impl();
    if (!globals || !i || !aip::layerSuite)
        return false;
    LayerHandle handle = i->hostHandle();
    LayerHandle parent = nullptr, child = nullptr;
    if (aip::layerSuite->getParentLayer(handle, &parent) != 0 || !parent)
        return false;
    if (aip::layerSuite->getFirstSublayer(handle, &child) != 0 || child)
        return false;
    if (aip::layerSuite->dissolveSublayer(handle) != 0)
        return false;
    globals->layerRegistry.remove(data_->hostHandle);
    delete data_->impl;
    data_->impl = nullptr;
    data_->hostHandle = nullptr;
    return true;
}

std::string Layer::title() const { return impl() ? impl()->title() : std::string(); }

void Layer::setTitle(const std::string& title)
{
    if (aip::Layer* i = impl())
        i->setTitle(title);
}

void Layer::show()
{
    if (aip::Layer* i = impl())
        i->show();
}

void Layer::hide()
{
    if (aip::Layer* i = impl())
        i->hide();
}

bool Layer::visible() const { return impl() && impl()->visible(); }

void Layer::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

bool Layer::isCurrent() const { return impl() && impl()->isCurrent(); }

bool Layer::equals(const Layer& other) const
{
    if (!data_)
        return !other.data_;
    if (!other.data_)
        return false;
    if (!data_->impl)
        return !other.data_->impl;
    if (!other.data_->impl)
        return false;
    return data_->impl->equals(other.data_->impl);
}

bool Layer::notEquals(const Layer& other) const { return !equals(other); }
bool Layer::valid() const { return impl() && impl()->valid(); }

__IntLayerIterData* Layer::startIteration() const
{
    auto* data = new __IntLayerIterData();
    // The walk starts at a copy of this layer, so that it outlives this handle.
    if (aip::Layer* i = impl()) {
        data->start = i->clone();
        data->walker = data->start->layerIterator();
    }
    return data;
}

Layer::Iterator Layer::begin() const { return Iterator(startIteration()); }

void Layer::begin(Iterator& out) const
{
    delete out.data_;
    out.data_ = startIteration();
}

Layer::Iterator::~Iterator() { delete data_; }

bool Layer::Iterator::atEnd() const { return !data_ || !data_->walker || data_->walker->atEnd(); }

void Layer::Iterator::next()
{
    if (data_ && data_->walker)
        data_->walker->next();
}

Layer* Layer::Iterator::layer() const
{
    if (atEnd() || !data_->walker->current())
        return nullptr;
    aip::Layer* copy = data_->walker->current()->clone();
    return new Layer(LayerFromImpl(copy));
}

}  // namespace core
}  // namespace qor
