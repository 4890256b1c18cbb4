#include "hostsimDocument.h"

#include <algorithm>
#include <cmath>

namespace hostsim {

bool Layer::hasArt() const
{
  for (Art* c = group->first; c; c = c->next)
    if (!c->layer)
      return true;
  return false;
}

bool Layer::hasSelectedArt() const
{
  return group->anySelected();
}

Rect View::bounds() const
{
  double hw = width / 2.0 / zoom, hh = height / 2.0 / zoom;
  return {center.h - hw, center.v + hh, center.h + hw, center.v - hh};
}

void View::toView(Pt p, int32_t& x, int32_t& y) const
{
  x = static_cast<int32_t>(std::lround((p.h - center.h) * zoom + width / 2.0));
  y = static_cast<int32_t>(std::lround(-(p.v - center.v) * zoom + height / 2.0));
}

Pt View::toArtwork(int32_t x, int32_t y) const
{
  return {(x - width / 2.0) / zoom + center.h, -((y - height / 2.0) / zoom) + center.v};
}

Document::Document(std::string name) : Object(kKind), name(std::move(name)) {}

Document::~Document()
{
  // Objects die before the document's own slot, newest first.
  while (!objects_.empty())
    objects_.pop_back();
}

Art* Document::newPath(std::vector<Segment> segments, bool closed)
{
  Art* a = newArt(Art::kPath);
  a->segments = std::move(segments);
  a->closed = closed;
  return a;
}

bool Document::place(Art* art, int32_t order, Art* target)
{
  switch (order) {
  case 1:
  case 2:
    if (!target || !target->parent || target == art)
      return false;
    if (order == 1)
      art->insertBefore(target);
    else
      art->insertAfter(target);
    return true;
  case 3:
  case 4:
    if (!target || !target->isContainer() || target == art)
      return false;
    for (Art* a = target; a; a = a->parent)
      if (a == art)
        return false;
    if (order == 3)
      target->insertFirst(art);
    else
      target->insertLast(art);
    return true;
  case 5:
  case 6: {
    Layer* l = currentLayer ? currentLayer : (layers.empty() ? nullptr : layers.front());
    if (!l)
      return false;
    if (order == 5)
      l->group->insertFirst(art);
    else
      l->group->insertLast(art);
    return true;
  }
  default:
    return false;
  }
}

std::vector<Layer*>& Document::siblingsOf(Layer* layer)
{
  return layer->parent ? layer->parent->sublayers : layers;
}

const std::vector<Layer*>& Document::siblingsOf(Layer* layer) const
{
  return layer->parent ? layer->parent->sublayers : layers;
}

// Keeps a sublayer's group art among its parent's group children in the order of the sublayers.
void Document::placeLayerGroup(Layer* layer)
{
  if (!layer->parent)
    return;
  auto& sibs = layer->parent->sublayers;
  auto it = std::find(sibs.begin(), sibs.end(), layer);
  if (it + 1 != sibs.end())
    layer->group->insertBefore((*(it + 1))->group);
  else if (it != sibs.begin())
    layer->group->insertAfter((*(it - 1))->group);
  else
    layer->parent->group->insertFirst(layer->group);
}

Layer* Document::insertLayer(Layer* relative, int32_t order)
{
  Art* group = newArt(Art::kGroup);
  Layer* layer = make<Layer>(this, group);
  group->layer = layer;
  layer->title = "Layer " + std::to_string(allLayers().size() + 1);
  std::vector<Layer*>* sibs = &layers;
  size_t at = 0;
  if (relative && (order == 1 || order == 2)) {
    sibs = &siblingsOf(relative);
    at = std::find(sibs->begin(), sibs->end(), relative) - sibs->begin() + (order == 2 ? 1 : 0);
    layer->parent = relative->parent;
  } else if (order == 6) {
    at = layers.size();
  }
  sibs->insert(sibs->begin() + at, layer);
  placeLayerGroup(layer);
  if (!currentLayer)
    currentLayer = layer;
  return layer;
}

Layer* Document::addSublayer(Layer* parent, bool top)
{
  Art* group = newArt(Art::kGroup);
  Layer* layer = make<Layer>(this, group);
  group->layer = layer;
  layer->parent = parent;
  layer->title = "Layer " + std::to_string(allLayers().size() + 1);
  if (top)
    parent->sublayers.insert(parent->sublayers.begin(), layer);
  else
    parent->sublayers.push_back(layer);
  placeLayerGroup(layer);
  return layer;
}

bool Document::deleteLayer(Layer* layer)
{
  auto& sibs = siblingsOf(layer);
  auto it = std::find(sibs.begin(), sibs.end(), layer);
  if (it == sibs.end())
    return false;
  sibs.erase(it);
  for (Layer* sub : std::vector<Layer*>(layer->sublayers))
    deleteLayer(sub);
  disposeArt(layer->group);
  layer->kill();
  if (currentLayer == layer || (currentLayer && currentLayer->dead())) {
    auto all = allLayers();
    currentLayer = all.empty() ? nullptr : all.front();
  }
  return true;
}

bool Document::dissolveLayer(Layer* layer)
{
  if (!layer->parent || !layer->sublayers.empty())
    return false;
  auto& sibs = layer->parent->sublayers;
  sibs.erase(std::find(sibs.begin(), sibs.end(), layer));
  layer->group->layer = nullptr;
  if (currentLayer == layer)
    currentLayer = layer->parent;
  layer->kill();
  return true;
}

void Document::disposeArt(Art* art)
{
  if (isolated == art)
    isolated = nullptr;
  art->unlink();
  struct Kill
  {
    static void all(Art* a)
    {
      for (Art* c = a->first; c; c = c->next)
        all(c);
      a->kill();
    }
  };
  Kill::all(art);
}

Art* Document::duplicate(Art* art)
{
  Art* copy = newArt(art->type);
  copy->attrs = art->attrs;
  copy->segments = art->segments;
  copy->closed = art->closed;
  copy->guide = art->guide;
  copy->filled = art->filled;
  copy->stroked = art->stroked;
  copy->fillPaint = art->fillPaint;
  copy->strokePaint = art->strokePaint;
  copy->strokeWidth = art->strokeWidth;
  copy->evenOdd = art->evenOdd;
  copy->blendMode = art->blendMode;
  copy->opacity = art->opacity;
  copy->knockout = art->knockout;
  copy->clipGroup = art->clipGroup;
  copy->styled = art->styled;
  copy->symbol = art->symbol;
  copy->placement = art->placement;
  copy->style = art->style;
  copy->text = art->text;
  copy->svgAttrs = art->svgAttrs;
  for (Art* c = art->first; c; c = c->next)
    if (!c->layer)
      copy->insertLast(duplicate(c));
  return copy;
}

void Document::deselectAll()
{
  for (Layer* l : layers)
    l->group->clearSelection();
}

void Document::selectAll()
{
  forEachArt([](Art* a) {
    if (!a->layer)
      a->attrs |= Art::kSelected | Art::kFullySelected;
  });
}

std::vector<Layer*> Document::allLayers() const
{
  std::vector<Layer*> out;
  struct Walk
  {
    static void add(Layer* l, std::vector<Layer*>& out)
    {
      out.push_back(l);
      for (Layer* s : l->sublayers)
        add(s, out);
    }
  };
  for (Layer* l : layers)
    Walk::add(l, out);
  return out;
}

Layer* Document::nextLayer(Layer* layer) const
{
  const auto& sibs = siblingsOf(layer);
  auto it = std::find(sibs.begin(), sibs.end(), layer);
  return it == sibs.end() || it + 1 == sibs.end() ? nullptr : *(it + 1);
}

Layer* Document::prevLayer(Layer* layer) const
{
  const auto& sibs = siblingsOf(layer);
  auto it = std::find(sibs.begin(), sibs.end(), layer);
  return it == sibs.end() || it == sibs.begin() ? nullptr : *(it - 1);
}

Layer* Document::nextInPreOrder(Layer* layer) const
{
  auto all = allLayers();
  auto it = std::find(all.begin(), all.end(), layer);
  return it == all.end() || it + 1 == all.end() ? nullptr : *(it + 1);
}

void Document::close()
{
  for (auto& o : objects_)
    o->kill();
  kill();
}

Art* Document::findById(const std::string& id) const
{
  Art* found = nullptr;
  forEachArt([&](Art* a) {
    if (!found && a->svgId == id)
      found = a;
  });
  return found;
}

} // namespace hostsim
