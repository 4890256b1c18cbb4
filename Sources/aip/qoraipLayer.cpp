#include "aip/qoraipLayer.h"

#include <cmath>

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

Layer::Layer(LayerHandle layer)
{
    acquireSuite(artSuite, kArtSuiteName, kArtSuiteVersion);
    acquireSuite(layerSuite, kLayerSuiteName, kLayerSuiteVersion);
    acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
    ArtHandle group = nullptr;
    if (artSuite && artSuite->getFirstArtOfLayer(layer, &group) == 0 && group)
        group_ = new Art(group);
}

Layer::~Layer()
{
    delete group_;
}

Layer* Layer::clone() const
{
    Layer* copy = new Layer();
    copy->valid_ = valid_;
    copy->group_ = group_ ? group_->clone() : nullptr;
    return copy;
}

LayerHandle Layer::hostHandle() const
{
    LayerHandle layer = nullptr;
    if (!valid_ || !group_ || !artSuite || artSuite->getLayerOfArt(group_->hostHandle(), &layer) != 0)
        return nullptr;
    return layer;
}

bool Layer::deleteLayer()
{
    if (!valid_)
        return false;
    bool ok = layerSuite && layerSuite->deleteLayer(hostHandle()) == 0;
    delete group_;
    group_ = nullptr;
    valid_ = false;
    return ok;
}

bool Layer::flag(HostErr (*LayerSuite::*get)(LayerHandle, bool8*)) const
{
    bool8 value = 0;
    return valid_ && layerSuite && (layerSuite->*get)(hostHandle(), &value) == 0 && value;
}

void Layer::setFlag(HostErr (*LayerSuite::*set)(LayerHandle, bool8), bool value)
{
    if (valid_ && layerSuite)
        (layerSuite->*set)(hostHandle(), value ? 1 : 0);
}

bool Layer::editable() const
{
    return flag(&LayerSuite::getLayerEditable) && group_ && group_->editable();
}

void Layer::setEditable(bool editable)
{
    if (!valid_)
        return;
    setFlag(&LayerSuite::setLayerEditable, editable);
    if (group_)
        group_->setEditable(editable);
}

bool Layer::locked() const { return !editable(); }
void Layer::setLocked(bool locked) { setEditable(!locked); }

std::string Layer::title() const
{
    if (!valid_ || !layerSuite)
        return std::string();
    ai::HostUnicodeString text;
    layerSuite->getLayerTitle(hostHandle(), text.resetAndGetAddress());
    return hostStringToUtf8(text);
}

void Layer::setTitle(const std::string& title)
{
    if (valid_ && layerSuite)
        layerSuite->setLayerTitle(hostHandle(), utf8ToHostString(title).handle());
}

void Layer::show() { setFlag(&LayerSuite::setLayerVisible, true); }
void Layer::hide() { setFlag(&LayerSuite::setLayerVisible, false); }
bool Layer::visible() const { return flag(&LayerSuite::getLayerVisible); }
void Layer::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

Art* Layer::layerArt() const { return valid_ ? group_ : nullptr; }

bool Layer::isCurrent() const
{
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    return doc && equals(doc->currentLayer());
}

bool Layer::hasArt() const { return flag(&LayerSuite::layerHasArt); }
bool Layer::hasSelectedArt() const { return flag(&LayerSuite::layerHasSelectedArt); }

void Layer::deselectArt()
{
    if (!valid_)
        return;
    if (Layer* sub = firstSublayer()) {
        {
            LayerIterator it(sub);
            for (; !it.atEnd(); it.next())
                if (Layer* l = it.current())
                    l->deselectArt();
        }
        delete sub;
    }
    if (layerSuite)
        layerSuite->deselectLayerArt(hostHandle());
}

void Layer::color(double& red, double& green, double& blue) const
{
    red = green = blue = 0;
    Rgb16Color c{0, 0, 0};
    if (!valid_ || !layerSuite)
        return;
    layerSuite->getLayerColor(hostHandle(), &c);
    red = c.red / 65535.0;
    green = c.green / 65535.0;
    blue = c.blue / 65535.0;
}

void Layer::setColor(double red, double green, double blue)
{
    if (!valid_ || !layerSuite)
        return;
    auto channel = [](double v) {
        double scaled = std::round(v * 65535.0);
        return static_cast<uint16_t>(scaled < 0 ? 0 : scaled > 65535 ? 65535 : scaled);
    };
    layerSuite->setLayerColor(hostHandle(), Rgb16Color{channel(red), channel(green), channel(blue)});
}

Layer* Layer::related(HostErr (*LayerSuite::*get)(LayerHandle, LayerHandle*)) const
{
    LayerHandle out = nullptr;
    if (!valid_ || !layerSuite || (layerSuite->*get)(hostHandle(), &out) != 0 || !out)
        return nullptr;
    return new Layer(out);
}

Layer* Layer::parent() const { return related(&LayerSuite::getParentLayer); }
Layer* Layer::firstSublayer() const { return related(&LayerSuite::getFirstSublayer); }
Layer* Layer::nextLayer() const { return related(&LayerSuite::getNextLayer); }
Layer* Layer::prevLayer() const { return related(&LayerSuite::getPreviousLayer); }
Layer* Layer::layer() const { return related(&LayerSuite::getLayerPreorderNext); }
bool Layer::preview() const { return flag(&LayerSuite::getLayerPreview); }
void Layer::setPreview(bool v) { setFlag(&LayerSuite::setLayerPreview, v); }
bool Layer::printed() const { return flag(&LayerSuite::getLayerPrinted); }
void Layer::setPrinted(bool v) { setFlag(&LayerSuite::setLayerPrinted, v); }
bool Layer::dimPlacedImages() const { return flag(&LayerSuite::getLayerDimPlacedImages); }
void Layer::setDimPlacedImages(bool v) { setFlag(&LayerSuite::setLayerDimPlacedImages, v); }

bool Layer::equals(const Layer* other) const
{
    return valid_ && other && hostHandle() == other->hostHandle();
}

bool Layer::valid()
{
    if (!valid_ || !group_)
        return false;
    valid_ = group_->valid();
    return valid_;
}

LayerIterator* Layer::layerIterator() { return new LayerIterator(this); }

LayerIterator::LayerIterator(Layer* start) : start_(start), current_(start)
{
    if (start) {
        previous_ = start->prevLayer();
        next_ = start->nextLayer();
    }
}

LayerIterator::~LayerIterator()
{
    drop(current_);
    drop(previous_);
    drop(next_);
}

void LayerIterator::drop(Layer* layer)
{
    if (layer != start_)
        delete layer;
}

bool LayerIterator::atEnd() const
{
    if (previous_)
        return !current_ && !next_;
    return !current_;
}

void LayerIterator::next()
{
    if (!current_ && !next_)
        return;
    Layer* oldPrevious = previous_;
    previous_ = current_;
    current_ = next_;
    next_ = current_ ? current_->nextLayer() : nullptr;
    drop(oldPrevious);
}

}  // namespace aip
}  // namespace qor
