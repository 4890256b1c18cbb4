// The host-facing wrapper of the host's current document: its handle, the suites document work needs,
// its layers, views, artboards and isolated art, deselection, and the document scale factor. Owned and
// rebuilt by the host-application singleton; the cached layer, view and artboard live until the next
// call of their getter or the next change of document.
#pragma once

#include <cstdint>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class Artboard;
class DocumentView;
class Layer;

class Document
{
public:
  // Wraps the host's current document.
  Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document();

  DocumentHandle handle() const { return document; }
  double scaleFactor() const { return 1.0; }

  uint32_t layerCount() const;
  Layer* layerAt(uint32_t index) const;
  Layer* firstLayer() const;
  Layer* currentLayer();
  Layer* insertLayer(int32_t paintOrder, const Layer* relative) const;
  int32_t viewCount() const;
  DocumentView* viewAt(uint32_t index) const;
  DocumentView* currentView();
  int32_t artboardCount() const;
  Artboard* artboardAt(int32_t index) const;
  Artboard* currentArtboard();
  Art* isolatedArt() const;
  void deselectAll();

  // The scale factor of the host's current document; 1.0 (and hasDocument false) without one.
  static double currentScaleFactor(bool& hasDocument);
  static double currentScaleFactor();
  // Acquires the document suite at the version the host's version calls for, when not yet held.
  static void acquireDocumentSuite();

private:
  DocumentHandle document = nullptr;
  Layer* currentLayer_ = nullptr;
  DocumentView* currentView_ = nullptr;
  Artboard* currentArtboard_ = nullptr;
};

}  // namespace aip
}  // namespace qor
