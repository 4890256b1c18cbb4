#pragma once
// An art object of a simulated document: a node of the art tree (group, path, compound path and the other
// host art types) with its attribute word, path data, paint and the SVG attributes it was read with.
#include "hostsimGeometry.h"
#include "hostsimHandles.h"
#include "hostsimPaint.h"

#include <string>
#include <utility>
#include <vector>

namespace hostsim {

class Document;
class Layer;
class Dictionary;
class UID;
class Symbol;
class ArtStyle;

class Art : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Art;
  enum Type : int16_t
  {
    kGroup = 1,
    kPath = 2,
    kCompoundPath = 3,
    kPlaced = 7,
    kRaster = 9,
    kPluginGroup = 10,
    kMesh = 11,
    kTextFrame = 12,
    kSymbolInstance = 13,
    kForeign = 14,
    kLegacyText = 15,
  };
  enum Attr : int32_t
  {
    kSelected = 0x1,
    kLocked = 0x2,
    kHidden = 0x4,
    kFullySelected = 0x8,
    kClipMask = 0x1000,
  };

  Art(Document* doc, int16_t type) : Object(kKind), doc(doc), type(type) {}

  Document* doc;
  int16_t type;
  int32_t attrs = 0;

  // The tree: children in paint order, the first child is the topmost.
  Art* parent = nullptr;
  Art* first = nullptr;
  Art* last = nullptr;
  Art* prev = nullptr;
  Art* next = nullptr;
  // Set on a layer's group art.
  Layer* layer = nullptr;

  // Paths.
  std::vector<Segment> segments;
  bool closed = false;
  bool guide = false;

  // Paint: fill defaults to black as in SVG.
  bool filled = true;
  bool stroked = false;
  PaintColor fillPaint = PaintColor::rgb(0, 0, 0);
  PaintColor strokePaint = PaintColor::rgb(0, 0, 0);
  double strokeWidth = 1;
  bool evenOdd = false;

  // Blending and other per-art state.
  int32_t blendMode = 0;
  double opacity = 1;
  int32_t knockout = 0;
  bool clipGroup = false;
  bool centerVisible = false;
  bool styled = false;
  Symbol* symbol = nullptr;
  // A symbol instance: the matrix that places the definition.
  Matrix placement;
  ArtStyle* style = nullptr;
  Dictionary* dictionary = nullptr;
  UID* uid = nullptr;
  // Text of a text frame (UTF-8).
  std::string text;
  // The result art of a plug-in group.
  Art* result = nullptr;

  // SVG: the element's id and the attributes kept for output, in their order.
  std::string svgId;
  std::vector<std::pair<std::string, std::string>> svgAttrs;

  bool isContainer() const { return type == kGroup || type == kCompoundPath || type == kPluginGroup; }
  bool live() const { return !dead(); }

  // Tree edits. unlink leaves the art without parent and siblings.
  void unlink();
  void insertFirst(Art* child);
  void insertLast(Art* child);
  void insertBefore(Art* sibling);
  void insertAfter(Art* sibling);
  size_t childCount() const;
  // The layer whose group art holds this art (directly or below).
  Layer* owningLayer() const;
  bool anySelected() const;
  void clearSelection();
  bool bounds(Rect& r, const Matrix* m = nullptr) const;
  void transform(const Matrix& m);
  double area() const;
  double length(double flatness) const;
};

} // namespace hostsim
