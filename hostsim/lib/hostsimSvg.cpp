#include "hostsimSvg.h"

#include "hostsimPaint.h"
#include "hostsimTextSvg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <sstream>

namespace hostsim {

namespace hostsimSvg_detail {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKappa = 0.5522847498307936; // 4/3 (√2 − 1): quarter circle as one cubic
constexpr size_t kMaxSegments = 32767;        // the host's segment counts are 16-bit

struct ReadError
{
  std::string message;
  bool located = false;
};

struct Paint
{
  bool filled = true;
  bool stroked = false;
  double fill[3] = {0, 0, 0};
  double stroke[3] = {0, 0, 0};
  double width = 1;
  bool evenOdd = false;
};

struct Context
{
  const char* base = nullptr;
  size_t size = 0;
  Matrix ctm; // user space → host space (y up)
  Paint paint;
};

std::string where(const Context& ctx, const pugi::xml_node& node)
{
  std::string s = "<" + std::string(node.name()) + ">";
  if (const char* id = node.attribute("id").value(); *id)
    s += " id \"" + std::string(id) + "\"";
  ptrdiff_t off = node.offset_debug();
  if (off >= 0 && ctx.base && static_cast<size_t>(off) <= ctx.size) {
    int line = 1;
    for (ptrdiff_t i = 0; i < off; ++i)
      if (ctx.base[i] == '\n')
        ++line;
    s += " at line " + std::to_string(line);
  }
  return s;
}

bool isSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A cursor over a list of numbers separated by whitespace and/or commas.
class Numbers
{
public:
  Numbers(const char* s) : p_(s), begin_(s), end_(s + std::strlen(s)) {}
  void skip()
  {
    while (*p_ && isSpace(*p_))
      ++p_;
    if (*p_ == ',') {
      ++p_;
      while (*p_ && isSpace(*p_))
        ++p_;
    }
  }
  void skipSpace()
  {
    while (*p_ && isSpace(*p_))
      ++p_;
  }
  bool atEnd()
  {
    skipSpace();
    return !*p_;
  }
  bool atNumber()
  {
    skip();
    char c = *p_;
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
  }
  bool number(double& out)
  {
    skip();
    const char* s = p_;
    bool neg = false;
    if (*s == '+' || *s == '-') {
      neg = *s == '-';
      ++s;
    }
    if (!((*s >= '0' && *s <= '9') || *s == '.'))
      return false;
    auto r = std::from_chars(s, end_, out, std::chars_format::general);
    if (r.ec != std::errc() || !std::isfinite(out))
      return false;
    if (neg)
      out = -out;
    p_ = r.ptr;
    return true;
  }
  bool flag(bool& out)
  {
    skip();
    if (*p_ == '0' || *p_ == '1') {
      out = *p_ == '1';
      ++p_;
      return true;
    }
    return false;
  }
  char peek()
  {
    skipSpace();
    return *p_;
  }
  char take() { return *p_++; }
  size_t offset() const { return static_cast<size_t>(p_ - begin_); }

private:
  const char* p_;
  const char* begin_;
  const char* end_;
};

struct Subpath
{
  std::vector<Segment> segs;
  bool closed = false;
};

class PathBuilder
{
public:
  std::vector<Subpath> paths;

  void moveTo(Pt p)
  {
    paths.push_back({});
    paths.back().segs.push_back({p, p, p, true});
    cur_ = start_ = p;
    lastC2_ = lastQ_ = p;
    prevCmd_ = 'M';
  }
  void ensureStarted()
  {
    if (paths.empty() || paths.back().closed) {
      Pt s = start_;
      moveTo(s);
    }
  }
  void lineTo(Pt p)
  {
    ensureStarted();
    paths.back().segs.push_back({p, p, p, true});
    cur_ = lastC2_ = lastQ_ = p;
  }
  void cubicTo(Pt c1, Pt c2, Pt p)
  {
    ensureStarted();
    paths.back().segs.back().out = c1;
    paths.back().segs.push_back({p, c2, p, true});
    cur_ = p;
    lastC2_ = c2;
    lastQ_ = p;
  }
  void quadTo(Pt q, Pt p)
  {
    Pt c1{cur_.h + 2.0 / 3 * (q.h - cur_.h), cur_.v + 2.0 / 3 * (q.v - cur_.v)};
    Pt c2{p.h + 2.0 / 3 * (q.h - p.h), p.v + 2.0 / 3 * (q.v - p.v)};
    cubicTo(c1, c2, p);
    lastQ_ = q;
  }
  void arcTo(double rx, double ry, double angle, bool large, bool sweep, Pt p);
  void close()
  {
    if (paths.empty() || paths.back().closed)
      return;
    Subpath& sp = paths.back();
    if (sp.segs.size() > 1 && sp.segs.back().p == sp.segs.front().p) {
      sp.segs.front().in = sp.segs.back().in;
      sp.segs.pop_back();
    }
    sp.closed = true;
    cur_ = lastC2_ = lastQ_ = start_;
  }
  Pt cur() const { return cur_; }
  Pt reflectedC2(char prev) const
  {
    if (prev == 'C' || prev == 'S')
      return {2 * cur_.h - lastC2_.h, 2 * cur_.v - lastC2_.v};
    return cur_;
  }
  Pt reflectedQ(char prev) const
  {
    if (prev == 'Q' || prev == 'T')
      return {2 * cur_.h - lastQ_.h, 2 * cur_.v - lastQ_.v};
    return cur_;
  }
  char prevCmd_ = 0;

private:
  Pt cur_, start_, lastC2_, lastQ_;
};

void PathBuilder::arcTo(double rx, double ry, double angleDeg, bool large, bool sweep, Pt p)
{
  Pt p0 = cur_;
  if (p0 == p)
    return;
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  if (rx == 0 || ry == 0) {
    lineTo(p);
    return;
  }
  double phi = angleDeg * kPi / 180, cs = std::cos(phi), sn = std::sin(phi);
  double dx = (p0.h - p.h) / 2, dy = (p0.v - p.v) / 2;
  double x1 = cs * dx + sn * dy, y1 = -sn * dx + cs * dy;
  double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (lambda > 1) {
    double s = std::sqrt(lambda);
    rx *= s;
    ry *= s;
  }
  double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  double coef = den == 0 ? 0 : std::sqrt(std::max(0.0, num / den));
  if (large == sweep)
    coef = -coef;
  double cxp = coef * rx * y1 / ry, cyp = -coef * ry * x1 / rx;
  double cx = cs * cxp - sn * cyp + (p0.h + p.h) / 2, cy = sn * cxp + cs * cyp + (p0.v + p.v) / 2;
  auto angle = [](double ux, double uy, double vx, double vy) {
    return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
  };
  double t1 = angle(1, 0, (x1 - cxp) / rx, (y1 - cyp) / ry);
  double dt = angle((x1 - cxp) / rx, (y1 - cyp) / ry, (-x1 - cxp) / rx, (-y1 - cyp) / ry);
  if (!sweep && dt > 0)
    dt -= 2 * kPi;
  else if (sweep && dt < 0)
    dt += 2 * kPi;
  int n = std::max(1, static_cast<int>(std::ceil(std::fabs(dt) / (kPi / 2) - 1e-9)));
  double step = dt / n, k = 4.0 / 3 * std::tan(step / 4);
  auto at = [&](double t) {
    double x = rx * std::cos(t), y = ry * std::sin(t);
    return Pt{cs * x - sn * y + cx, sn * x + cs * y + cy};
  };
  auto deriv = [&](double t) {
    double x = -rx * std::sin(t), y = ry * std::cos(t);
    return Pt{cs * x - sn * y, sn * x + cs * y};
  };
  double t = t1;
  for (int i = 0; i < n; ++i) {
    double t2 = t + step;
    Pt a = at(t), b = i + 1 == n ? p : at(t2);
    Pt da = deriv(t), db = deriv(t2);
    cubicTo({a.h + k * da.h, a.v + k * da.v}, {b.h - k * db.h, b.v - k * db.v}, b);
    t = t2;
  }
}

void parsePathData(const char* d, PathBuilder& b)
{
  Numbers in(d);
  char cmd = 0;
  auto fail = [&](const std::string& what) {
    throw ReadError{"path data: " + what + " at offset " + std::to_string(in.offset())};
  };
  auto num = [&]() {
    double v;
    if (!in.number(v))
      fail("expected a number");
    return v;
  };
  auto flag = [&]() {
    bool v;
    if (!in.flag(v))
      fail("expected an arc flag 0 or 1");
    return v;
  };
  while (!in.atEnd()) {
    char c = in.peek();
    if (std::isalpha(static_cast<unsigned char>(c))) {
      in.take();
      cmd = c;
      if (!std::strchr("MmLlHhVvCcSsQqTtAaZz", c))
        fail(std::string("unknown command '") + c + "'");
    } else if (!cmd) {
      fail("path data must start with a moveto");
    } else if (cmd == 'Z' || cmd == 'z') {
      fail("expected a command after closepath");
    } else if (!in.atNumber()) {
      fail(std::string("unexpected character '") + c + "'");
    }
    if (b.paths.empty() && cmd != 'M' && cmd != 'm')
      fail("path data must start with a moveto");
    bool rel = std::islower(static_cast<unsigned char>(cmd));
    Pt o = rel ? b.cur() : Pt{};
    char up = static_cast<char>(std::toupper(static_cast<unsigned char>(cmd)));
    switch (up) {
    case 'M': {
      double x = num(), y = num();
      b.moveTo({o.h + x, o.v + y});
      cmd = rel ? 'l' : 'L';
      b.prevCmd_ = 'M';
      continue;
    }
    case 'L': {
      double x = num(), y = num();
      b.lineTo({o.h + x, o.v + y});
      break;
    }
    case 'H':
      b.lineTo({o.h + num(), b.cur().v});
      break;
    case 'V':
      b.lineTo({b.cur().h, o.v + num()});
      break;
    case 'C': {
      double x1 = num(), y1 = num(), x2 = num(), y2 = num(), x = num(), y = num();
      b.cubicTo({o.h + x1, o.v + y1}, {o.h + x2, o.v + y2}, {o.h + x, o.v + y});
      break;
    }
    case 'S': {
      Pt c1 = b.reflectedC2(b.prevCmd_);
      double x2 = num(), y2 = num(), x = num(), y = num();
      b.cubicTo(c1, {o.h + x2, o.v + y2}, {o.h + x, o.v + y});
      break;
    }
    case 'Q': {
      double x1 = num(), y1 = num(), x = num(), y = num();
      b.quadTo({o.h + x1, o.v + y1}, {o.h + x, o.v + y});
      break;
    }
    case 'T': {
      Pt q = b.reflectedQ(b.prevCmd_);
      double x = num(), y = num();
      b.quadTo(q, {o.h + x, o.v + y});
      break;
    }
    case 'A': {
      double rx = num(), ry = num(), ang = num();
      bool large = flag(), sweep = flag();
      double x = num(), y = num();
      b.arcTo(rx, ry, ang, large, sweep, {o.h + x, o.v + y});
      break;
    }
    case 'Z':
      b.close();
      break;
    }
    b.prevCmd_ = up;
  }
}

double attrNumber(const pugi::xml_node& node, const char* name, double fallback, const Context& ctx)
{
  pugi::xml_attribute a = node.attribute(name);
  if (!a)
    return fallback;
  Numbers in(a.value());
  double v;
  if (!in.number(v))
    throw ReadError{"attribute " + std::string(name) + "=\"" + a.value() + "\" of " + where(ctx, node) +
                        " is not a number",
                    true};
  // Units are read as user units; a trailing percent or unit name is ignored.
  return v;
}

Matrix parseTransform(const char* text)
{
  Matrix m;
  const char* p = text;
  while (true) {
    while (*p && (isSpace(*p) || *p == ','))
      ++p;
    if (!*p)
      break;
    const char* nameStart = p;
    while (std::isalpha(static_cast<unsigned char>(*p)))
      ++p;
    std::string name(nameStart, p);
    while (*p && isSpace(*p))
      ++p;
    if (name.empty() || *p != '(')
      throw ReadError{"transform: expected a transform function at offset " +
                      std::to_string(nameStart - text)};
    ++p;
    const char* close = std::strchr(p, ')');
    if (!close)
      throw ReadError{"transform: missing ')' after " + name};
    std::string args(p, close);
    Numbers in(args.c_str());
    std::vector<double> v;
    double x;
    while (in.number(x))
      v.push_back(x);
    if (!in.atEnd())
      throw ReadError{"transform: bad argument to " + name};
    p = close + 1;
    Matrix t;
    auto bad = [&]() { return ReadError{"transform: wrong number of arguments to " + name}; };
    if (name == "matrix") {
      if (v.size() != 6)
        throw bad();
      t = {v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (name == "translate") {
      if (v.empty() || v.size() > 2)
        throw bad();
      t.tx = v[0];
      t.ty = v.size() > 1 ? v[1] : 0;
    } else if (name == "scale") {
      if (v.empty() || v.size() > 2)
        throw bad();
      t.a = v[0];
      t.d = v.size() > 1 ? v[1] : v[0];
    } else if (name == "rotate") {
      if (v.size() != 1 && v.size() != 3)
        throw bad();
      double r = v[0] * kPi / 180, c = std::cos(r), s = std::sin(r);
      Matrix rot{c, s, -s, c, 0, 0};
      if (v.size() == 3) {
        Matrix to{1, 0, 0, 1, -v[1], -v[2]}, back{1, 0, 0, 1, v[1], v[2]};
        rot = to.then(rot).then(back);
      }
      t = rot;
    } else if (name == "skewX") {
      if (v.size() != 1)
        throw bad();
      t.c = std::tan(v[0] * kPi / 180);
    } else if (name == "skewY") {
      if (v.size() != 1)
        throw bad();
      t.b = std::tan(v[0] * kPi / 180);
    } else {
      throw ReadError{"transform: unknown function \"" + name + "\""};
    }
    // The list applies right to left: the last function acts on the points first.
    m = t.then(m);
  }
  return m;
}

Matrix transformOf(const pugi::xml_node& node, const Context& ctx)
{
  try {
    return parseTransform(node.attribute("transform").value());
  } catch (ReadError& e) {
    e.message += " in " + where(ctx, node);
    e.located = true;
    throw;
  }
}

// Style declarations "a: b; c: d" as pairs.
std::vector<std::pair<std::string, std::string>> styleDecls(const char* style)
{
  std::vector<std::pair<std::string, std::string>> out;
  std::string s = style;
  size_t i = 0;
  while (i < s.size()) {
    size_t semi = s.find(';', i);
    if (semi == std::string::npos)
      semi = s.size();
    std::string decl = s.substr(i, semi - i);
    size_t colon = decl.find(':');
    if (colon != std::string::npos) {
      auto trim = [](std::string t) {
        size_t a = t.find_first_not_of(" \t\r\n"), b = t.find_last_not_of(" \t\r\n");
        return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
      };
      out.emplace_back(trim(decl.substr(0, colon)), trim(decl.substr(colon + 1)));
    }
    i = semi + 1;
  }
  return out;
}

// A presentation property from the style declarations (which win) or the attribute of that name.
std::string property(const pugi::xml_node& node, const std::vector<std::pair<std::string, std::string>>& decls,
                     const char* name)
{
  for (auto& kv : decls)
    if (kv.first == name)
      return kv.second;
  return node.attribute(name).value();
}

std::string property(const pugi::xml_node& node, const char* name)
{
  const char* style = node.attribute("style").value();
  if (!*style)
    return node.attribute(name).value();
  return property(node, styleDecls(style), name);
}

bool parseColor(const std::string& text, double* rgb)
{
  static const struct
  {
    const char* name;
    unsigned value;
  } named[] = {{"black", 0x000000},  {"white", 0xffffff},  {"red", 0xff0000},  {"green", 0x008000},
               {"blue", 0x0000ff},   {"yellow", 0xffff00}, {"gray", 0x808080}, {"grey", 0x808080},
               {"orange", 0xffa500}, {"purple", 0x800080}, {"cyan", 0x00ffff}, {"magenta", 0xff00ff}};
  unsigned v = 0;
  if (!text.empty() && text[0] == '#') {
    std::string hex = text.substr(1);
    if (hex.size() == 3)
      hex = {hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      return false;
    v = static_cast<unsigned>(std::stoul(hex, nullptr, 16));
  } else if (text.rfind("rgb(", 0) == 0) {
    Numbers in(text.c_str() + 4);
    double c[3];
    for (double& x : c)
      if (!in.number(x))
        return false;
    for (int i = 0; i < 3; ++i)
      rgb[i] = std::clamp(c[i], 0.0, 255.0) / 255;
    return true;
  } else {
    bool found = false;
    for (auto& n : named)
      if (text == n.name) {
        v = n.value;
        found = true;
      }
    if (!found)
      return false;
  }
  rgb[0] = ((v >> 16) & 0xff) / 255.0;
  rgb[1] = ((v >> 8) & 0xff) / 255.0;
  rgb[2] = (v & 0xff) / 255.0;
  return true;
}

void readPaint(const pugi::xml_node& node, Paint& paint)
{
  const char* style = node.attribute("style").value();
  std::vector<std::pair<std::string, std::string>> decls;
  if (*style)
    decls = styleDecls(style);
  auto property = [&](const char* name) { return hostsimSvg_detail::property(node, decls, name); };
  std::string fill = property("fill");
  if (fill == "none")
    paint.filled = false;
  else if (!fill.empty()) {
    paint.filled = true;
    parseColor(fill, paint.fill);
  }
  std::string stroke = property("stroke");
  if (stroke == "none")
    paint.stroked = false;
  else if (!stroke.empty()) {
    paint.stroked = true;
    parseColor(stroke, paint.stroke);
  }
  std::string width = property("stroke-width");
  if (!width.empty()) {
    Numbers in(width.c_str());
    double w;
    if (in.number(w))
      paint.width = w;
  }
  std::string rule = property("fill-rule");
  if (!rule.empty())
    paint.evenOdd = rule == "evenodd";
}

bool isHidden(const pugi::xml_node& node)
{
  return property(node, "display") == "none" || property(node, "visibility") == "hidden";
}

// Attributes consumed by the reader; everything else is kept for output.
bool consumed(const char* elem, const char* name)
{
  static const char* common[] = {"id", "transform", "data-locked", "data-name"};
  for (const char* c : common)
    if (!std::strcmp(name, c))
      return true;
  if (!std::strcmp(name, "display"))
    return true;
  static const struct
  {
    const char* elem;
    const char* attrs[7];
  } geometry[] = {
      {"path", {"d"}},
      {"rect", {"x", "y", "width", "height", "rx", "ry"}},
      {"circle", {"cx", "cy", "r"}},
      {"ellipse", {"cx", "cy", "rx", "ry"}},
      {"line", {"x1", "y1", "x2", "y2"}},
      {"polyline", {"points"}},
      {"polygon", {"points"}},
      {"text", {"x", "y"}},
  };
  for (auto& g : geometry)
    if (!std::strcmp(elem, g.elem))
      for (const char* a : g.attrs)
        if (a && !std::strcmp(a, name))
          return true;
  return false;
}

void keepAttrs(const pugi::xml_node& node, Art* art)
{
  art->svgId = node.attribute("id").value();
  for (pugi::xml_attribute a : node.attributes())
    if (!consumed(node.name(), a.name()))
      art->svgAttrs.emplace_back(a.name(), a.value());
  if (isHidden(node))
    art->attrs |= Art::kHidden;
  if (!std::strcmp(node.attribute("data-locked").value(), "true"))
    art->attrs |= Art::kLocked;
}

void applyPaint(Art* art, const Paint& p)
{
  art->filled = p.filled;
  art->stroked = p.stroked;
  std::copy(p.fill, p.fill + 3, art->fillRgb);
  std::copy(p.stroke, p.stroke + 3, art->strokeRgb);
  art->strokeWidth = p.width;
  art->evenOdd = p.evenOdd;
}

class Reader
{
public:
  Reader(Document& doc, const char* base, size_t size) : doc_(doc)
  {
    root_.base = base;
    root_.size = size;
  }
  void readRoot(const pugi::xml_node& svg);

private:
  void readChildren(const pugi::xml_node& parent, Art* into, const Context& ctx);
  Art* readElement(const pugi::xml_node& node, const Context& ctx);
  Art* readGeometry(const pugi::xml_node& node, Context& ctx);
  Art* shape(const pugi::xml_node& node, const Context& ctx, PathBuilder& b);
  Layer* newLayer(const std::string& title);

  Document& doc_;
  Context root_;
  int layerCount_ = 0;
};

Layer* Reader::newLayer(const std::string& title)
{
  // Layers arrive bottom first; each new one goes on top.
  Layer* layer = doc_.insertLayer(nullptr, 5);
  ++layerCount_;
  layer->title = title.empty() ? "Layer " + std::to_string(layerCount_) : title;
  return layer;
}

void Reader::readRoot(const pugi::xml_node& svg)
{
  for (pugi::xml_attribute a : svg.attributes())
    doc_.svgRootAttrs.emplace_back(a.name(), a.value());
  // Host space is y up: flip the SVG user space.
  root_.ctm = Matrix{1, 0, 0, -1, 0, 0};
  Rect board{0, 0, 612, -792};
  if (pugi::xml_attribute vb = svg.attribute("viewBox")) {
    Numbers in(vb.value());
    double v[4];
    for (double& x : v)
      if (!in.number(x))
        throw ReadError{"viewBox=\"" + std::string(vb.value()) + "\" of <svg> is not four numbers"};
    board = {v[0], -v[1], v[0] + v[2], -(v[1] + v[3])};
  } else if (svg.attribute("width") && svg.attribute("height")) {
    double w = attrNumber(svg, "width", 612, root_), h = attrNumber(svg, "height", 792, root_);
    board = {0, 0, w, -h};
  }
  doc_.artboards.push_back({doc_.nextArtboardSerial(), board, "Artboard 1", {board.left, board.top}});
  if (svg.attribute("transform"))
    root_.ctm = transformOf(svg, root_).then(root_.ctm);
  readPaint(svg, root_.paint);

  Layer* loose = nullptr;
  for (pugi::xml_node child : svg.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (!std::strcmp(child.name(), "g")) {
      loose = nullptr;
      Context ctx = root_;
      if (child.attribute("transform"))
        ctx.ctm = transformOf(child, ctx).then(ctx.ctm);
      readPaint(child, ctx.paint);
      std::string title = child.attribute("data-name").value();
      if (title.empty())
        title = child.attribute("id").value();
      Layer* layer = newLayer(title);
      keepAttrs(child, layer->group);
      layer->visible = !(layer->group->attrs & Art::kHidden);
      layer->editable = !(layer->group->attrs & Art::kLocked);
      layer->group->attrs &= ~(Art::kHidden | Art::kLocked);
      if (const char* color = child.attribute("data-color").value(); *color) {
        double rgb[3];
        if (parseColor(color, rgb))
          for (int i = 0; i < 3; ++i)
            layer->color[i] = static_cast<uint16_t>(std::lround(rgb[i] * 65535));
      }
      readChildren(child, layer->group, ctx);
      continue;
    }
    if (!loose)
      loose = newLayer("");
    if (Art* art = readElement(child, root_))
      loose->group->insertFirst(art);
  }
  if (doc_.layers.empty())
    newLayer("");
  doc_.currentLayer = doc_.layers.front();
}

void Reader::readChildren(const pugi::xml_node& parent, Art* into, const Context& ctx)
{
  for (pugi::xml_node child : parent.children())
    if (child.type() == pugi::node_element)
      if (Art* art = readElement(child, ctx))
        into->insertFirst(art);
}

Art* Reader::readElement(const pugi::xml_node& node, const Context& parentCtx)
{
  Context ctx = parentCtx;
  const char* name = node.name();
  bool geometric = !std::strcmp(name, "g") || !std::strcmp(name, "path") || !std::strcmp(name, "rect") ||
                   !std::strcmp(name, "circle") || !std::strcmp(name, "ellipse") ||
                   !std::strcmp(name, "line") || !std::strcmp(name, "polyline") ||
                   !std::strcmp(name, "polygon") || !std::strcmp(name, "text");
  if (!geometric) {
    // Kept verbatim as a foreign object.
    Art* art = doc_.newArt(Art::kForeign);
    std::ostringstream raw;
    node.print(raw, "", pugi::format_raw);
    art->text = raw.str();
    art->svgId = node.attribute("id").value();
    art->filled = false;
    return art;
  }
  try {
    return readGeometry(node, ctx);
  } catch (ReadError& e) {
    if (!e.located) {
      e.message += " in " + where(ctx, node);
      e.located = true;
    }
    throw;
  }
}

Art* Reader::readGeometry(const pugi::xml_node& node, Context& ctx)
{
  const char* name = node.name();
  if (node.attribute("transform"))
    ctx.ctm = parseTransform(node.attribute("transform").value()).then(ctx.ctm);
  readPaint(node, ctx.paint);
  if (!std::strcmp(name, "text")) {
    Art* frame = TextSvg::read(doc_, node, ctx.ctm);
    keepAttrs(node, frame);
    applyPaint(frame, ctx.paint);
    return frame;
  }
  if (!std::strcmp(name, "g")) {
    Art* group = doc_.newArt(Art::kGroup);
    keepAttrs(node, group);
    group->filled = false;
    readChildren(node, group, ctx);
    return group;
  }
  PathBuilder b;
  Art* art = shape(node, ctx, b);
  keepAttrs(node, art);
  applyPaint(art, ctx.paint);
  return art;
}

Art* Reader::shape(const pugi::xml_node& node, const Context& ctx, PathBuilder& b)
{
  const char* name = node.name();
  auto num = [&](const char* a, double fallback) { return attrNumber(node, a, fallback, ctx); };
  if (!std::strcmp(name, "path")) {
    parsePathData(node.attribute("d").value(), b);
  } else if (!std::strcmp(name, "line")) {
    b.moveTo({num("x1", 0), num("y1", 0)});
    b.lineTo({num("x2", 0), num("y2", 0)});
  } else if (!std::strcmp(name, "polyline") || !std::strcmp(name, "polygon")) {
    Numbers in(node.attribute("points").value());
    double x, y;
    bool firstPoint = true;
    while (in.number(x)) {
      if (!in.number(y))
        throw ReadError{"points: odd number of coordinates"};
      if (firstPoint)
        b.moveTo({x, y});
      else
        b.lineTo({x, y});
      firstPoint = false;
    }
    if (!in.atEnd())
      throw ReadError{"points: expected a number at offset " + std::to_string(in.offset())};
    if (!firstPoint && name[4] == 'g')
      b.close();
  } else if (!std::strcmp(name, "rect")) {
    double x = num("x", 0), y = num("y", 0), w = num("width", 0), h = num("height", 0);
    if (w < 0 || h < 0)
      throw ReadError{"negative width or height"};
    double rx = num("rx", -1), ry = num("ry", -1);
    if (rx < 0)
      rx = ry;
    if (ry < 0)
      ry = rx;
    rx = std::clamp(rx, 0.0, w / 2);
    ry = std::clamp(ry, 0.0, h / 2);
    if (rx <= 0 || ry <= 0) {
      b.moveTo({x, y});
      b.lineTo({x + w, y});
      b.lineTo({x + w, y + h});
      b.lineTo({x, y + h});
    } else {
      b.moveTo({x + rx, y});
      b.lineTo({x + w - rx, y});
      b.arcTo(rx, ry, 0, false, true, {x + w, y + ry});
      b.lineTo({x + w, y + h - ry});
      b.arcTo(rx, ry, 0, false, true, {x + w - rx, y + h});
      b.lineTo({x + rx, y + h});
      b.arcTo(rx, ry, 0, false, true, {x, y + h - ry});
      b.lineTo({x, y + ry});
      b.arcTo(rx, ry, 0, false, true, {x + rx, y});
    }
    b.close();
  } else {
    bool circle = !std::strcmp(name, "circle");
    double cx = num("cx", 0), cy = num("cy", 0);
    double rx = circle ? num("r", 0) : num("rx", 0), ry = circle ? rx : num("ry", 0);
    if (rx < 0 || ry < 0)
      throw ReadError{"negative radius"};
    double kx = rx * kKappa, ky = ry * kKappa;
    b.moveTo({cx + rx, cy});
    b.cubicTo({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    b.cubicTo({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    b.cubicTo({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    b.cubicTo({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    b.close();
  }
  for (Subpath& sp : b.paths) {
    if (sp.segs.size() > kMaxSegments)
      throw ReadError{"a path of " + std::to_string(sp.segs.size()) + " segments; at most " +
                      std::to_string(kMaxSegments) + " are allowed"};
    for (Segment& s : sp.segs) {
      s.p = ctx.ctm.apply(s.p);
      s.in = ctx.ctm.apply(s.in);
      s.out = ctx.ctm.apply(s.out);
      s.corner = Geometry::isCorner(s);
    }
  }
  if (b.paths.size() == 1)
    return doc_.newPath(std::move(b.paths[0].segs), b.paths[0].closed);
  // Several subpaths (or none) make a compound path; children are listed topmost first.
  Art* compound = doc_.newArt(Art::kCompoundPath);
  for (Subpath& sp : b.paths) {
    Art* child = doc_.newPath(std::move(sp.segs), sp.closed);
    applyPaint(child, ctx.paint);
    compound->insertFirst(child);
  }
  return compound;
}

void appendNumber(std::string& out, double v)
{
  if (v == 0)
    v = 0; // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void appendPoint(std::string& out, const Pt& p)
{
  appendNumber(out, p.h);
  out += ' ';
  appendNumber(out, -p.v);
}

void setAttr(pugi::xml_node& node, const char* name, const std::string& value)
{
  node.append_attribute(name).set_value(value.c_str());
}

class Writer
{
public:
  void art(pugi::xml_node parent, const Art* a);
};

void Writer::art(pugi::xml_node parent, const Art* a)
{
  if (a->type == Art::kForeign && !a->text.empty()) {
    parent.append_buffer(a->text.data(), a->text.size());
    return;
  }
  // A symbol instance is saved as a group holding its placed copy of the definition.
  bool instance = a->type == Art::kSymbolInstance;
  bool group = a->type == Art::kGroup || a->type == Art::kPluginGroup || instance;
  bool text = a->type == Art::kTextFrame;
  pugi::xml_node node = parent.append_child(group ? "g" : text ? "text" : "path");
  if (!a->svgId.empty())
    setAttr(node, "id", a->svgId);
  if (text) {
    TextSvg::write(node, *a);
  } else if (!group) {
    std::string d;
    if (a->type == Art::kPath) {
      Svg::appendPathData(d, a->segments, a->closed);
    } else {
      for (const Art* c = a->last; c; c = c->prev)
        if (c->type == Art::kPath) {
          if (!d.empty())
            d += ' ';
          Svg::appendPathData(d, c->segments, c->closed);
        }
    }
    setAttr(node, "d", d);
  }
  for (auto& kv : a->svgAttrs)
    setAttr(node, kv.first.c_str(), kv.second);
  if (a->attrs & Art::kHidden)
    setAttr(node, "display", "none");
  if (a->attrs & Art::kLocked)
    setAttr(node, "data-locked", "true");
  if (instance && a->symbol)
    setAttr(node, "data-symbol", a->symbol->name);
  if (instance && a->result)
    art(node, a->result);
  if (group)
    for (const Art* c = a->last; c; c = c->prev)
      art(node, c);
}

} // namespace hostsimSvg_detail

void Svg::appendPathData(std::string& d, const std::vector<Segment>& segs, bool closed)
{
  using namespace hostsimSvg_detail;
  if (segs.empty())
    return;
  d += 'M';
  appendPoint(d, segs[0].p);
  auto piece = [&](const Segment& a, const Segment& b) {
    if (a.out == a.p && b.in == b.p) {
      d += " L";
    } else {
      d += " C";
      appendPoint(d, a.out);
      d += ' ';
      appendPoint(d, b.in);
      d += ' ';
    }
    appendPoint(d, b.p);
  };
  for (size_t i = 1; i < segs.size(); ++i)
    piece(segs[i - 1], segs[i]);
  if (closed) {
    const Segment& a = segs.back();
    const Segment& b = segs.front();
    // The reader merges a closing anchor that repeats the first one, so such a piece is written out.
    if (segs.size() > 1 && (!(a.out == a.p && b.in == b.p) || a.p == b.p))
      piece(a, b);
    d += " Z";
  }
}

bool Svg::read(const char* data, size_t size, Document& doc, std::string& error)
{
  using namespace hostsimSvg_detail;
  pugi::xml_document xml;
  pugi::xml_parse_result parsed = xml.load_buffer(data, size, pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    int line = 1, col = 1;
    for (ptrdiff_t i = 0; i < parsed.offset && static_cast<size_t>(i) < size; ++i) {
      if (data[i] == '\n') {
        ++line;
        col = 1;
      } else {
        ++col;
      }
    }
    error = "XML error: " + std::string(parsed.description()) + " at line " + std::to_string(line) +
            ", column " + std::to_string(col);
    return false;
  }
  pugi::xml_node svg = xml.document_element();
  if (!svg || std::strcmp(svg.name(), "svg") != 0) {
    error = "the root element is <" + std::string(svg ? svg.name() : "") + ">, not <svg>";
    return false;
  }
  try {
    // Node offsets refer to pugixml's own copy of the buffer, which keeps the same line breaks.
    Reader reader(doc, data, size);
    reader.readRoot(svg);
  } catch (const ReadError& e) {
    error = e.message;
    return false;
  }
  return true;
}

std::string Svg::write(const Document& doc)
{
  using namespace hostsimSvg_detail;
  pugi::xml_document xml;
  pugi::xml_node svg = xml.append_child("svg");
  if (doc.svgRootAttrs.empty()) {
    setAttr(svg, "xmlns", "http://www.w3.org/2000/svg");
    if (!doc.artboards.empty()) {
      const Rect& r = doc.artboards.front().bounds;
      std::string vb;
      appendNumber(vb, r.left);
      vb += ' ';
      appendNumber(vb, -r.top);
      vb += ' ';
      appendNumber(vb, r.right - r.left);
      vb += ' ';
      appendNumber(vb, r.top - r.bottom);
      setAttr(svg, "viewBox", vb);
    }
  }
  for (auto& kv : doc.svgRootAttrs)
    if (kv.first != "transform")
      setAttr(svg, kv.first.c_str(), kv.second);
  Writer w;
  for (auto it = doc.layers.rbegin(); it != doc.layers.rend(); ++it) {
    struct LayerOut
    {
      static void write(Writer& w, pugi::xml_node parent, const Layer* l)
      {
        const Art* g = l->group;
        pugi::xml_node node = parent.append_child("g");
        if (!g->svgId.empty())
          setAttr(node, "id", g->svgId);
        setAttr(node, "data-name", l->title);
        for (auto& kv : g->svgAttrs)
          setAttr(node, kv.first.c_str(), kv.second);
        if (!l->visible)
          setAttr(node, "display", "none");
        if (!l->editable)
          setAttr(node, "data-locked", "true");
        for (const Art* c = g->last; c; c = c->prev) {
          if (c->layer)
            write(w, node, c->layer);
          else
            w.art(node, c);
        }
      }
    };
    LayerOut::write(w, svg, *it);
  }
  std::ostringstream out;
  xml.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

} // namespace hostsim
