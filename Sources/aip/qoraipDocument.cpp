#include "aip/qoraipDocument.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipArtboard.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

void Document::acquireDocumentSuite()
{
  if (documentSuite)
    return;
  acquireSuite(runtimeSuite, kRuntimeSuiteName, kRuntimeSuiteVersion);
  int32_t version = kDocumentSuiteVersion16;
  if (runtimeSuite && runtimeSuite->getMajorVersion() == 24) {
    int32_t minor = runtimeSuite->getMinorVersion();
    if (minor != 0 && minor != 1)
      version = kDocumentSuiteVersion19;
  }
  acquireSuite(documentSuite, kDocumentSuiteName, version);
}

Document::Document()
{
  acquireSuite(artStyleSuite, kArtStyleSuiteName, kArtStyleSuiteVersion);
  acquireSuite(documentViewSuite, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  acquireSuite(gradientSuite, kGradientSuiteName, kGradientSuiteVersion);
  acquireSuite(isolationModeSuite, kIsolationModeSuiteName, kIsolationModeSuiteVersion);
  acquireSuite(layerSuite, kLayerSuiteName, kLayerSuiteVersion);
  acquireSuite(matchingArtSuite, kMatchingArtSuiteName, kMatchingArtSuiteVersion);
  acquireSuite(mdMemorySuite, kMdMemorySuiteName, kMdMemorySuiteVersion);
  acquireSuite(pathStyleSuite, kPathStyleSuiteName, kPathStyleSuiteVersion);
  acquireSuite(patternSuite, kPatternSuiteName, kPatternSuiteVersion);
  acquireSuite(symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
  acquireDocumentSuite();
  acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  acquireSuite(filePathSuite, kFilePathSuiteName, kFilePathSuiteVersion);
  acquireSuite(artboardSuite, kArtboardSuiteName, kArtboardSuiteVersion);
  if (documentSuite)
    documentSuite->getCurrentDocument(&document);
}

Document::~Document()
{
  delete currentLayer_;
  delete currentView_;
  delete currentArtboard_;
}

double Document::currentScaleFactor(bool& hasDocument)
{
  Illustrator* app = Illustrator::instance();
  Document* doc = app ? app->currentDocument() : nullptr;
  hasDocument = doc != nullptr;
  return doc ? doc->scaleFactor() : 1.0;
}

double Document::currentScaleFactor()
{
  bool hasDocument = false;
  return currentScaleFactor(hasDocument);
}

uint32_t Document::layerCount() const
{
  int32_t count = 0;
  if (layerSuite)
    layerSuite->countLayers(&count);
  return count > 0 ? static_cast<uint32_t>(count) : 0;
}

Layer* Document::layerAt(uint32_t index) const
{
  if (!layerSuite || index >= layerCount())
    return nullptr;
  LayerHandle layer = nullptr;
  if (layerSuite->getNthLayer(static_cast<int32_t>(index), &layer) != 0 || !layer)
    return nullptr;
  return new Layer(layer);
}

Layer* Document::firstLayer() const
{
  LayerHandle layer = nullptr;
  if (!layerSuite || layerSuite->getFirstLayer(&layer) != 0 || !layer)
    return nullptr;
  return new Layer(layer);
}

Layer* Document::currentLayer()
{
  delete currentLayer_;
  currentLayer_ = nullptr;
  LayerHandle layer = nullptr;
  if (layerSuite && layerSuite->getCurrentLayer(&layer) == 0 && layer)
    currentLayer_ = new Layer(layer);
  return currentLayer_;
}

Layer* Document::insertLayer(int32_t paintOrder, const Layer* relative) const
{
  LayerHandle layer = nullptr;
  LayerHandle rel = relative ? relative->hostHandle() : nullptr;
  if (!layerSuite || layerSuite->insertLayer(rel, paintOrder, &layer) != 0 || !layer)
    return nullptr;
  return new Layer(layer);
}

int32_t Document::viewCount() const
{
  int32_t count = 0;
  if (!documentViewSuite || documentViewSuite->countViews(&count) != 0)
    return 0;
  return count;
}

DocumentView* Document::viewAt(uint32_t index) const
{
  int32_t count = 0;
  if (!documentViewSuite || documentViewSuite->countViews(&count) != 0 || count < 0 ||
      index >= static_cast<uint32_t>(count))
    return nullptr;
  DocViewHandle view = nullptr;
  if (documentViewSuite->getNthView(static_cast<int32_t>(index), &view) != 0 || !view)
    return nullptr;
  return new DocumentView(view);
}

DocumentView* Document::currentView()
{
  delete currentView_;
  currentView_ = viewAt(0);
  return currentView_;
}

int32_t Document::artboardCount() const
{
  ai::HostArtboardList list;
  int32_t count = 0;
  if (list.ok() && artboardSuite)
    artboardSuite->countArtboards(list.holder(), &count);
  return count;
}

Artboard* Document::artboardAt(int32_t index) const
{
  if (index < 0 || index >= artboardCount())
    return nullptr;
  return new Artboard(index);
}

Artboard* Document::currentArtboard()
{
  delete currentArtboard_;
  currentArtboard_ = nullptr;
  ai::HostArtboardList list;
  int32_t index = 0;
  if (list.ok() && artboardSuite && artboardSuite->getActiveArtboardIndex(list.holder(), &index) == 0)
    currentArtboard_ = new Artboard(index);
  return currentArtboard_;
}

Art* Document::isolatedArt() const
{
  if (!isolationModeSuite || isolationModeSuite->isInIsolationMode() == 0)
    return nullptr;
  ArtHandle art = nullptr;
  if (isolationModeSuite->getIsolatedArt(&art, nullptr) != 0 || !art)
    return nullptr;
  return new Art(art);
}

void Document::deselectAll()
{
  if (documentSuite)
    documentSuite->deselectAllArt();
  Layer* first = firstLayer();
  if (!first)
    return;
  LayerIterator it(first);
  for (; !it.atEnd(); it.next())
    if (Layer* layer = it.current())
      layer->deselectArt();
  delete first;
}

}  // namespace aip
}  // namespace qor
