// Layer, document, view and artboard suites of the simulated host.
#include "hostsimDocumentSuites.h"
#include "hostsimWorkspace.h"

#include <algorithm>

namespace hostsim {

// An artboard list of the current document, taken by a client.
class ArtboardList : public Object {
public:
  static constexpr ObjKind kKind = ObjKind::ArtboardList;
  explicit ArtboardList(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
};

// Artboard properties: a snapshot that writes through to the artboard it was taken from.
class ArtboardProps : public Object {
public:
  static constexpr ObjKind kKind = ObjKind::ArtboardProps;
  ArtboardProps() : Object(kKind) {}
  Document* doc = nullptr;
  Artboard board;
  Artboard* source() const
  {
    if (!doc || board.serial == 0 || doc->dead())
      return nullptr;
    for (Artboard& a : doc->artboards)
      if (a.serial == board.serial)
        return &a;
    return nullptr;
  }
};

namespace hostsimLayerSuites_detail {

Document* current() { return Workspace::instance().current(); }
Layer* layer(LayerHandle h) { return lookup<Layer>(h); }
LayerHandle handleOf(const Layer* l) { return l ? static_cast<LayerHandle>(l->handle()) : nullptr; }

HostErr countLayers(int32_t* out)
{
  Document* doc = current();
  if (!doc || !out)
    return kErrParam;
  *out = static_cast<int32_t>(doc->layers.size());
  return 0;
}

HostErr getNthLayer(int32_t index, LayerHandle* out)
{
  Document* doc = current();
  if (!doc || !out || index < 0 || static_cast<size_t>(index) >= doc->layers.size())
    return kErrParam;
  *out = handleOf(doc->layers[index]);
  return 0;
}

HostErr getCurrentLayer(LayerHandle* out)
{
  Document* doc = current();
  if (!doc || !out || !doc->currentLayer)
    return kErrParam;
  *out = handleOf(doc->currentLayer);
  return 0;
}

HostErr getFirstLayer(LayerHandle* out)
{
  Document* doc = current();
  if (!doc || !out)
    return kErrParam;
  *out = handleOf(doc->layers.empty() ? nullptr : doc->layers.front());
  return doc->layers.empty() ? kErrNotFound : 0;
}

HostErr neighbour(LayerHandle h, LayerHandle* out, Layer* (*pick)(Layer*))
{
  Layer* l = layer(h);
  if (!l || !out)
    return kErrParam;
  *out = handleOf(pick(l));
  return 0;
}

HostErr getNextLayer(LayerHandle h, LayerHandle* out)
{
  return neighbour(h, out, [](Layer* l) { return l->doc->nextLayer(l); });
}
HostErr getPreviousLayer(LayerHandle h, LayerHandle* out)
{
  return neighbour(h, out, [](Layer* l) { return l->doc->prevLayer(l); });
}
HostErr getFirstSublayer(LayerHandle h, LayerHandle* out)
{
  return neighbour(h, out, [](Layer* l) { return l->sublayers.empty() ? nullptr : l->sublayers.front(); });
}
HostErr getParentLayer(LayerHandle h, LayerHandle* out)
{
  return neighbour(h, out, [](Layer* l) { return l->parent; });
}
HostErr getLayerPreorderNext(LayerHandle h, LayerHandle* out)
{
  return neighbour(h, out, [](Layer* l) { return l->doc->nextInPreOrder(l); });
}

HostErr insertLayer(LayerHandle relative, int32_t order, LayerHandle* out)
{
  Document* doc = current();
  Layer* rel = relative ? layer(relative) : nullptr;
  if (!doc || !out || (relative && (!rel || rel->doc != doc)))
    return kErrParam;
  if ((order == 1 || order == 2) ? !rel : (order != 5 && order != 6))
    return kErrParam;
  *out = handleOf(doc->insertLayer(rel, order));
  return 0;
}

HostErr deleteLayer(LayerHandle h)
{
  Layer* l = layer(h);
  if (!l)
    return kErrParam;
  return l->doc->deleteLayer(l) ? 0 : kErrParam;
}

HostErr getLayerTitle(LayerHandle h, HostString* out)
{
  Layer* l = layer(h);
  if (!l || !out)
    return kErrParam;
  return DocumentSuites::assignString(out, l->title);
}

HostErr setLayerTitle(LayerHandle h, HostString title)
{
  Layer* l = layer(h);
  std::string text;
  if (!l || !DocumentSuites::stringText(title, text))
    return kErrParam;
  l->title = text;
  return 0;
}

HostErr getLayerColor(LayerHandle h, Rgb16Color* out)
{
  return answer(layer(h), out, [&](Layer& l) -> Rgb16Color { return {l.color[0], l.color[1], l.color[2]}; });
}

HostErr setLayerColor(LayerHandle h, Rgb16Color color)
{
  Layer* l = layer(h);
  if (!l)
    return kErrParam;
  l->color[0] = color.red;
  l->color[1] = color.green;
  l->color[2] = color.blue;
  return 0;
}

HostErr getFlag(LayerHandle h, bool8* out, bool Layer::*flag)
{
  Layer* l = layer(h);
  if (!l || !out)
    return kErrParam;
  *out = l->*flag;
  return 0;
}

HostErr setFlag(LayerHandle h, bool8 value, bool Layer::*flag)
{
  Layer* l = layer(h);
  if (!l)
    return kErrParam;
  l->*flag = value != 0;
  return 0;
}

HostErr getLayerVisible(LayerHandle h, bool8* out) { return getFlag(h, out, &Layer::visible); }
HostErr setLayerVisible(LayerHandle h, bool8 v) { return setFlag(h, v, &Layer::visible); }
HostErr getLayerPreview(LayerHandle h, bool8* out) { return getFlag(h, out, &Layer::preview); }
HostErr setLayerPreview(LayerHandle h, bool8 v) { return setFlag(h, v, &Layer::preview); }
HostErr getLayerEditable(LayerHandle h, bool8* out) { return getFlag(h, out, &Layer::editable); }
HostErr setLayerEditable(LayerHandle h, bool8 v) { return setFlag(h, v, &Layer::editable); }
HostErr getLayerPrinted(LayerHandle h, bool8* out) { return getFlag(h, out, &Layer::printed); }
HostErr setLayerPrinted(LayerHandle h, bool8 v) { return setFlag(h, v, &Layer::printed); }
HostErr getLayerDimPlacedImages(LayerHandle h, bool8* out) { return getFlag(h, out, &Layer::dimPlaced); }
HostErr setLayerDimPlacedImages(LayerHandle h, bool8 v) { return setFlag(h, v, &Layer::dimPlaced); }

HostErr layerHasArt(LayerHandle h, bool8* out)
{
  return answer(layer(h), out, [&](Layer& l) { return l.hasArt(); });
}

HostErr layerHasSelectedArt(LayerHandle h, bool8* out)
{
  return answer(layer(h), out, [&](Layer& l) { return l.hasSelectedArt(); });
}

// Deselects the layer's own art; its sublayers are the caller's business.
HostErr deselectLayerArt(LayerHandle h)
{
  Layer* l = layer(h);
  if (!l)
    return kErrParam;
  for (Art* c = l->group->first; c; c = c->next)
    if (!c->layer)
      c->clearSelection();
  return 0;
}

HostErr dissolveSublayer(LayerHandle h)
{
  Layer* l = layer(h);
  if (!l)
    return kErrParam;
  return l->doc->dissolveLayer(l) ? 0 : kErrParam;
}

// ---- Documents ----

HostErr getCurrentDocument(DocumentHandle* out)
{
  Document* doc = current();
  if (!out)
    return kErrParam;
  if (!doc) {
    *out = nullptr;
    return kErrNotFound;
  }
  *out = static_cast<DocumentHandle>(doc->handle());
  return 0;
}

HostErr deselectAllArt()
{
  Document* doc = current();
  if (!doc)
    return kErrNotFound;
  doc->deselectAll();
  return 0;
}

HostErr countDocuments(int32_t* out)
{
  if (!out)
    return kErrParam;
  *out = static_cast<int32_t>(Workspace::instance().documents().size());
  return 0;
}

// ---- Views ----

View* view(DocViewHandle h) { return Workspace::instance().view(h); }

HostErr getViewBounds(DocViewHandle h, RealRect* out)
{
  View* v = view(h);
  if (!v || !out)
    return kErrParam;
  Rect r = v->bounds();
  *out = {r.left, r.top, r.right, r.bottom};
  return 0;
}

HostErr getViewCenter(DocViewHandle h, RealPoint* out)
{
  return answer(view(h), out, [&](View& v) -> RealPoint { return {v.center.h, v.center.v}; });
}

HostErr setViewCenter(DocViewHandle h, const RealPoint* center)
{
  View* v = view(h);
  if (!v || !center)
    return kErrParam;
  v->center = {center->h, center->v};
  return 0;
}

HostErr getViewZoom(DocViewHandle h, double* out)
{
  return answer(view(h), out, [&](View& v) { return v.zoom; });
}

HostErr setViewZoom(DocViewHandle h, double zoom)
{
  View* v = view(h);
  if (!v || !(zoom > 0) || zoom > 1e6)
    return kErrParam;
  v->zoom = zoom;
  return 0;
}

HostErr artworkPointToViewPoint(DocViewHandle h, const RealPoint* p, IntPoint* out)
{
  View* v = view(h);
  if (!v || !p || !out)
    return kErrParam;
  v->toView({p->h, p->v}, out->h, out->v);
  return 0;
}

HostErr viewPointToArtworkPoint(DocViewHandle h, const IntPoint* p, RealPoint* out)
{
  View* v = view(h);
  if (!v || !p || !out)
    return kErrParam;
  Pt a = v->toArtwork(p->h, p->v);
  *out = {a.h, a.v};
  return 0;
}

HostErr countViews(int32_t* out)
{
  Document* doc = current();
  if (!doc || !out)
    return kErrParam;
  *out = static_cast<int32_t>(doc->views.size());
  return 0;
}

HostErr getNthView(int32_t index, DocViewHandle* out)
{
  Document* doc = current();
  if (!doc || !out || index < 0 || static_cast<size_t>(index) >= doc->views.size())
    return kErrParam;
  *out = static_cast<DocViewHandle>(doc->views[index]->handle());
  return 0;
}

HostErr setViewMode(DocViewHandle h, int32_t mode)
{
  View* v = view(h);
  if (!v || mode < 0 || mode > 3)
    return kErrParam;
  v->mode = mode;
  return 0;
}

HostErr getViewMode(DocViewHandle h, int32_t* out)
{
  return answer(view(h), out, [&](View& v) { return v.mode; });
}

// ---- Artboards ----

ArtboardList* list(ArtboardListHolder* holder)
{
  if (!holder)
    return nullptr;
  ArtboardList* l = lookup<ArtboardList>(holder->ref);
  return l && !l->doc->dead() ? l : nullptr;
}

ArtboardProps* props(ArtboardPropsHolder* holder) { return holder ? lookup<ArtboardProps>(holder->ref) : nullptr; }

Document* owner()
{
  Document* doc = current();
  return doc ? doc : Workspace::instance().scratch();
}

HostErr initArtboardProperties(ArtboardPropsHolder* holder)
{
  if (!holder)
    return kErrParam;
  holder->ref = static_cast<ArtboardPropsRef>(owner()->make<ArtboardProps>()->handle());
  return 0;
}

HostErr disposeArtboardProperties(ArtboardPropsHolder* holder)
{
  ArtboardProps* p = props(holder);
  if (!p)
    return kErrParam;
  p->kill();
  holder->ref = nullptr;
  return 0;
}

HostErr getArtboardBounds(ArtboardPropsHolder* holder, RealRect* out)
{
  ArtboardProps* p = props(holder);
  if (!p || !out)
    return kErrParam;
  const Rect& r = p->board.bounds;
  *out = {r.left, r.top, r.right, r.bottom};
  return 0;
}

HostErr setArtboardBounds(ArtboardPropsHolder* holder, const RealRect* bounds)
{
  ArtboardProps* p = props(holder);
  if (!p || !bounds || !(bounds->right > bounds->left) || !(bounds->top > bounds->bottom))
    return kErrParam;
  p->board.bounds = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  if (Artboard* a = p->source())
    a->bounds = p->board.bounds;
  return 0;
}

HostErr getArtboardName(ArtboardPropsHolder* holder, HostString* out)
{
  ArtboardProps* p = props(holder);
  if (!p || !out)
    return kErrParam;
  return DocumentSuites::assignString(out, p->board.name);
}

HostErr setArtboardName(ArtboardPropsHolder* holder, HostString name)
{
  ArtboardProps* p = props(holder);
  std::string text;
  if (!p || !DocumentSuites::stringText(name, text))
    return kErrParam;
  p->board.name = text;
  if (Artboard* a = p->source())
    a->name = text;
  return 0;
}

HostErr getArtboardList(ArtboardListHolder* holder)
{
  Document* doc = current();
  if (!holder || !doc)
    return kErrParam;
  holder->ref = static_cast<ArtboardListRef>(doc->make<ArtboardList>(doc)->handle());
  return 0;
}

HostErr releaseArtboardList(ArtboardListHolder* holder)
{
  ArtboardList* l = holder ? lookup<ArtboardList>(holder->ref) : nullptr;
  if (!l)
    return kErrParam;
  l->kill();
  holder->ref = nullptr;
  return 0;
}

HostErr deleteArtboard(ArtboardListHolder* holder, int32_t index)
{
  ArtboardList* l = list(holder);
  if (!l || index < 0 || static_cast<size_t>(index) >= l->doc->artboards.size() || l->doc->artboards.size() < 2)
    return kErrParam;
  l->doc->artboards.erase(l->doc->artboards.begin() + index);
  int32_t& active = l->doc->activeArtboard;
  if (active > index || active >= static_cast<int32_t>(l->doc->artboards.size()))
    active = std::max(0, active - 1);
  return 0;
}

HostErr countArtboards(ArtboardListHolder* holder, int32_t* out)
{
  ArtboardList* l = list(holder);
  if (!l || !out)
    return kErrParam;
  *out = static_cast<int32_t>(l->doc->artboards.size());
  return 0;
}

HostErr getActiveArtboardIndex(ArtboardListHolder* holder, int32_t* out)
{
  ArtboardList* l = list(holder);
  if (!l || !out)
    return kErrParam;
  *out = l->doc->activeArtboard;
  return 0;
}

HostErr getArtboardProperties(ArtboardListHolder* holder, int32_t index, ArtboardPropsHolder* propsHolder)
{
  ArtboardList* l = list(holder);
  ArtboardProps* p = props(propsHolder);
  if (!l || !p || index < 0 || static_cast<size_t>(index) >= l->doc->artboards.size())
    return kErrParam;
  p->doc = l->doc;
  p->board = l->doc->artboards[index];
  return 0;
}

HostErr getArtboardRulerOrigin(ArtboardPropsHolder* holder, RealPoint* out)
{
  ArtboardProps* p = props(holder);
  if (!p || !out)
    return kErrParam;
  *out = {p->board.rulerOrigin.h, p->board.rulerOrigin.v};
  return 0;
}

HostErr setArtboardRulerOrigin(ArtboardPropsHolder* holder, const RealPoint* origin)
{
  ArtboardProps* p = props(holder);
  if (!p || !origin)
    return kErrParam;
  p->board.rulerOrigin = {origin->h, origin->v};
  if (Artboard* a = p->source())
    a->rulerOrigin = p->board.rulerOrigin;
  return 0;
}

} // namespace hostsimLayerSuites_detail

const LayerSuite& DocumentSuites::layer()
{
  using namespace hostsimLayerSuites_detail;
  static const LayerSuite table = [] {
    LayerSuite s{};
    s.countLayers = &countLayers;
    s.getNthLayer = &getNthLayer;
    s.getCurrentLayer = &getCurrentLayer;
    s.getFirstLayer = &getFirstLayer;
    s.getNextLayer = &getNextLayer;
    s.insertLayer = &insertLayer;
    s.deleteLayer = &deleteLayer;
    s.getLayerTitle = &getLayerTitle;
    s.setLayerTitle = &setLayerTitle;
    s.getLayerColor = &getLayerColor;
    s.setLayerColor = &setLayerColor;
    s.getLayerVisible = &getLayerVisible;
    s.setLayerVisible = &setLayerVisible;
    s.getLayerPreview = &getLayerPreview;
    s.setLayerPreview = &setLayerPreview;
    s.getLayerEditable = &getLayerEditable;
    s.setLayerEditable = &setLayerEditable;
    s.getLayerPrinted = &getLayerPrinted;
    s.setLayerPrinted = &setLayerPrinted;
    s.getLayerDimPlacedImages = &getLayerDimPlacedImages;
    s.setLayerDimPlacedImages = &setLayerDimPlacedImages;
    s.layerHasArt = &layerHasArt;
    s.layerHasSelectedArt = &layerHasSelectedArt;
    s.deselectLayerArt = &deselectLayerArt;
    s.getPreviousLayer = &getPreviousLayer;
    s.getFirstSublayer = &getFirstSublayer;
    s.getParentLayer = &getParentLayer;
    s.dissolveSublayer = &dissolveSublayer;
    s.getLayerPreorderNext = &getLayerPreorderNext;
    return s;
  }();
  return table;
}

const DocumentSuite& DocumentSuites::document()
{
  static const DocumentSuite table = [] {
    DocumentSuite s{};
    s.getCurrentDocument = &hostsimLayerSuites_detail::getCurrentDocument;
    s.deselectAllArt = &hostsimLayerSuites_detail::deselectAllArt;
    return s;
  }();
  return table;
}

const DocumentListSuite& DocumentSuites::documentList()
{
  static const DocumentListSuite table = [] {
    DocumentListSuite s{};
    s.countDocuments = &hostsimLayerSuites_detail::countDocuments;
    return s;
  }();
  return table;
}

const DocumentViewSuite& DocumentSuites::documentView()
{
  using namespace hostsimLayerSuites_detail;
  static const DocumentViewSuite table = [] {
    DocumentViewSuite s{};
    s.getViewBounds = &getViewBounds;
    s.getViewCenter = &getViewCenter;
    s.setViewCenter = &setViewCenter;
    s.getViewZoom = &getViewZoom;
    s.setViewZoom = &setViewZoom;
    s.artworkPointToViewPoint = &artworkPointToViewPoint;
    s.viewPointToArtworkPoint = &viewPointToArtworkPoint;
    s.countViews = &countViews;
    s.getNthView = &getNthView;
    s.setViewMode = &setViewMode;
    s.getViewMode = &getViewMode;
    return s;
  }();
  return table;
}

const ArtboardSuite& DocumentSuites::artboard()
{
  using namespace hostsimLayerSuites_detail;
  static const ArtboardSuite table = [] {
    ArtboardSuite s{};
    s.initArtboardProperties = &initArtboardProperties;
    s.disposeArtboardProperties = &disposeArtboardProperties;
    s.getArtboardBounds = &getArtboardBounds;
    s.setArtboardBounds = &setArtboardBounds;
    s.getArtboardName = &getArtboardName;
    s.setArtboardName = &setArtboardName;
    s.getArtboardList = &getArtboardList;
    s.releaseArtboardList = &releaseArtboardList;
    s.deleteArtboard = &deleteArtboard;
    s.countArtboards = &countArtboards;
    s.getActiveArtboardIndex = &getActiveArtboardIndex;
    s.getArtboardProperties = &getArtboardProperties;
    s.getArtboardRulerOrigin = &getArtboardRulerOrigin;
    s.setArtboardRulerOrigin = &setArtboardRulerOrigin;
    return s;
  }();
  return table;
}

} // namespace hostsim
