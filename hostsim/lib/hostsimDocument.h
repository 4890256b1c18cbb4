#pragma once
// A simulated document: its layer tree with the art tree below, views, artboards and the paint objects,
// dictionaries and unique ids that belong to it. The document owns every object it made; a disposed
// object stays allocated as a dead entry until the document closes, so its handle keeps failing.
#include "hostsimArt.h"

#include "hostapi/HostTypes.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace hostsim {

class Layer : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Layer;
  Layer(Document* doc, Art* group) : Object(kKind), doc(doc), group(group) {}

  Document* doc;
  Art* group;
  Layer* parent = nullptr;
  // Sublayers, topmost first.
  std::vector<Layer*> sublayers;
  std::string title;
  uint16_t color[3] = {0x4f4f, 0x8080, 0xffff};
  bool visible = true;
  bool editable = true;
  bool preview = true;
  bool printed = true;
  bool dimPlaced = false;

  bool hasArt() const;
  bool hasSelectedArt() const;
};

class View : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::View;
  View(Document* doc) : Object(kKind), doc(doc) {}

  Document* doc;
  Pt center;
  double zoom = 1;
  int32_t mode = 0;
  int32_t width = 800;
  int32_t height = 600;

  Rect bounds() const;
  // view = (artwork − centre) × zoom + half the window, y flipped, rounded to integers.
  void toView(Pt p, int32_t& x, int32_t& y) const;
  Pt toArtwork(int32_t x, int32_t y) const;
};

struct Artboard
{
  uint64_t serial = 0;
  Rect bounds;
  std::string name;
  Pt rulerOrigin;
};

class Document : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Document;
  explicit Document(std::string name);
  ~Document() override;

  std::string name;
  // Top-level layers, topmost first.
  std::vector<Layer*> layers;
  Layer* currentLayer = nullptr;
  std::vector<View*> views;
  std::vector<Artboard> artboards;
  int32_t activeArtboard = 0;
  // Attributes of the SVG root element, kept for output (width, height, viewBox, namespaces...).
  std::vector<std::pair<std::string, std::string>> svgRootAttrs;
  // Style sheets the SVG file links before its root (<?xml-stylesheet ...?>), as target and value.
  std::vector<std::pair<std::string, std::string>> svgProlog;
  // Isolation mode: the isolated art, or null.
  Art* isolated = nullptr;
  // The application's handle of this document when an application is running (its document list), and
  // the views of that list bound to this document's view state.
  DocumentHandle hostDocument = nullptr;
  std::vector<std::pair<DocViewHandle, View*>> hostViews;

  template <class T, class... A> T* make(A&&... args)
  {
    auto owned = std::make_unique<T>(std::forward<A>(args)...);
    T* raw = owned.get();
    objects_.push_back(std::move(owned));
    return raw;
  }

  Art* newArt(int16_t type) { return make<Art>(this, type); }
  Art* newPath(std::vector<Segment> segments, bool closed);
  // Paint orders: 1 above target, 2 below, 3 inside on top, 4 inside at the bottom, 5 above everything,
  // 6 below everything.
  bool place(Art* art, int32_t order, Art* target);
  // A new layer: above or below the relative layer (orders 1, 2), or at the top or bottom (5, 6).
  Layer* insertLayer(Layer* relative, int32_t order);
  bool deleteLayer(Layer* layer);
  // A sublayer without sublayers dissolves into a plain group of its parent layer.
  bool dissolveLayer(Layer* layer);
  Layer* addSublayer(Layer* parent, bool top);
  void disposeArt(Art* art);
  Art* duplicate(Art* art);
  void deselectAll();
  void selectAll();
  // Pre-order walk of the layers.
  std::vector<Layer*> allLayers() const;
  Layer* nextLayer(Layer* layer) const;
  Layer* prevLayer(Layer* layer) const;
  Layer* nextInPreOrder(Layer* layer) const;
  // Every live art below every layer, pre-order.
  template <class F> void forEachArt(F&& f) const
  {
    for (Layer* l : layers)
      walk(l->group, f);
  }
  Art* findById(const std::string& id) const;
  // The live objects of one kind (gradients, patterns, symbols...), in the order they were made.
  template <class T> std::vector<T*> live() const
  {
    std::vector<T*> out;
    for (const auto& o : objects_)
      if (o->kind() == T::kKind && !o->dead())
        out.push_back(static_cast<T*>(o.get()));
    return out;
  }
  // Closing kills the document and everything it made; the objects stay allocated so that pointers
  // kept elsewhere (properties, entries of other documents) can still see that they died.
  void close();
  uint64_t nextArtboardSerial() { return ++artboardSerial_; }

private:
  template <class F> static void walk(Art* a, F& f)
  {
    f(a);
    for (Art* c = a->first; c; c = c->next)
      walk(c, f);
  }
  std::vector<Layer*>& siblingsOf(Layer* layer);
  const std::vector<Layer*>& siblingsOf(Layer* layer) const;
  void placeLayerGroup(Layer* layer);

  std::deque<std::unique_ptr<Object>> objects_;
  uint64_t artboardSerial_ = 0;
};

} // namespace hostsim
