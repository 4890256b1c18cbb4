#include "hostsimArt.h"

#include "hostsimDocument.h"

namespace hostsim {

void Art::unlink()
{
  if (parent) {
    if (parent->first == this)
      parent->first = next;
    if (parent->last == this)
      parent->last = prev;
  }
  if (prev)
    prev->next = next;
  if (next)
    next->prev = prev;
  parent = prev = next = nullptr;
}

void Art::insertFirst(Art* child)
{
  child->unlink();
  child->parent = this;
  child->next = first;
  if (first)
    first->prev = child;
  else
    last = child;
  first = child;
}

void Art::insertLast(Art* child)
{
  child->unlink();
  child->parent = this;
  child->prev = last;
  if (last)
    last->next = child;
  else
    first = child;
  last = child;
}

void Art::insertBefore(Art* sibling)
{
  if (sibling == this)
    return;
  unlink();
  parent = sibling->parent;
  next = sibling;
  prev = sibling->prev;
  if (prev)
    prev->next = this;
  else if (parent)
    parent->first = this;
  sibling->prev = this;
}

void Art::insertAfter(Art* sibling)
{
  if (sibling == this)
    return;
  unlink();
  parent = sibling->parent;
  prev = sibling;
  next = sibling->next;
  if (next)
    next->prev = this;
  else if (parent)
    parent->last = this;
  sibling->next = this;
}

size_t Art::childCount() const
{
  size_t n = 0;
  for (Art* c = first; c; c = c->next)
    ++n;
  return n;
}

Layer* Art::owningLayer() const
{
  for (const Art* a = this; a; a = a->parent)
    if (a->layer)
      return a->layer;
  return nullptr;
}

bool Art::anySelected() const
{
  if (!layer && (attrs & kSelected))
    return true;
  for (Art* c = first; c; c = c->next)
    if (c->anySelected())
      return true;
  return false;
}

void Art::clearSelection()
{
  attrs &= ~(kSelected | kFullySelected);
  for (Art* c = first; c; c = c->next)
    c->clearSelection();
}

bool Art::bounds(Rect& r, const Matrix* m) const
{
  bool valid = false;
  r = {};
  struct Walk
  {
    static void add(const Art* a, const Matrix* m, Rect& r, bool& valid)
    {
      // A path's outline, or the frame of a leaf object (text frame, placed or raster art) kept as segments.
      if (a->type == kPath || (!a->first && !a->segments.empty())) {
        if (!m) {
          Geometry::pathBounds(a->segments, a->closed, r, valid);
          return;
        }
        std::vector<Segment> t = a->segments;
        for (Segment& s : t) {
          s.p = m->apply(s.p);
          s.in = m->apply(s.in);
          s.out = m->apply(s.out);
        }
        Geometry::pathBounds(t, a->closed, r, valid);
        return;
      }
      if (a->type == kSymbolInstance && a->result)
        add(a->result, m, r, valid);
      for (Art* c = a->first; c; c = c->next)
        add(c, m, r, valid);
    }
  };
  Walk::add(this, m, r, valid);
  return valid;
}

void Art::transform(const Matrix& m)
{
  for (Segment& s : segments) {
    s.p = m.apply(s.p);
    s.in = m.apply(s.in);
    s.out = m.apply(s.out);
  }
  for (Art* c = first; c; c = c->next)
    c->transform(m);
}

double Art::area() const
{
  if (type == kPath)
    return Geometry::pathArea(segments);
  double sum = 0;
  for (Art* c = first; c; c = c->next)
    sum += c->area();
  return sum;
}

double Art::length(double flatness) const
{
  if (type == kPath)
    return Geometry::pathLength(segments, closed, flatness);
  double sum = 0;
  for (Art* c = first; c; c = c->next)
    sum += c->length(flatness);
  return sum;
}

} // namespace hostsim
