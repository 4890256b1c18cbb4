#pragma once
// Paint objects of a simulated document: gradients with stops, patterns and symbols with their definition
// art, spot (custom) colours and art styles with the parts a style parser hands out.
#include "hostsimGeometry.h"
#include "hostsimHandles.h"

#include "hostapi/HostRecords.h"

#include <string>
#include <vector>

namespace hostsim {

class Art;
class Document;

// A colour as the host's colour record holds it: kind 0 gray, 1 CMYK, 2 pattern, 3 custom, 4 gradient,
// 5 RGB, 6 none, up to four values (a custom colour's tint is values[1]) and the custom colour, pattern or
// gradient it paints with. A gradient or pattern paint also says where it sits: the gradient's vector
// (origin, angle in degrees, length; for a radial one the centre, the radius and the focal point as angle
// and fraction of the radius) and the pattern's shift, scale (percent), rotation, reflection and shear,
// each followed by a matrix that maps its space into the art's.
struct PaintColor
{
  int32_t kind = 6;
  double values[4] = {0, 0, 0, 0};
  void* object = nullptr;

  Pt origin;
  double angle = 0;
  double length = 0;
  double highlightAngle = 0;
  double highlightLength = 0;

  double shiftDistance = 0;
  double shiftAngle = 0;
  double scaleX = 100;
  double scaleY = 100;
  double rotation = 0;
  bool reflect = false;
  double reflectAngle = 0;
  double shearAngle = 0;
  double shearAxis = 0;

  Matrix matrix;

  static PaintColor rgb(double r, double g, double b)
  {
    PaintColor c;
    c.kind = 5;
    c.values[0] = r;
    c.values[1] = g;
    c.values[2] = b;
    return c;
  }
  ColorRecord record() const;
  static PaintColor fromRecord(const ColorRecord& r);
};

struct GradientStop
{
  double position1 = 0; // × 100
  double position2 = 50;
  PaintColor color;
  double opacity = 1;
};

class Gradient : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Gradient;
  explicit Gradient(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
  std::string name;
  // The id of the SVG element it was read from or is written as.
  std::string svgId;
  int16_t type = 0; // 0 linear, 1 radial
  std::vector<GradientStop> stops;
  // SVG attributes the host does not model (spread method, the vector as the file gave it), kept for
  // output: elements kept verbatim may paint with the gradient by its id.
  std::vector<std::pair<std::string, std::string>> svgAttrs;
  // The ids and attributes of other gradient elements that only placed this one, kept for output.
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> svgAliases;
  // The location the last colour query asked for, for tests.
  double lastColorLocation = -1;
};

class Pattern : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Pattern;
  explicit Pattern(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
  std::string name;
  // The id of the SVG element it was read from or is written as.
  std::string svgId;
  Art* art = nullptr;
  Rect tile;
};

class Symbol : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::Symbol;
  explicit Symbol(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
  std::string name;
  // The id of the SVG element it was read from or is written as.
  std::string svgId;
  Art* art = nullptr;
  // SVG attributes of the symbol element, kept for output.
  std::vector<std::pair<std::string, std::string>> svgAttrs;
  // The art the last host check was given, for tests.
  const void* lastCheckedArt = nullptr;
};

class CustomColor : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::CustomColor;
  explicit CustomColor(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
  std::string name;
  // The id of the SVG element it was read from or is written as.
  std::string svgId;
  int32_t kind = 0; // 0 CMYK, 1 RGB, 2 Lab
  double values[4] = {0, 0, 0, 0};
  uint16_t flags = 0;
};

// A part of a parsed style (paint field, effect or blend field); only its identity matters to clients.
class StylePart : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::StylePart;
  StylePart() : Object(kKind) {}
};

// The paint an art style gives the art it is set on, as the art it was taken from had it.
struct StylePaint
{
  bool known = false;
  bool filled = true;
  bool stroked = false;
  PaintColor fill = PaintColor::rgb(0, 0, 0);
  PaintColor stroke = PaintColor::rgb(0, 0, 0);
  double width = 1;
  bool evenOdd = false;
};

class ArtStyle : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::ArtStyle;
  explicit ArtStyle(Document* doc) : Object(kKind), doc(doc) {}
  Document* doc;
  std::string name;
  int16_t type = 1;
  int32_t flags = 0;
  bool query = false;
  std::vector<StylePart*> paintFields;
  std::vector<StylePart*> effectsA;
  std::vector<StylePart*> effectsB;
  StylePart* blendField = nullptr;
  StylePart* designatedA = nullptr;
  StylePart* designatedB = nullptr;
  bool queries[4] = {false, false, false, false};
  // False makes every parse of the style fail.
  bool parsable = true;
  StylePaint paint;
};

class StyleParser : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::StyleParser;
  StyleParser() : Object(kKind) {}
  ArtStyle* style = nullptr;
};

} // namespace hostsim
