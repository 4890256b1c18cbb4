#include "core/qorcoreCurrentDocument.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreLayer.h"

namespace qor {
namespace core {

class __IntCurrDocData {
public:
    virtual ~__IntCurrDocData() = default;
};

namespace qorcoreCurrentDocument_detail {
aip::Document* document()
{
    aip::Illustrator* app = aip::Illustrator::instance();
    return app ? app->currentDocument() : nullptr;
}
}  // namespace qorcoreCurrentDocument_detail

CurrentDocument::CurrentDocument() : data_(new __IntCurrDocData())
{
    aip::acquireSuite(&aip::ateTextUtilSuite, kAteTextUtilSuiteName, kAteTextUtilSuiteVersion);
    aip::acquireSuite(aip::contextSuite, kContextSuiteName, kContextSuiteVersion);
    aip::acquireSuite(aip::isolationModeSuite, kIsolationModeSuiteName, kIsolationModeSuiteVersion);
    aip::acquireSuite(aip::pathStyleSuite, kPathStyleSuiteName, kPathStyleSuiteVersion);
    aip::acquireSuite(aip::patternSuite, kPatternSuiteName, kPatternSuiteVersion);
    aip::acquireSuite(aip::symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
}

CurrentDocument::~CurrentDocument()
{
    delete data_;
}

bool CurrentDocument::anyLayerHasSelectedArt() const
{
    aip::Document* doc = qorcoreCurrentDocument_detail::document();
    if (!doc)
        return false;
    // The count is unsigned: an empty document (or a failed count) asks no layer at all.
    uint32_t count = doc->layerCount();
    for (uint32_t i = 0; i < count; ++i) {
        aip::Layer* layer = doc->layerAt(i);
        bool selected = layer && layer->hasSelectedArt();
        delete layer;
        if (selected)
            return true;
    }
    return false;
}

void CurrentDocument::deselectAll() const
{
    if (aip::Document* doc = qorcoreCurrentDocument_detail::document())
        doc->deselectAll();
}

std::unique_ptr<Layer> CurrentDocument::firstLayer() const
{
    aip::Document* doc = qorcoreCurrentDocument_detail::document();
    aip::Layer* layer = doc ? doc->firstLayer() : nullptr;
    return layer ? std::make_unique<Layer>(wrapLayer(layer)) : nullptr;
}

std::unique_ptr<Layer> CurrentDocument::layerAt(int32_t index) const
{
    aip::Document* doc = qorcoreCurrentDocument_detail::document();
    aip::Layer* layer = doc ? doc->layerAt(static_cast<uint32_t>(index)) : nullptr;
    return layer ? std::make_unique<Layer>(wrapLayer(layer)) : nullptr;
}

int32_t CurrentDocument::layerCount() const
{
    aip::Document* doc = qorcoreCurrentDocument_detail::document();
    return doc ? static_cast<int32_t>(doc->layerCount()) : 0;
}

}  // namespace core
}  // namespace qor
