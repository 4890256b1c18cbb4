// Gradient, pattern, symbol, spot-colour, colour-conversion, art-style and Bezier suites of the
// simulated host.
#include "hostsimDocumentSuites.h"
#include "hostsimPaint.h"
#include "hostsimPaintSvg.h"
#include "hostsimWorkspace.h"

#include <algorithm>
#include <cmath>

namespace hostsim {

namespace hostsimPaintSuites_detail {

Document* owner()
{
  Document* doc = Workspace::instance().current();
  return doc ? doc : Workspace::instance().scratch();
}

Gradient* gradient(GradientHandle h)
{
  return lookup<Gradient>(h);
}
Pattern* pattern(PatternHandle h)
{
  return lookup<Pattern>(h);
}
Symbol* symbol(SymbolHandle h)
{
  return lookup<Symbol>(h);
}
ArtHandle handleOf(const Art* a)
{
  return a && a->live() ? static_cast<ArtHandle>(a->handle()) : nullptr;
}

// ---- Gradients ----

HostErr disposeGradient(GradientHandle h)
{
  Gradient* g = gradient(h);
  if (!g)
    return kErrParam;
  g->kill();
  return 0;
}

HostErr getGradientName(GradientHandle h, HostString* out)
{
  Gradient* g = gradient(h);
  return g && out ? DocumentSuites::assignString(out, g->name) : kErrParam;
}

HostErr setGradientName(GradientHandle h, HostString name)
{
  Gradient* g = gradient(h);
  return g && DocumentSuites::stringText(name, g->name) ? 0 : kErrParam;
}

HostErr getGradientType(GradientHandle h, int16_t* out)
{
  return answer(gradient(h), out, [&](Gradient& g) { return g.type; });
}

HostErr setGradientType(GradientHandle h, int16_t type)
{
  Gradient* g = gradient(h);
  if (!g || (type != 0 && type != 1))
    return kErrParam;
  g->type = type;
  return 0;
}

HostErr countGradientStops(GradientHandle h, int16_t* out)
{
  return answer(gradient(h), out, [&](Gradient& g) { return static_cast<int16_t>(g.stops.size()); });
}

GradientStopRecord toRecord(const GradientStop& s)
{
  return {s.position1, s.position2, s.color.record(), s.opacity};
}

HostErr getGradientStop(GradientHandle h, int16_t index, GradientStopRecord* out)
{
  Gradient* g = gradient(h);
  if (!g || !out || index < 0 || static_cast<size_t>(index) >= g->stops.size())
    return kErrParam;
  *out = toRecord(g->stops[index]);
  return 0;
}

HostErr setGradientStop(GradientHandle h, int16_t index, const GradientStopRecord* stop)
{
  Gradient* g = gradient(h);
  if (!g || !stop || index < 0 || static_cast<size_t>(index) >= g->stops.size())
    return kErrParam;
  g->stops[index] = {stop->position1, stop->position2, PaintColor::fromRecord(stop->color), stop->opacity};
  return 0;
}

HostErr insertGradientStop(GradientHandle h, int16_t index, GradientStopRecord* out)
{
  Gradient* g = gradient(h);
  if (!g || index < 0 || static_cast<size_t>(index) > g->stops.size())
    return kErrParam;
  GradientStop s;
  double before = index > 0 ? g->stops[index - 1].position1 : 0;
  double after = static_cast<size_t>(index) < g->stops.size() ? g->stops[index].position1 : 100;
  s.position1 = (before + after) / 2;
  s.color.kind = kGrayColor;
  g->stops.insert(g->stops.begin() + index, s);
  if (out)
    *out = toRecord(s);
  return 0;
}

HostErr removeGradientStop(GradientHandle h, int16_t index, GradientStopRecord* out)
{
  Gradient* g = gradient(h);
  if (!g || index < 0 || static_cast<size_t>(index) >= g->stops.size())
    return kErrParam;
  if (out)
    *out = toRecord(g->stops[index]);
  g->stops.erase(g->stops.begin() + index);
  return 0;
}

bool8 isGradientValid(GradientHandle h)
{
  return gradient(h) != nullptr;
}

// Interpolates the values of the stops around the location when both have the same kind.
HostErr getGradientColorAt(GradientHandle h, double location, ColorRecord* out)
{
  Gradient* g = gradient(h);
  if (!g || !out || g->stops.empty())
    return kErrParam;
  g->lastColorLocation = location;
  const auto& st = g->stops;
  if (location <= st.front().position1) {
    *out = st.front().color.record();
    return 0;
  }
  for (size_t i = 1; i < st.size(); ++i) {
    if (location <= st[i].position1) {
      const PaintColor& a = st[i - 1].color;
      const PaintColor& b = st[i].color;
      double span = st[i].position1 - st[i - 1].position1;
      double f = span > 0 ? (location - st[i - 1].position1) / span : 0;
      PaintColor c = f < 0.5 ? a : b;
      if (a.kind == b.kind)
        for (int k = 0; k < 4; ++k)
          c.values[k] = a.values[k] + (b.values[k] - a.values[k]) * f;
      *out = c.record();
      return 0;
    }
  }
  *out = st.back().color.record();
  return 0;
}

// ---- Patterns and symbols ----

HostErr disposePattern(PatternHandle h)
{
  Pattern* p = pattern(h);
  if (!p)
    return kErrParam;
  p->kill();
  return 0;
}

HostErr getPatternArt(PatternHandle h, ArtHandle* out)
{
  Pattern* p = pattern(h);
  if (!p || !out || !handleOf(p->art))
    return kErrParam;
  *out = handleOf(p->art);
  return 0;
}

HostErr setPatternArt(PatternHandle h, ArtHandle art)
{
  Pattern* p = pattern(h);
  Art* a = lookup<Art>(art);
  if (!p || !a)
    return kErrParam;
  p->art = a;
  a->bounds(p->tile);
  return 0;
}

// Patterns and symbols share the name and tile-bounds positions.
std::string* nameOf(PatternHandle h)
{
  if (Pattern* p = pattern(h))
    return &p->name;
  if (Symbol* s = lookup<Symbol>(h))
    return &s->name;
  return nullptr;
}

HostErr getPatternName(PatternHandle h, HostString* out)
{
  std::string* name = nameOf(h);
  return name && out ? DocumentSuites::assignString(out, *name) : kErrParam;
}

HostErr setPatternName(PatternHandle h, HostString text)
{
  std::string* name = nameOf(h);
  return name && DocumentSuites::stringText(text, *name) ? 0 : kErrParam;
}

HostErr getPatternTileBounds(PatternHandle h, RealRect* out)
{
  if (!out)
    return kErrParam;
  Rect r;
  if (Pattern* p = pattern(h))
    r = p->tile;
  else if (Symbol* s = lookup<Symbol>(h); s && s->art && s->art->live())
    s->art->bounds(r);
  else
    return kErrParam;
  *out = {r.left, r.top, r.right, r.bottom};
  return 0;
}

bool8 isPatternValid(PatternHandle h)
{
  return pattern(h) != nullptr;
}
int32_t patternCheck15(PatternHandle h)
{
  return pattern(h) ? 0 : 1;
}
int32_t patternFlag17(const PatternHandle* array, int32_t)
{
  return array && pattern(array[0]) ? 1 : 0;
}

HostErr disposeSymbol(SymbolHandle h)
{
  Symbol* s = symbol(h);
  if (!s)
    return kErrParam;
  s->kill();
  return 0;
}

bool8 isSymbolValid(SymbolHandle h)
{
  return symbol(h) != nullptr;
}

HostErr getSymbolArt(SymbolHandle h, ArtHandle* out)
{
  Symbol* s = symbol(h);
  if (!s || !out || !handleOf(s->art))
    return kErrParam;
  *out = handleOf(s->art);
  return 0;
}

HostErr setSymbolArt(SymbolHandle h, ArtHandle art, int32_t)
{
  Symbol* s = symbol(h);
  Art* a = lookup<Art>(art);
  if (!s || !a)
    return kErrParam;
  s->art = a;
  return 0;
}

// An instance shows the definition centred on the position; it keeps a private copy to measure.
HostErr placeSymbolInstance(SymbolHandle h, RealPoint position, int32_t order, ArtHandle relative,
                            ArtHandle* out)
{
  Symbol* s = symbol(h);
  Art* rel = relative ? lookup<Art>(relative) : nullptr;
  if (!s || !out || !s->art || !s->art->live() || (relative && !rel))
    return kErrParam;
  Document* doc = s->art->doc;
  Art* instance = doc->newArt(Art::kSymbolInstance);
  instance->symbol = s;
  Art* shape = doc->duplicate(s->art);
  Rect r;
  shape->bounds(r);
  instance->placement = {1, 0, 0, 1, position.h - (r.left + r.right) / 2, position.v - (r.top + r.bottom) / 2};
  shape->transform(instance->placement);
  instance->result = shape;
  if (!doc->place(instance, order, rel)) {
    doc->disposeArt(instance);
    return kErrParam;
  }
  *out = handleOf(instance);
  return 0;
}

HostErr getSymbolOfInstance(ArtHandle h, SymbolHandle* out)
{
  Art* a = lookup<Art>(h);
  if (!a || !out || a->type != Art::kSymbolInstance || !a->symbol || a->symbol->dead())
    return kErrParam;
  *out = static_cast<SymbolHandle>(a->symbol->handle());
  return 0;
}

HostErr setSymbolOfInstance(ArtHandle h, SymbolHandle sh)
{
  Art* a = lookup<Art>(h);
  Symbol* s = symbol(sh);
  if (!a || !s || a->type != Art::kSymbolInstance)
    return kErrParam;
  a->symbol = s;
  return 0;
}

int32_t symbolCheck48(SymbolHandle h, ArtHandle art)
{
  Symbol* s = symbol(h);
  if (!s)
    return 1;
  s->lastCheckedArt = art;
  return 0;
}
int32_t symbolFlag52(SymbolHandle h)
{
  return symbol(h) ? 1 : 0;
}

// ---- Spot colours and colour conversion ----

HostErr newCustomColor(const CustomColorRecord* def, HostString name, CustomColorHandle* out)
{
  Workspace& ws = Workspace::instance();
  if (ws.failNextCustomColor) {
    ws.failNextCustomColor = false;
    return kErrParam;
  }
  Document* doc = ws.current();
  if (!def || !out || !doc || def->kind < 0 || def->kind > 2)
    return kErrParam;
  CustomColor* c = doc->make<CustomColor>(doc);
  if (!DocumentSuites::stringText(name, c->name)) {
    c->kill();
    return kErrParam;
  }
  c->kind = def->kind;
  std::copy(def->values, def->values + 4, c->values);
  c->flags = def->flags;
  *out = static_cast<CustomColorHandle>(c->handle());
  return 0;
}

HostErr getCustomColorDefinition(CustomColorHandle h, CustomColorRecord* out)
{
  CustomColor* c = lookup<CustomColor>(h);
  if (!c || !out)
    return kErrParam;
  out->kind = c->kind;
  std::copy(c->values, c->values + 4, out->values);
  out->flags = c->flags;
  return 0;
}

HostErr getCustomColorName(CustomColorHandle h, HostString* out)
{
  CustomColor* c = lookup<CustomColor>(h);
  return c && out ? DocumentSuites::assignString(out, c->name) : kErrParam;
}

// sRGB (0-1) from and to CIE Lab with the D65 white point; the two matrices are each other's inverse, so
// a colour survives a round trip through Lab.
void labToRgb(const float* lab, double* rgb)
{
  double fy = (lab[0] + 16) / 116.0, fx = fy + lab[1] / 500.0, fz = fy - lab[2] / 200.0;
  auto finv = [](double t) {
    return t > 6.0 / 29 ? t * t * t : 3 * (6.0 / 29) * (6.0 / 29) * (t - 4.0 / 29);
  };
  double X = 0.95047 * finv(fx), Y = finv(fy), Z = 1.08883 * finv(fz);
  double lin[3] = {3.2404542 * X - 1.5371385 * Y - 0.4985314 * Z, -0.9692660 * X + 1.8760108 * Y + 0.0415560 * Z,
                   0.0556434 * X - 0.2040259 * Y + 1.0572252 * Z};
  for (int i = 0; i < 3; ++i) {
    double v = lin[i] <= 0.0031308 ? 12.92 * lin[i] : 1.055 * std::pow(lin[i], 1 / 2.4) - 0.055;
    rgb[i] = std::clamp(v, 0.0, 1.0);
  }
}

void rgbToLab(const double* rgb, float* lab)
{
  double lin[3];
  for (int i = 0; i < 3; ++i)
    lin[i] = rgb[i] <= 0.04045 ? rgb[i] / 12.92 : std::pow((rgb[i] + 0.055) / 1.055, 2.4);
  double X = (0.4124564 * lin[0] + 0.3575761 * lin[1] + 0.1804375 * lin[2]) / 0.95047;
  double Y = 0.2126729 * lin[0] + 0.7151522 * lin[1] + 0.0721750 * lin[2];
  double Z = (0.0193339 * lin[0] + 0.1191920 * lin[1] + 0.9503041 * lin[2]) / 1.08883;
  auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  lab[0] = static_cast<float>(116 * f(Y) - 16);
  lab[1] = static_cast<float>(500 * (f(X) - f(Y)));
  lab[2] = static_cast<float>(200 * (f(Y) - f(Z)));
}

// Spaces: 1 gray (1 = white), 2 RGB, 4 CMYK, 7 Lab. Everything goes through RGB.
HostErr convertSampleColor(int32_t from, const float* src, int32_t to, float* dst, const ColorConvertOptions*,
                           bool8* inGamut)
{
  if (!src || !dst)
    return kErrParam;
  double rgb[3];
  switch (from) {
  case 1:
    rgb[0] = rgb[1] = rgb[2] = src[0];
    break;
  case 2:
    for (int i = 0; i < 3; ++i)
      rgb[i] = src[i];
    break;
  case 4:
    for (int i = 0; i < 3; ++i)
      rgb[i] = (1.0 - src[i]) * (1.0 - src[3]);
    break;
  case 7:
    labToRgb(src, rgb);
    break;
  default:
    return kErrParam;
  }
  if (from == 4 && to == 4) {
    std::copy(src, src + 4, dst);
  } else {
    switch (to) {
    case 1:
      dst[0] = static_cast<float>(0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]);
      break;
    case 2:
      for (int i = 0; i < 3; ++i)
        dst[i] = static_cast<float>(rgb[i]);
      break;
    case 4: {
      double k = 1 - std::max({rgb[0], rgb[1], rgb[2]});
      for (int i = 0; i < 3; ++i)
        dst[i] = static_cast<float>(k >= 1 ? 0 : (1 - rgb[i] - k) / (1 - k));
      dst[3] = static_cast<float>(k);
      break;
    }
    case 7:
      rgbToLab(rgb, dst);
      break;
    default:
      return kErrParam;
    }
  }
  if (inGamut)
    *inGamut = 1;
  return 0;
}

// ---- Art styles ----

ArtStyle* style(ArtStyleHandle h)
{
  return lookup<ArtStyle>(h);
}

// An art's style describes its paint as it is now.
HostErr getArtStyle(ArtHandle h, ArtStyleHandle* out)
{
  Art* a = lookup<Art>(h);
  if (!a || !out)
    return kErrParam;
  if (!a->style || a->style->dead())
    a->style = a->doc->make<ArtStyle>(a->doc);
  StylePaint& p = a->style->paint;
  p.known = true;
  p.filled = a->filled;
  p.stroked = a->stroked;
  p.fill = a->fillPaint;
  p.stroke = a->strokePaint;
  p.width = a->strokeWidth;
  p.evenOdd = a->evenOdd;
  *out = static_cast<ArtStyleHandle>(a->style->handle());
  return 0;
}

// Setting a style paints the art as the style says, in the document and in the saved file.
HostErr setArtStyle(ArtHandle h, ArtStyleHandle sh)
{
  Art* a = lookup<Art>(h);
  ArtStyle* s = style(sh);
  if (!a || !s)
    return kErrParam;
  a->style = s;
  a->styled = true;
  const StylePaint& p = s->paint;
  if (p.known) {
    a->filled = p.filled;
    a->stroked = p.stroked;
    a->fillPaint = p.fill;
    a->strokePaint = p.stroke;
    a->strokeWidth = p.width;
    a->evenOdd = p.evenOdd;
    PaintSvg::writePaint(*a);
  }
  return 0;
}

bool8 artStyleQuery(ArtStyleHandle h)
{
  ArtStyle* s = style(h);
  return s && s->query;
}

HostErr getArtStyleName(ArtStyleHandle h, HostString* out, bool8* isEmpty)
{
  ArtStyle* s = style(h);
  if (!s || !out)
    return kErrParam;
  if (isEmpty)
    *isEmpty = s->name.empty();
  return DocumentSuites::assignString(out, s->name);
}

HostErr setArtStyleName(ArtStyleHandle h, HostString name)
{
  ArtStyle* s = style(h);
  return s && DocumentSuites::stringText(name, s->name) ? 0 : kErrParam;
}

bool8 isArtStyleValid(ArtStyleHandle h)
{
  return style(h) != nullptr;
}

HostErr getArtStyleType(ArtStyleHandle h, int16_t* out)
{
  return answer(style(h), out, [&](ArtStyle& s) { return s.type; });
}

int32_t getArtStyleFlags(ArtStyleHandle h, int32_t mask)
{
  ArtStyle* s = style(h);
  return s ? s->flags & mask : 0;
}

ArtStyle* parsed(::StyleParser h)
{
  hostsim::StyleParser* p = lookup<hostsim::StyleParser>(h);
  return p && p->style && !p->style->dead() ? p->style : nullptr;
}

HostErr newStyleParser(::StyleParser* out)
{
  if (!out)
    return kErrParam;
  *out = static_cast<::StyleParser>(owner()->make<hostsim::StyleParser>()->handle());
  return 0;
}

HostErr disposeStyleParser(::StyleParser h)
{
  hostsim::StyleParser* p = lookup<hostsim::StyleParser>(h);
  if (!p)
    return kErrParam;
  p->kill();
  return 0;
}

HostErr parseArtStyle(::StyleParser h, ArtStyleHandle sh)
{
  hostsim::StyleParser* p = lookup<hostsim::StyleParser>(h);
  ArtStyle* s = style(sh);
  if (!p || !s || !s->parsable)
    return kErrParam;
  p->style = s;
  return 0;
}

bool8 isParserUsable(::StyleParser h)
{
  return parsed(h) != nullptr;
}

int32_t countOf(::StyleParser h, std::vector<StylePart*> ArtStyle::*list)
{
  ArtStyle* s = parsed(h);
  return s ? static_cast<int32_t>((s->*list).size()) : 0;
}

int32_t countEffectsA(::StyleParser h)
{
  return countOf(h, &ArtStyle::effectsA);
}
int32_t countEffectsB(::StyleParser h)
{
  return countOf(h, &ArtStyle::effectsB);
}
int32_t countPaintFields(::StyleParser h)
{
  return countOf(h, &ArtStyle::paintFields);
}

template <class Out>
HostErr part(::StyleParser h, int32_t index, Out* out, std::vector<StylePart*> ArtStyle::*list)
{
  ArtStyle* s = parsed(h);
  if (!s || !out || index < 0 || static_cast<size_t>(index) >= (s->*list).size())
    return kErrParam;
  *out = static_cast<Out>((s->*list)[index]->handle());
  return 0;
}

HostErr getEffectA(::StyleParser h, int32_t i, StyleEffect* out)
{
  return part(h, i, out, &ArtStyle::effectsA);
}
HostErr getEffectB(::StyleParser h, int32_t i, StyleEffect* out)
{
  return part(h, i, out, &ArtStyle::effectsB);
}
HostErr getPaintField(::StyleParser h, int32_t i, StylePaintField* out)
{
  return part(h, i, out, &ArtStyle::paintFields);
}

template <class Out> HostErr single(::StyleParser h, Out* out, StylePart* ArtStyle::*field)
{
  ArtStyle* s = parsed(h);
  if (!s || !out || !(s->*field))
    return kErrParam;
  *out = static_cast<Out>((s->*field)->handle());
  return 0;
}

HostErr getBlendField(::StyleParser h, StyleBlendField* out)
{
  return single(h, out, &ArtStyle::blendField);
}
HostErr getDesignatedPaintFieldA(::StyleParser h, StylePaintField* out)
{
  return single(h, out, &ArtStyle::designatedA);
}
HostErr getDesignatedPaintFieldB(::StyleParser h, StylePaintField* out)
{
  return single(h, out, &ArtStyle::designatedB);
}

bool8 query(::StyleParser h, int i)
{
  ArtStyle* s = parsed(h);
  return s && s->queries[i];
}
bool8 parserQueryA(::StyleParser h)
{
  return query(h, 0);
}
bool8 parserQueryB(::StyleParser h)
{
  return query(h, 1);
}
bool8 parserQueryC(::StyleParser h)
{
  return query(h, 2);
}
bool8 parserQueryD(::StyleParser h)
{
  return query(h, 3);
}

// ---- Bezier curves ----

void points(const BezierRecord& b, Pt* p)
{
  p[0] = {b.p0.h, b.p0.v};
  p[1] = {b.p1.h, b.p1.v};
  p[2] = {b.p2.h, b.p2.v};
  p[3] = {b.p3.h, b.p3.v};
}

BezierRecord record(const Pt* p)
{
  return {{p[0].h, p[0].v}, {p[1].h, p[1].v}, {p[2].h, p[2].v}, {p[3].h, p[3].v}};
}

HostErr bezierPointAt(const BezierRecord* curve, double t, RealPoint* out)
{
  if (!curve || !out)
    return kErrParam;
  Pt p[4];
  points(*curve, p);
  Pt r = Geometry::cubicPoint(p[0], p[1], p[2], p[3], t);
  *out = {r.h, r.v};
  return 0;
}

HostErr splitBezier(const BezierRecord* curve, double t, BezierRecord* first, BezierRecord* second)
{
  if (!curve)
    return kErrParam;
  Pt p[4], l[4], r[4];
  points(*curve, p);
  Geometry::splitCubic(p, t, l, r);
  if (first)
    *first = record(l);
  if (second)
    *second = record(r);
  return 0;
}

double bezierLength(const BezierRecord* curve, double flatness)
{
  if (!curve)
    return 0;
  Pt p[4];
  points(*curve, p);
  return Geometry::cubicLength(p[0], p[1], p[2], p[3], flatness);
}

// Moves both handles by the same offset so that the curve passes through the point at t.
int16_t reshapeBezierThroughPoint(BezierRecord* curve, const RealPoint* point, double t)
{
  if (!curve || !point || !(t > 0 && t < 1))
    return 0;
  Pt p[4];
  points(*curve, p);
  Pt at = Geometry::cubicPoint(p[0], p[1], p[2], p[3], t);
  double w = 3 * (1 - t) * (1 - t) * t + 3 * (1 - t) * t * t;
  Pt d{(point->h - at.h) / w, (point->v - at.v) / w};
  for (int i = 1; i <= 2; ++i)
    p[i] = {p[i].h + d.h, p[i].v + d.v};
  *curve = record(p);
  return 1 | 2;
}

HostErr bezierParameterAtLength(const BezierRecord* curve, double length, double total, double flatness,
                                double* outT)
{
  if (!curve || !outT)
    return kErrParam;
  Pt p[4];
  points(*curve, p);
  if (!(total > 0) || length <= 0) {
    *outT = 0;
    return 0;
  }
  double lo = 0, hi = 1;
  for (int i = 0; i < 50; ++i) {
    double mid = (lo + hi) / 2;
    Pt l[4], r[4];
    Geometry::splitCubic(p, mid, l, r);
    if (Geometry::cubicLength(l[0], l[1], l[2], l[3], flatness) < length)
      lo = mid;
    else
      hi = mid;
  }
  *outT = (lo + hi) / 2;
  return 0;
}

} // namespace hostsimPaintSuites_detail

const GradientSuite& DocumentSuites::gradient()
{
  using namespace hostsimPaintSuites_detail;
  static const GradientSuite table = [] {
    GradientSuite s{};
    s.disposeGradient = &disposeGradient;
    s.getGradientName = &getGradientName;
    s.setGradientName = &setGradientName;
    s.getGradientType = &getGradientType;
    s.setGradientType = &setGradientType;
    s.countGradientStops = &countGradientStops;
    s.getGradientStop = &getGradientStop;
    s.setGradientStop = &setGradientStop;
    s.insertGradientStop = &insertGradientStop;
    s.removeGradientStop = &removeGradientStop;
    s.isGradientValid = &isGradientValid;
    s.getGradientColorAt = &getGradientColorAt;
    return s;
  }();
  return table;
}

const PatternSuite& DocumentSuites::pattern()
{
  using namespace hostsimPaintSuites_detail;
  static const PatternSuite table = [] {
    PatternSuite s{};
    s.disposePattern = &disposePattern;
    s.getPatternArt = &getPatternArt;
    s.setPatternArt = &setPatternArt;
    s.getPatternName = &getPatternName;
    s.setPatternName = &setPatternName;
    s.getPatternTileBounds = &getPatternTileBounds;
    s.isPatternValid = &isPatternValid;
    s.patternCheck15 = &patternCheck15;
    s.patternFlag17 = &patternFlag17;
    return s;
  }();
  return table;
}

const SymbolSuite& DocumentSuites::symbol()
{
  using namespace hostsimPaintSuites_detail;
  static const SymbolSuite table = [] {
    SymbolSuite s{};
    s.disposeSymbol = &disposeSymbol;
    s.isSymbolValid = &isSymbolValid;
    s.getSymbolArt = &getSymbolArt;
    s.setSymbolArt = &setSymbolArt;
    s.placeSymbolInstance = &placeSymbolInstance;
    s.getSymbolOfInstance = &getSymbolOfInstance;
    s.setSymbolOfInstance = &setSymbolOfInstance;
    s.symbolCheck48 = &symbolCheck48;
    s.symbolFlag52 = &symbolFlag52;
    return s;
  }();
  return table;
}

const CustomColorSuite& DocumentSuites::customColor()
{
  using namespace hostsimPaintSuites_detail;
  static const CustomColorSuite table = [] {
    CustomColorSuite s{};
    s.newCustomColor = &newCustomColor;
    s.getCustomColorDefinition = &getCustomColorDefinition;
    s.getCustomColorName = &getCustomColorName;
    return s;
  }();
  return table;
}

const ColorConversionSuite& DocumentSuites::colorConversion()
{
  static const ColorConversionSuite table = [] {
    ColorConversionSuite s{};
    s.convertSampleColor = &hostsimPaintSuites_detail::convertSampleColor;
    return s;
  }();
  return table;
}

const ArtStyleSuite& DocumentSuites::artStyle()
{
  using namespace hostsimPaintSuites_detail;
  static const ArtStyleSuite table = [] {
    ArtStyleSuite s{};
    s.getArtStyle = &getArtStyle;
    s.setArtStyle = &setArtStyle;
    s.artStyleQuery = &artStyleQuery;
    s.getArtStyleName = &getArtStyleName;
    s.setArtStyleName = &setArtStyleName;
    s.isArtStyleValid = &isArtStyleValid;
    s.getArtStyleType = &getArtStyleType;
    s.getArtStyleFlags = &getArtStyleFlags;
    return s;
  }();
  return table;
}

const ArtStyleParserSuite& DocumentSuites::artStyleParser()
{
  using namespace hostsimPaintSuites_detail;
  static const ArtStyleParserSuite table = [] {
    ArtStyleParserSuite s{};
    s.newStyleParser = &newStyleParser;
    s.disposeStyleParser = &disposeStyleParser;
    s.parseArtStyle = &parseArtStyle;
    s.isParserUsable = &isParserUsable;
    s.countEffectsA = &countEffectsA;
    s.countEffectsB = &countEffectsB;
    s.countPaintFields = &countPaintFields;
    s.getEffectA = &getEffectA;
    s.getEffectB = &getEffectB;
    s.getPaintField = &getPaintField;
    s.getBlendField = &getBlendField;
    s.getDesignatedPaintFieldA = &getDesignatedPaintFieldA;
    s.getDesignatedPaintFieldB = &getDesignatedPaintFieldB;
    s.parserQueryA = &parserQueryA;
    s.parserQueryB = &parserQueryB;
    s.parserQueryC = &parserQueryC;
    s.parserQueryD = &parserQueryD;
    return s;
  }();
  return table;
}

const RealBezierSuite& DocumentSuites::realBezier()
{
  using namespace hostsimPaintSuites_detail;
  static const RealBezierSuite table = [] {
    RealBezierSuite s{};
    s.bezierPointAt = &bezierPointAt;
    s.splitBezier = &splitBezier;
    s.bezierLength = &bezierLength;
    s.reshapeBezierThroughPoint = &reshapeBezierThroughPoint;
    s.bezierParameterAtLength = &bezierParameterAtLength;
    return s;
  }();
  return table;
}

} // namespace hostsim
