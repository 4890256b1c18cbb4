// Shared helpers of the SVG tests: reading text into a document and comparing two drawings.
#pragma once

#include "hostsimDocument.h"
#include "hostsimHandles.h"
#include "hostsimSvg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace svgtest {
using namespace hostsim;

inline std::unique_ptr<Document> readSvg(const std::string& text, std::string* errorOut = nullptr)
{
  auto doc = std::make_unique<Document>("test");
  std::string error;
  bool ok = Svg::read(text.data(), text.size(), *doc, error);
  if (errorOut)
    *errorOut = error;
  if (!ok)
    return nullptr;
  return doc;
}

inline std::string wrap(const std::string& body) { return "<svg xmlns=\"http://www.w3.org/2000/svg\">" + body + "</svg>"; }

// The only art of the first layer.
inline const Art* onlyArt(const Document& doc)
{
  const Art* a = doc.layers.at(0)->group->first;
  EXPECT_TRUE(a && !a->next);
  return a;
}

inline void expectNear(const Pt& a, const Pt& b, double tol, const std::string& what)
{
  EXPECT_NEAR(a.h, b.h, tol) << what;
  EXPECT_NEAR(a.v, b.v, tol) << what;
}

inline void expectNear(const Matrix& a, const Matrix& b, const std::string& what)
{
  const double x[] = {a.a, a.b, a.c, a.d, a.tx, a.ty}, y[] = {b.a, b.b, b.c, b.d, b.tx, b.ty};
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(x[i], y[i], 1e-9) << what << ", matrix field " << i;
}

// The id of the document object a paint refers to, so that paints of two documents compare.
inline std::string paintObjectId(const PaintColor& c)
{
  if (const Object* o = Handles::instance().findAny(c.object)) {
    switch (o->kind()) {
    case ObjKind::Gradient: return static_cast<const Gradient*>(o)->svgId;
    case ObjKind::Pattern: return static_cast<const Pattern*>(o)->svgId;
    case ObjKind::CustomColor: return static_cast<const CustomColor*>(o)->svgId;
    default: break;
    }
  }
  return "";
}

// Two paints are the same: kind, values, the object painted with and where it sits.
inline void expectSamePaint(const PaintColor& a, const PaintColor& b, const std::string& what)
{
  EXPECT_EQ(a.kind, b.kind) << what;
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(a.values[i], b.values[i], 1e-9) << what << ", value " << i;
  EXPECT_EQ(paintObjectId(a), paintObjectId(b)) << what;
  expectNear(a.origin, b.origin, 1e-9, what + " origin");
  const double x[] = {a.angle, a.length, a.highlightAngle, a.highlightLength},
               y[] = {b.angle, b.length, b.highlightAngle, b.highlightLength};
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(x[i], y[i], 1e-9) << what << ", vector field " << i;
  expectNear(a.matrix, b.matrix, what);
}

// Two art trees hold the same drawing: types, ids, attributes kept, state bits and coordinates.
inline void expectSameArt(const Art* a, const Art* b, const std::string& path)
{
  ASSERT_EQ(a == nullptr, b == nullptr) << path;
  if (!a)
    return;
  EXPECT_EQ(a->type, b->type) << path;
  EXPECT_EQ(a->svgId, b->svgId) << path;
  EXPECT_EQ(a->svgAttrs, b->svgAttrs) << path;
  EXPECT_EQ(a->attrs & (Art::kHidden | Art::kLocked), b->attrs & (Art::kHidden | Art::kLocked)) << path;
  EXPECT_EQ(a->closed, b->closed) << path;
  EXPECT_EQ(a->filled, b->filled) << path;
  EXPECT_EQ(a->stroked, b->stroked) << path;
  if (a->filled && b->filled)
    expectSamePaint(a->fillPaint, b->fillPaint, path + " fill");
  if (a->stroked && b->stroked)
    expectSamePaint(a->strokePaint, b->strokePaint, path + " stroke");
  if (a->type == Art::kSymbolInstance) {
    EXPECT_EQ(a->symbol ? a->symbol->svgId : "", b->symbol ? b->symbol->svgId : "") << path;
    expectNear(a->placement, b->placement, path + " placement");
  }
  ASSERT_EQ(a->segments.size(), b->segments.size()) << path;
  for (size_t i = 0; i < a->segments.size(); ++i) {
    expectNear(a->segments[i].p, b->segments[i].p, 1e-9, path + " anchor " + std::to_string(i));
    expectNear(a->segments[i].in, b->segments[i].in, 1e-9, path + " in " + std::to_string(i));
    expectNear(a->segments[i].out, b->segments[i].out, 1e-9, path + " out " + std::to_string(i));
  }
  const Art* ca = a->first;
  const Art* cb = b->first;
  int i = 0;
  for (; ca && cb; ca = ca->next, cb = cb->next, ++i)
    expectSameArt(ca, cb, path + "/" + std::to_string(i));
  EXPECT_EQ(ca == nullptr, cb == nullptr) << path << " child count";
}

inline void expectSameDrawing(const Document& a, const Document& b)
{
  ASSERT_EQ(a.layers.size(), b.layers.size());
  for (size_t i = 0; i < a.layers.size(); ++i) {
    EXPECT_EQ(a.layers[i]->title, b.layers[i]->title);
    EXPECT_EQ(a.layers[i]->visible, b.layers[i]->visible);
    EXPECT_EQ(a.layers[i]->editable, b.layers[i]->editable);
    expectSameArt(a.layers[i]->group, b.layers[i]->group, "layer " + a.layers[i]->title);
  }
}

} // namespace svgtest
