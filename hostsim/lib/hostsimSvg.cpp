#include "hostsimSvg.h"
#include "hostsimSvgCss.h"

#include "hostsimPaint.h"
#include "hostsimTextSvg.h"
#include "hostsimPaintSvg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>
#include <string_view>
#include <zlib.h>
#include <set>
#include <sstream>
#include <unordered_map>
#include <utility>

namespace hostsim {

namespace hostsimSvg_detail {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKappa = 0.5522847498307936; // 4/3 (√2 − 1): quarter circle as one cubic
constexpr size_t kMaxSegments = 32767;        // the host's segment counts are 16-bit
constexpr int kMaxDepth = Svg::kMaxDepth;
constexpr size_t kMaxElements = Svg::kMaxElements;

struct ReadError
{
  std::string message;
  bool located = false;
};

// A fill or stroke as an element says it: a colour, or a reference to a paint server (gradient, pattern,
// solid colour) with an optional fallback. References resolve per shape, against its bounding box.
struct PaintRef
{
  bool used = true;
  PaintColor color = PaintColor::rgb(0, 0, 0);
  std::string url;
  bool hasFallback = false;
  bool fallbackUsed = true;
  // The tint of a spot colour reached through the reference.
  double tint = 0;
};

struct Paint
{
  static PaintRef unused()
  {
    PaintRef r;
    r.used = false;
    return r;
  }
  PaintRef fill;
  PaintRef stroke = unused();
  double width = 1;
  bool evenOdd = false;
  // The inherited "color" that currentColor paints with.
  PaintColor current = PaintColor::rgb(0, 0, 0);
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
  // Room the first subpath is given at once (its commands, counted before parsing).
  size_t firstRoom = 0;

  void moveTo(Pt p)
  {
    paths.push_back({});
    paths.back().segs.reserve(std::exchange(firstRoom, 0));
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

// The end of usable path data: what came before it is drawn.
struct PathDataError
{
};

void parsePathDataUntilError(const char* d, PathBuilder& b);

// Reads path data up to its first error, as renderers draw it.
void parsePathData(const char* d, PathBuilder& b)
{
  try {
    parsePathDataUntilError(d, b);
  } catch (const PathDataError&) {
  }
}

void parsePathDataUntilError(const char* d, PathBuilder& b)
{
  size_t commands = 0;
  for (const char* c = d; *c; ++c) {
    switch (*c | 0x20) {  // lower case
    case 'm': case 'l': case 'h': case 'v': case 'c': case 's': case 'q': case 't': case 'a':
      ++commands;
      break;
    default:
      break;
    }
  }
  b.firstRoom = commands;
  Numbers in(d);
  char cmd = 0;
  auto fail = [&](const std::string&) { throw PathDataError{}; };
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
  return v;
}

void appendNumber(std::string& out, double v);

// What a length in user units is measured against: a percentage takes its share of the viewport's width,
// height or normalized diagonal; em and ex take the font size.
struct LengthBase
{
  double extent = 0;
  double fontSize = 16;
};

// A length with an optional unit in user units (96 per inch); false when the text is no length.
bool parseLength(const std::string& text, const LengthBase& base, double& out)
{
  Numbers in(text.c_str());
  double v;
  if (!in.number(v))
    return false;
  std::string unit;
  while (!in.atEnd() && unit.size() < 3)
    unit += static_cast<char>(std::tolower(static_cast<unsigned char>(in.take())));
  static const struct
  {
    const char* name;
    double scale;
  } units[] = {{"", 1},          {"px", 1},         {"pt", 96.0 / 72}, {"pc", 16},  {"mm", 96 / 25.4},
               {"cm", 96 / 2.54}, {"in", 96},        {"q", 96 / 101.6}};
  for (const auto& u : units)
    if (unit == u.name) {
      out = v * u.scale;
      return std::isfinite(out);
    }
  if (unit == "%")
    out = v / 100 * base.extent;
  else if (unit == "em")
    out = v * base.fontSize;
  else if (unit == "ex")
    out = v * base.fontSize / 2;
  else
    return false;
  return std::isfinite(out);
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

// A transform list; one that does not parse is no transform, as renderers ignore it.
Matrix transformValue(const char* text)
{
  try {
    return parseTransform(text);
  } catch (const ReadError&) {
    return Matrix{};
  }
}

Matrix ownTransform(const pugi::xml_node& node)
{
  return transformValue(node.attribute("transform").value());
}

bool finite(const Matrix& m)
{
  return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
         std::isfinite(m.tx) && std::isfinite(m.ty);
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
  // The last declaration of a property wins.
  for (auto it = decls.rbegin(); it != decls.rend(); ++it)
    if (it->first == name)
      return it->second;
  return node.attribute(name).value();
}

std::string property(const pugi::xml_node& node, const char* name)
{
  const char* style = node.attribute("style").value();
  if (!*style)
    return node.attribute(name).value();
  return property(node, styleDecls(style), name);
}

std::string trim(const std::string& t)
{
  size_t a = t.find_first_not_of(" \t\r\n"), b = t.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
}

// The value a property has on node: "inherit" takes the parent's, and so does no value at all when the
// property is inherited; empty when nothing gives one.
std::string specified(pugi::xml_node node, const char* name, bool inherited)
{
  for (; node && node.type() == pugi::node_element; node = node.parent()) {
    std::string v = trim(property(node, name));
    if (!v.empty() && v != "inherit")
      return v;
    if (v.empty() && !inherited)
      break;
  }
  return {};
}

// The id named by a local reference "#id" (in url() or href), or throws naming the property.
std::string localTarget(std::string target, const std::string& what)
{
  target = trim(target);
  if (target.size() >= 2 && (target.front() == '\'' || target.front() == '"') && target.back() == target.front())
    target = target.substr(1, target.size() - 2);
  if (target.size() < 2 || target[0] != '#')
    throw ReadError{what + ": only references to elements of this file (\"#id\") are supported"};
  return target.substr(1);
}

bool isCurrentColor(const std::string& text)
{
  static const char word[] = "currentcolor";
  return text.size() == sizeof word - 1 &&
         std::equal(text.begin(), text.end(), word, [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// A fill or stroke value; an unknown colour keeps the inherited paint.
void parsePaintValue(const std::string& raw, PaintRef& ref, const char* property, const PaintColor& current)
{
  std::string text = trim(raw);
  if (text.empty())
    return;
  if (isCurrentColor(text)) {
    ref.used = true;
    ref.color = current;
    ref.url.clear();
    return;
  }
  auto what = [&] { return std::string(property) + "=\"" + raw + "\""; };
  if (text == "none") {
    ref.used = false;
    ref.url.clear();
    return;
  }
  if (text.rfind("url(", 0) == 0) {
    size_t close = text.find(')');
    if (close == std::string::npos)
      throw ReadError{what() + ": missing ')' after url("};
    ref.url = localTarget(text.substr(4, close - 4), what());
    ref.used = true;
    std::string rest = trim(text.substr(close + 1));
    ref.hasFallback = !rest.empty();
    ref.fallbackUsed = rest != "none";
    if (ref.hasFallback && ref.fallbackUsed && !PaintSvg::parseColor(rest, ref.color))
      throw ReadError{what() + ": the fallback \"" + rest + "\" is no colour"};
    return;
  }
  PaintColor c;
  if (PaintSvg::parseColor(text, c)) {
    ref.used = true;
    ref.color = c;
    ref.url.clear();
  }
}

void readTint(const pugi::xml_node& node, const char* name, PaintRef& ref)
{
  if (pugi::xml_attribute a = node.attribute(name)) {
    Numbers in(a.value());
    double t;
    if (!in.number(t) || !in.atEnd())
      throw ReadError{std::string(name) + "=\"" + a.value() + "\" is not a number"};
    ref.tint = std::clamp(t, 0.0, 1.0);
  }
}

void readPaint(const pugi::xml_node& node, Paint& paint)
{
  const char* style = node.attribute("style").value();
  std::vector<std::pair<std::string, std::string>> decls;
  if (*style)
    decls = styleDecls(style);
  auto property = [&](const char* name) { return hostsimSvg_detail::property(node, decls, name); };
  std::string color = trim(property("color"));
  if (!color.empty() && !isCurrentColor(color))
    PaintSvg::parseColor(color, paint.current);
  parsePaintValue(property("fill"), paint.fill, "fill", paint.current);
  parsePaintValue(property("stroke"), paint.stroke, "stroke", paint.current);
  readTint(node, "data-fill-tint", paint.fill);
  readTint(node, "data-stroke-tint", paint.stroke);
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
  if (!*node.attribute("style").value())
    return !std::strcmp(node.attribute("display").value(), "none") ||
           !std::strcmp(node.attribute("visibility").value(), "hidden");
  return property(node, "display") == "none" || property(node, "visibility") == "hidden";
}

bool isShape(const char* elem)
{
  static const char* shapes[] = {"path", "rect", "circle", "ellipse", "line", "polyline", "polygon"};
  return std::any_of(std::begin(shapes), std::end(shapes), [&](const char* s) { return !std::strcmp(s, elem); });
}

// Attributes consumed by the reader; everything else is kept for output.
bool consumed(const char* elem, const char* name)
{
  auto among = [name](std::initializer_list<const char*> list) {
    for (const char* c : list)
      if (c[0] == name[0] && !std::strcmp(name, c))
        return true;
    return false;
  };
  // A transform is kept and written back as it came: the writer maps coordinates into the space it sets
  // up, so widths, dashes, clip paths, masks and filters in that space stay right.
  if (among({"id", "data-locked", "data-name", "display", "data-fill-tint", "data-stroke-tint"}))
    return true;
  // A shape is written as a path: its own geometry is consumed, and what described another shape would
  // be a stray (or a second) attribute.
  if (isShape(elem))
    return among({"d", "x", "y", "width", "height", "rx", "ry", "cx", "cy", "r", "x1", "y1", "x2", "y2", "points"});
  if (!std::strcmp(elem, "text"))
    return among({"x", "y", "dx", "dy"});
  if (!std::strcmp(elem, "use"))
    return among({"href", "xlink:href", "x", "y", "transform"});
  return false;
}

// A paint that refers to a paint server is rebuilt from the document when written, since the ids of
// placement elements are the writer's own; the reference itself is not kept.
bool isPaintReference(const std::string& name, const std::string& value)
{
  return (name == "fill" || name == "stroke") && value.find("url(") != std::string::npos;
}

void keepAttrs(const pugi::xml_node& node, Art* art)
{
  art->svgId = node.attribute("id").value();
  for (pugi::xml_attribute a : node.attributes())
    if (!consumed(node.name(), a.name()))
      art->svgAttrs.emplace_back(a.name(), a.value());
  // Only a style or a paint reference can be rewritten or dropped.
  if (std::any_of(art->svgAttrs.begin(), art->svgAttrs.end(), [](const auto& kv) {
        return kv.first == "style" || kv.second.find("url(") != std::string::npos;
      }))
    PaintSvg::removeProperties(art->svgAttrs, isPaintReference);
  // The geometry a shape's style gives is in its path now; kept, it would override the path data.
  if (isShape(node.name()) && *node.attribute("style").value())
    PaintSvg::removeProperties(art->svgAttrs, [&](const std::string& name, const std::string&) {
      return consumed(node.name(), name.c_str()) && name != "id";
    });
  if (isHidden(node))
    art->attrs |= Art::kHidden;
  if (!std::strcmp(node.attribute("data-locked").value(), "true"))
    art->attrs |= Art::kLocked;
}

bool named(const pugi::xml_node& node, const char* name)
{
  return !std::strcmp(node.name(), name);
}

bool isGradient(const pugi::xml_node& node)
{
  return named(node, "linearGradient") || named(node, "radialGradient");
}

bool isSolidColor(const pugi::xml_node& node)
{
  return named(node, "solidColor") || named(node, "solidcolor");
}

// Paint servers and symbols are read into document objects, not into the art tree.
bool isDefinition(const pugi::xml_node& node)
{
  return isGradient(node) || named(node, "pattern") || named(node, "symbol") || isSolidColor(node);
}

const char* hrefOf(const pugi::xml_node& node)
{
  if (pugi::xml_attribute a = node.attribute("href"))
    return a.value();
  return node.attribute("xlink:href").value();
}

constexpr Matrix kFlip{1, 0, 0, -1, 0, 0};

bool invert(const Matrix& m, Matrix& out)
{
  double det = m.a * m.d - m.b * m.c;
  if (det == 0 || !std::isfinite(det) || !finite(m))
    return false;
  out = {m.d / det, -m.b / det, -m.c / det, m.a / det, (m.c * m.ty - m.d * m.tx) / det,
         (m.b * m.tx - m.a * m.ty) / det};
  return finite(out);
}

// Content under a transform that collapses or overflows cannot be placed in host space; such an
// element is kept verbatim (renderers draw nothing of it either).
bool placeable(const pugi::xml_node& node, const Matrix& ctm)
{
  Matrix inverse;
  return !node.attribute("transform") || invert(ownTransform(node).then(ctm), inverse);
}

// A rotation and uniform scale, mirrored or not: it keeps circles circles and angles angles.
bool conformal(const Matrix& m)
{
  double scale = std::fabs(m.a) + std::fabs(m.b) + std::fabs(m.c) + std::fabs(m.d);
  double tol = 1e-12 * scale;
  bool turn = std::fabs(m.a - m.d) <= tol && std::fabs(m.b + m.c) <= tol;
  bool mirror = std::fabs(m.a + m.d) <= tol && std::fabs(m.b - m.c) <= tol;
  return scale > 0 && (turn || mirror);
}

double degrees(double dy, double dx)
{
  return std::atan2(dy, dx) * 180 / kPi;
}

std::string matrixText(const Matrix& m);

// The transform that fits a view box (x, y, width, height) into a viewport of w by h at the origin.
Matrix viewBoxTransform(const double* vb, double w, double h, const std::string& preserve)
{
  std::string align = "xMidYMid";
  bool slice = false;
  {
    std::istringstream in(preserve);
    std::string word;
    if (in >> word && word == "defer")
      in >> word;
    if (!word.empty())
      align = word;
    if (in >> word)
      slice = word == "slice";
  }
  double sx = w / vb[2], sy = h / vb[3];
  if (align != "none") {
    sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
  }
  double tx = -vb[0] * sx, ty = -vb[1] * sy;
  if (align != "none" && align.size() == 8) {
    double freeX = w - vb[2] * sx, freeY = h - vb[3] * sy;
    if (align.compare(1, 3, "Mid") == 0)
      tx += freeX / 2;
    else if (align.compare(1, 3, "Max") == 0)
      tx += freeX;
    if (align.compare(5, 3, "Mid") == 0)
      ty += freeY / 2;
    else if (align.compare(5, 3, "Max") == 0)
      ty += freeY;
  }
  return {sx, 0, 0, sy, tx, ty};
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
  Art* readUse(const pugi::xml_node& node, const Context& ctx);
  Art* foreign(const pugi::xml_node& node);
  Art* shape(const pugi::xml_node& node, const Context& ctx, PathBuilder& b);
  Layer* newLayer(const std::string& title);
  // Runs f and names the element in an error that does not name one yet.
  template <class F> auto located(const pugi::xml_node& node, const Context& ctx, F&& f) -> decltype(f());

  void collectIds(const pugi::xml_node& node);
  void readDefinitions(const pugi::xml_node& node);
  pugi::xml_node target(const pugi::xml_node& from, const std::string& id, const std::string& what);
  std::vector<pugi::xml_node> chain(const pugi::xml_node& node, bool (*family)(const pugi::xml_node&),
                                    const char* familyName);
  Gradient* gradient(const pugi::xml_node& node);
  Pattern* pattern(const pugi::xml_node& node, const Rect* box);
  Symbol* symbol(const pugi::xml_node& node);
  CustomColor* spot(const pugi::xml_node& node);
  // Reads the content into a new group, which is set as the definition before its content is read, so
  // that content using its own definition sees it.
  void definitionArt(const pugi::xml_node& content, const Matrix& ctm, Art*& definition);
  // Content under a view box measures percentages against that box.
  class Viewport
  {
  public:
    Viewport(Reader& r, const double* viewBox) : r_(r), w_(r.viewWidth_), h_(r.viewHeight_)
    {
      if (viewBox) {
        r.viewWidth_ = viewBox[2];
        r.viewHeight_ = viewBox[3];
      }
    }
    ~Viewport()
    {
      r_.viewWidth_ = w_;
      r_.viewHeight_ = h_;
    }
    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

  private:
    Reader& r_;
    double w_, h_;
  };
  void applyPaint(Art* art, const pugi::xml_node& node, const Context& ctx);
  void resolve(const PaintRef& ref, const pugi::xml_node& node, const Art* art, const Context& ctx,
               const char* property, bool& used, PaintColor& out);
  void gradientPaint(const pugi::xml_node& server, const Art* art, const Context& ctx, bool& used,
                     PaintColor& out);
  // The bounds of art in the user space of ctm: x, y, width, height.
  bool userBox(const Art* art, const Matrix& ctm, Rect& box);
  double length(const pugi::xml_attribute& a, double fallback, bool fraction, double extent);
  // A geometry property of a shape in user units: a style declaration of that name wins over the
  // attribute; axis 0 measures percentages against the viewport width, 1 its height, 2 its diagonal.
  // False when the value is no length (renderers then draw nothing of the shape).
  bool geometry(const pugi::xml_node& node, const char* name, int axis, double& out);
  // The font size in effect at node, in user units.
  double fontSize(const pugi::xml_node& node);
  // Puts the positions of a text element and its spans (x, y, dx, dy) given with units in user units,
  // as the text reader takes plain numbers.
  void textLengths(pugi::xml_node text);
  // A group's own paint reference is written back where a filter of the group paints with it (its
  // FillPaint and StrokePaint inputs); elsewhere a group's paint only passes to its content.
  void keepFilterPaint(const pugi::xml_node& node, Art* group);
  // Renderers draw markers on paths, lines, polylines and polygons only: a rect, circle or ellipse
  // written as a path turns off the markers it is given or inherits.
  void noMarkers(const pugi::xml_node& node, Art* art);
  int usesMarkers_ = -1;

  Document& doc_;
  Context root_;
  int layerCount_ = 0;
  double viewWidth_ = 612, viewHeight_ = 792;
  // Every element by id, built at the first reference: most drawings refer to nothing.
  std::unordered_map<std::string, pugi::xml_node>& ids();
  std::unordered_map<std::string, pugi::xml_node> ids_;
  bool idsCollected_ = false;
  pugi::xml_node svg_;
  std::unordered_map<const void*, Gradient*> gradients_;
  std::set<std::string> foreignRefs_;
  // Keeps the vectors and aliases of gradients only where content kept verbatim refers to them.
  void settleGradients();
  std::unordered_map<const void*, Pattern*> patterns_;
  std::unordered_map<const void*, Symbol*> symbols_;
  std::unordered_map<const void*, CustomColor*> spots_;
};

template <class F> auto Reader::located(const pugi::xml_node& node, const Context& ctx, F&& f) -> decltype(f())
{
  try {
    return f();
  } catch (ReadError& e) {
    if (!e.located) {
      e.message += " in " + where(ctx, node);
      e.located = true;
    }
    throw;
  }
}

Layer* Reader::newLayer(const std::string& title)
{
  // Layers arrive bottom first; each new one goes on top.
  Layer* layer = doc_.insertLayer(nullptr, 5);
  ++layerCount_;
  layer->title = title.empty() ? "Layer " + std::to_string(layerCount_) : title;
  return layer;
}

std::unordered_map<std::string, pugi::xml_node>& Reader::ids()
{
  if (!idsCollected_) {
    idsCollected_ = true;
    collectIds(svg_);
  }
  return ids_;
}

void Reader::collectIds(const pugi::xml_node& node)
{
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (const char* id = child.attribute("id").value(); *id)
      ids_.emplace(id, child); // the first element of an id wins
    collectIds(child);
  }
}

// Definitions nobody referenced still belong to the document (swatches, unused symbols); those inside
// elements kept verbatim stay there.
void Reader::readDefinitions(const pugi::xml_node& node)
{
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (isGradient(child))
      gradient(child);
    else if (named(child, "pattern"))
      pattern(child, nullptr);
    else if (named(child, "symbol"))
      symbol(child);
    else if (isSolidColor(child))
      spot(child);
    if (named(child, "g") || named(child, "defs") || named(child, "pattern") || named(child, "symbol"))
      readDefinitions(child);
  }
}

pugi::xml_node Reader::target(const pugi::xml_node& from, const std::string& id, const std::string& what)
{
  auto it = ids().find(id);
  if (it == ids_.end())
    throw ReadError{what + " of " + where(root_, from) + " refers to \"#" + id + "\", which is not in the file",
                    true};
  return it->second;
}

std::vector<pugi::xml_node> Reader::chain(const pugi::xml_node& node, bool (*family)(const pugi::xml_node&),
                                          const char* familyName)
{
  std::vector<pugi::xml_node> out{node};
  std::set<const void*> seen{node.internal_object()};
  pugi::xml_node cur = node;
  (void)familyName;
  while (*hrefOf(cur)) {
    // A link to nothing, to another file or to another kind of element adds nothing, as renderers read it.
    std::string id = trim(hrefOf(cur));
    auto it = id.size() > 1 && id[0] == '#' ? ids().find(id.substr(1)) : ids().end();
    if (it == ids_.end() || !family(it->second))
      break;
    pugi::xml_node next = it->second;
    if (!seen.insert(next.internal_object()).second)
      break; // a loop ends the chain where it closes
    out.push_back(next);
    cur = next;
  }
  return out;
}

Gradient* Reader::gradient(const pugi::xml_node& node)
{
  if (auto it = gradients_.find(node.internal_object()); it != gradients_.end())
    return it->second;
  auto links = chain(node, isGradient, "gradient");
  pugi::xml_node stops;
  for (const pugi::xml_node& n : links)
    if (n.child("stop")) {
      stops = n;
      break;
    }
  auto spreadOf = [&](const std::vector<pugi::xml_node>& chainOf) {
    for (const pugi::xml_node& n : chainOf)
      if (const char* v = n.attribute("spreadMethod").value(); *v)
        return std::string(v);
    return std::string("pad");
  };
  std::string spread = spreadOf(links);
  // The vector as the file gives it, through the links: what is kept verbatim (masks, markers...) may
  // paint with this gradient by its id.
  PaintSvg::Attributes vector;
  for (const char* name : {"gradientUnits", "gradientTransform", "x1", "y1", "x2", "y2", "cx", "cy", "r", "fx", "fy"})
    for (const pugi::xml_node& n : links)
      if (pugi::xml_attribute a = n.attribute(name); a && (named(n, node.name()) || name[0] == 'g')) {
        vector.emplace_back(name, a.value());
        break;
      }
  // A gradient that only places the stops of one of its own kind is that gradient in another place.
  if (stops && stops != node && named(stops, node.name()) &&
      spreadOf(chain(stops, isGradient, "gradient")) == spread) {
    Gradient* g = gradients_[node.internal_object()] = gradient(stops);
    if (const char* id = node.attribute("id").value(); *id)
      g->svgAliases.emplace_back(id, std::move(vector));
    return g;
  }
  Gradient* g = doc_.make<Gradient>(&doc_);
  gradients_[node.internal_object()] = g;
  g->svgId = node.attribute("id").value();
  g->name = node.attribute("data-name") ? node.attribute("data-name").value() : g->svgId;
  g->type = named(node, "radialGradient") ? 1 : 0;
  g->svgAttrs = std::move(vector);
  if (spread == "reflect" || spread == "repeat")
    g->svgAttrs.emplace_back("spreadMethod", spread);
  if (!stops)
    return g;
  double last = 0;
  for (pugi::xml_node stop : stops.children("stop")) {
    located(stop, root_, [&] {
      GradientStop st;
      double offset = 0;
      if (pugi::xml_attribute a = stop.attribute("offset")) {
        Numbers in(a.value());
        bool percent = false;
        if (in.number(offset) && (percent = in.peek() == '%'))
          in.take();
        if (!in.atEnd() || !*a.value())
          throw ReadError{"offset=\"" + std::string(a.value()) + "\" is not a number or percentage"};
        if (percent)
          offset /= 100;
      }
      // Offsets are clamped and never go back, as SVG renders them.
      offset = std::max(last, std::clamp(offset, 0.0, 1.0));
      last = offset;
      st.position1 = offset * 100;
      st.color = PaintColor::rgb(0, 0, 0);
      std::string color = specified(stop, "stop-color", false);
      if (isCurrentColor(color))
        color = specified(stop, "color", true);
      PaintSvg::parseColor(color, st.color);
      std::string opacity = specified(stop, "stop-opacity", false);
      Numbers in(opacity.c_str());
      double o;
      if (!opacity.empty() && in.number(o))
        st.opacity = std::clamp(o, 0.0, 1.0);
      if (stop.attribute("data-midpoint"))
        st.position2 = std::clamp(attrNumber(stop, "data-midpoint", 50, root_), 0.0, 100.0);
      g->stops.push_back(st);
    });
  }
  return g;
}

void Reader::definitionArt(const pugi::xml_node& content, const Matrix& ctm, Art*& definition)
{
  Art* group = doc_.newArt(Art::kGroup);
  group->filled = false;
  definition = group;
  // Content inherits nothing from where it is used.
  Context ctx = root_;
  ctx.ctm = ctm;
  ctx.paint = Paint{};
  if (content)
    readChildren(content, group, ctx);
}

Pattern* Reader::pattern(const pugi::xml_node& node, const Rect* box)
{
  if (auto it = patterns_.find(node.internal_object()); it != patterns_.end())
    return it->second;
  auto links = chain(node, [](const pugi::xml_node& n) { return named(n, "pattern"); }, "pattern");
  pugi::xml_node contentNode;
  for (const pugi::xml_node& n : links)
    if (n.find_child([](const pugi::xml_node& c) { return c.type() == pugi::node_element; })) {
      contentNode = n;
      break;
    }
  static const char* const tileAttrs[] = {"x", "y", "width", "height", "patternUnits", "patternContentUnits",
                                          "viewBox", "preserveAspectRatio"};
  bool ownTile = std::any_of(std::begin(tileAttrs), std::end(tileAttrs),
                             [&](const char* a) { return bool(node.attribute(a)); });
  // A pattern that only moves the tile of another is that pattern in another place.
  if (contentNode && contentNode != node && !ownTile)
    return patterns_[node.internal_object()] = pattern(contentNode, box);
  auto attr = [&](const char* name) {
    for (const pugi::xml_node& n : links)
      if (pugi::xml_attribute a = n.attribute(name))
        return a;
    return pugi::xml_attribute();
  };
  Pattern* p = doc_.make<Pattern>(&doc_);
  patterns_[node.internal_object()] = p;
  p->svgId = node.attribute("id").value();
  p->name = node.attribute("data-name") ? node.attribute("data-name").value() : p->svgId;
  located(node, root_, [&] {
    bool boxUnits = std::strcmp(attr("patternUnits").value(), "userSpaceOnUse") != 0;
    double x = length(attr("x"), 0, boxUnits, viewWidth_), y = length(attr("y"), 0, boxUnits, viewHeight_);
    double w = length(attr("width"), 0, boxUnits, viewWidth_), h = length(attr("height"), 0, boxUnits, viewHeight_);
    if (w < 0 || h < 0)
      throw ReadError{"negative tile width or height"};
    // A tile measured in the bounding box takes that of the first shape painted with it.
    Matrix toBox;
    if (box)
      toBox = {box->right, 0, 0, box->bottom, box->left, box->top};
    if (boxUnits) {
      Pt a = toBox.apply({x, y}), b = toBox.apply({x + w, y + h});
      x = a.h;
      y = a.v;
      w = b.h - a.h;
      h = b.v - a.v;
    }
    p->tile = {x, -y, x + w, -(y + h)};
    // The content's own space: a view box fitted into the tile, or the bounding box; kept as the
    // transform of the content's group, so that widths in it scale as they did.
    Matrix content;
    bool hasViewBox = false;
    double v[4];
    if (pugi::xml_attribute vb = attr("viewBox")) {
      Numbers in(vb.value());
      hasViewBox = in.number(v[0]) && in.number(v[1]) && in.number(v[2]) && in.number(v[3]) && v[2] > 0 && v[3] > 0;
      if (hasViewBox)
        content = viewBoxTransform(v, w, h, attr("preserveAspectRatio").value());
    }
    if (!hasViewBox && !std::strcmp(attr("patternContentUnits").value(), "objectBoundingBox"))
      content = toBox;
    Viewport viewport(*this, hasViewBox ? v : nullptr);
    definitionArt(contentNode, content.then(kFlip), p->art);
    if (!content.identity())
      p->art->svgAttrs.emplace_back("transform", matrixText(content));
  });
  return p;
}

Symbol* Reader::symbol(const pugi::xml_node& node)
{
  if (auto it = symbols_.find(node.internal_object()); it != symbols_.end())
    return it->second;
  Symbol* s = doc_.make<Symbol>(&doc_);
  symbols_[node.internal_object()] = s;
  s->svgId = node.attribute("id").value();
  s->name = node.attribute("data-name") ? node.attribute("data-name").value() : s->svgId;
  // Its view box is fitted in each placement; the written symbol shows the content as placed, where a
  // viewport of its own would clip it in the scaled space.
  if (node.attribute("viewBox"))
    s->svgAttrs.emplace_back("overflow", "visible");
  Numbers in(node.attribute("viewBox").value());
  double v[4];
  bool hasViewBox = in.number(v[0]) && in.number(v[1]) && in.number(v[2]) && in.number(v[3]) && v[2] > 0 && v[3] > 0;
  Viewport viewport(*this, hasViewBox ? v : nullptr);
  definitionArt(node, kFlip, s->art);
  return s;
}

CustomColor* Reader::spot(const pugi::xml_node& node)
{
  if (auto it = spots_.find(node.internal_object()); it != spots_.end())
    return it->second;
  CustomColor* c = doc_.make<CustomColor>(&doc_);
  spots_[node.internal_object()] = c;
  c->svgId = node.attribute("id").value();
  c->name = node.attribute("data-name") ? node.attribute("data-name").value() : c->svgId;
  located(node, root_, [&] {
    std::string text = property(node, "solid-color");
    PaintColor color = PaintColor::rgb(0, 0, 0);
    if (!text.empty() && !PaintSvg::parseColor(text, color))
      throw ReadError{"solid-color=\"" + text + "\" is no colour"};
    if (const char* lab = node.attribute("data-lab").value(); *lab) {
      Numbers in(lab);
      c->kind = 2;
      for (int i = 0; i < 3; ++i)
        if (!in.number(c->values[i]))
          throw ReadError{"data-lab=\"" + std::string(lab) + "\" is not three numbers"};
    } else if (color.kind == kFourColor || color.kind == kGrayColor) {
      c->kind = 0;
      if (color.kind == kGrayColor)
        c->values[3] = color.values[0];
      else
        std::copy(color.values, color.values + 4, c->values);
    } else {
      c->kind = 1;
      std::copy(color.values, color.values + 3, c->values);
    }
    c->flags = static_cast<uint16_t>(attrNumber(node, "data-flags", 0, root_));
  });
  return c;
}

double Reader::length(const pugi::xml_attribute& a, double fallback, bool fraction, double extent)
{
  if (!a)
    return fallback;
  double v;
  if (fraction) {
    Numbers in(a.value());
    if (in.number(v) && in.peek() == '%')
      return v / 100;
  }
  if (!parseLength(a.value(), {extent}, v))
    throw ReadError{std::string(a.name()) + "=\"" + a.value() + "\" is not a length"};
  return v;
}

bool Reader::geometry(const pugi::xml_node& node, const char* name, int axis, double& out)
{
  std::string text = trim(property(node, name));
  if (text.empty() || text == "auto")
    return true; // out keeps its default
  LengthBase base;
  base.extent = axis == 0   ? viewWidth_
                : axis == 1 ? viewHeight_
                            : std::sqrt((viewWidth_ * viewWidth_ + viewHeight_ * viewHeight_) / 2);
  std::string size = property(node, "font-size");
  double fontSize;
  if (!size.empty() && parseLength(size, {0, 16}, fontSize) && fontSize > 0)
    base.fontSize = fontSize;
  double v;
  if (!parseLength(text, base, v))
    return false;
  out = v;
  return true;
}

double Reader::fontSize(const pugi::xml_node& node)
{
  std::vector<pugi::xml_node> path;
  for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent())
    path.push_back(n);
  double size = 16; // medium
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    std::string text = trim(property(*it, "font-size"));
    double v;
    // Percentages and em are of the parent's size; keywords keep it.
    if (!text.empty() && parseLength(text, {size, size}, v) && v >= 0)
      size = v;
  }
  return size;
}

void Reader::textLengths(pugi::xml_node text)
{
  auto convert = [&](pugi::xml_node n) {
    double em = -1;
    for (const char* name : {"x", "y", "dx", "dy"}) {
      pugi::xml_attribute a = n.attribute(name);
      const char* v = a.value();
      // Plain numbers (exponents aside) are left as written.
      bool units = false;
      for (const char* c = v; *c && !units; ++c)
        units = *c == '%' || (std::isalpha(static_cast<unsigned char>(*c)) && *c != 'e' && *c != 'E');
      if (!units)
        continue;
      if (em < 0)
        em = fontSize(n);
      LengthBase base{name[std::strlen(name) - 1] == 'x' ? viewWidth_ : viewHeight_, em};
      std::string out, item;
      std::stringstream list(v);
      bool ok = true;
      while (ok && list >> item) {
        for (size_t comma; (comma = item.find(',')) != std::string::npos;)
          item.replace(comma, 1, " ");
        std::stringstream parts(item);
        for (std::string part; ok && parts >> part;) {
          double x = 0;
          ok = parseLength(part, base, x);
          if (!out.empty())
            out += ' ';
          appendNumber(out, x);
        }
      }
      if (ok)
        a.set_value(out.c_str());
    }
  };
  convert(text);
  for (pugi::xml_node n = text.first_child(); n && n != text;) {
    if (n.type() == pugi::node_element)
      convert(n);
    if (n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n != text && !n.next_sibling())
      n = n.parent();
    if (n != text)
      n = n.next_sibling();
  }
}

void Reader::keepFilterPaint(const pugi::xml_node& node, Art* group)
{
  std::string filter = trim(property(node, "filter"));
  if (filter.empty() || filter == "none")
    return;
  for (const char* name : {"fill", "stroke"}) {
    std::string v = trim(property(node, name));
    size_t at = v.find("url(");
    if (at == std::string::npos)
      continue;
    size_t close = v.find(')', at);
    if (close == std::string::npos)
      continue;
    std::string target = trim(v.substr(at + 4, close - at - 4));
    if (target.size() >= 2 && (target.front() == '\'' || target.front() == '"') && target.back() == target.front())
      target = target.substr(1, target.size() - 2);
    if (target.size() > 1 && target[0] == '#')
      foreignRefs_.insert(target.substr(1));
    PaintSvg::removeProperties(group->svgAttrs, [&](const std::string& n, const std::string&) { return n == name; });
    group->svgAttrs.emplace_back(name, v);
  }
}

void Reader::noMarkers(const pugi::xml_node& node, Art* art)
{
  if (usesMarkers_ < 0)
    usesMarkers_ = root_.base && std::string_view(root_.base, root_.size).find("marker") != std::string_view::npos;
  if (!usesMarkers_ || !(named(node, "rect") || named(node, "circle") || named(node, "ellipse")))
    return;
  for (const char* name : {"marker-start", "marker-mid", "marker-end"}) {
    std::string v;
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element && v.empty(); n = n.parent()) {
      v = trim(property(n, name));
      if (v.empty())
        v = trim(property(n, "marker"));
      if (v == "inherit")
        v.clear();
    }
    if (v.empty() || v == "none")
      continue;
    PaintSvg::removeProperties(art->svgAttrs, [&](const std::string& n, const std::string&) { return n == name || n == "marker"; });
    art->svgAttrs.emplace_back(name, "none");
  }
}

bool Reader::userBox(const Art* art, const Matrix& ctm, Rect& box)
{
  Matrix inverse;
  Rect r;
  if (!invert(ctm, inverse) || !art->bounds(r, &inverse))
    return false;
  box = {std::min(r.left, r.right), std::min(r.top, r.bottom), std::fabs(r.right - r.left),
         std::fabs(r.top - r.bottom)};
  return true;
}

void Reader::gradientPaint(const pugi::xml_node& server, const Art* art, const Context& ctx, bool& used,
                           PaintColor& out)
{
  Gradient* g = gradient(server);
  auto links = chain(server, isGradient, "gradient");
  // Coordinates come only from gradients of the same kind; units and transform from any.
  auto attr = [&](const char* name, bool coordinate) {
    for (const pugi::xml_node& n : links)
      if (!coordinate || named(n, server.name()))
        if (pugi::xml_attribute a = n.attribute(name))
          return a;
    return pugi::xml_attribute();
  };
  used = !g->stops.empty();
  if (!used)
    return;
  located(server, root_, [&] {
    bool boxUnits = std::strcmp(attr("gradientUnits", false).value(), "userSpaceOnUse") != 0;
    Matrix t;
    if (pugi::xml_attribute a = attr("gradientTransform", false))
      t = transformValue(a.value());
    Matrix toBox;
    if (boxUnits) {
      Rect box;
      if (!userBox(art, ctx.ctm, box) || box.right <= 0 || box.bottom <= 0) {
        used = false; // a bounding box without area paints nothing
        return;
      }
      toBox = {box.right, 0, 0, box.bottom, box.left, box.top};
    }
    Matrix m = t.then(toBox).then(ctx.ctm);
    double diagonal = std::sqrt((viewWidth_ * viewWidth_ + viewHeight_ * viewHeight_) / 2);
    auto len = [&](const char* name, double fallback, double extent) {
      return length(attr(name, true), fallback, boxUnits, extent);
    };
    double half = boxUnits ? 0.5 : 0;
    // Store the vector in host space when that keeps it exact, else in gradient space with the matrix.
    bool bake = conformal(m);
    Matrix n = bake ? m : Matrix{};
    out = PaintColor{};
    out.kind = kGradientColor;
    out.object = g->handle();
    out.matrix = bake ? Matrix{} : m;
    if (named(server, "radialGradient")) {
      Pt c{len("cx", boxUnits ? half : viewWidth_ / 2, viewWidth_), len("cy", boxUnits ? half : viewHeight_ / 2, viewHeight_)};
      double r = len("r", boxUnits ? half : diagonal / 2, diagonal);
      Pt f{len("fx", c.h, viewWidth_), len("fy", c.v, viewHeight_)};
      Pt hc = n.apply(c), hf = n.apply(f);
      double radius = r * std::sqrt(std::fabs(n.a * n.d - n.b * n.c));
      double dh = hf.h - hc.h, dv = hf.v - hc.v;
      out.origin = hc;
      out.length = radius;
      out.highlightAngle = degrees(dv, dh);
      out.highlightLength = radius > 0 ? std::hypot(dh, dv) / radius : 0;
    } else {
      Pt p1{len("x1", 0, viewWidth_), len("y1", 0, viewHeight_)};
      Pt p2{len("x2", boxUnits ? 1 : viewWidth_, viewWidth_), len("y2", 0, viewHeight_)};
      Pt h1 = n.apply(p1), h2 = n.apply(p2);
      out.origin = h1;
      out.angle = degrees(h2.v - h1.v, h2.h - h1.h);
      out.length = std::hypot(h2.h - h1.h, h2.v - h1.v);
    }
  });
}

void Reader::resolve(const PaintRef& ref, const pugi::xml_node& node, const Art* art, const Context& ctx,
                     const char* property, bool& used, PaintColor& out)
{
  used = ref.used;
  out = ref.color;
  if (!ref.used || ref.url.empty())
    return;
  // A reference to nothing paints its fallback, or nothing at all, as renderers draw it.
  auto it = ids().find(ref.url);
  if (it == ids_.end()) {
    used = ref.hasFallback && ref.fallbackUsed;
    return;
  }
  pugi::xml_node server = target(node, ref.url, property);
  if (isGradient(server)) {
    gradientPaint(server, art, ctx, used, out);
  } else if (named(server, "pattern")) {
    Rect box;
    bool hasBox = userBox(art, ctx.ctm, box);
    auto links = chain(server, [](const pugi::xml_node& n) { return named(n, "pattern"); }, "pattern");
    Pattern* p = pattern(server, hasBox ? &box : nullptr);
    if (p->tile.left == p->tile.right || p->tile.top == p->tile.bottom) {
      used = ref.hasFallback && ref.fallbackUsed; // a tile without area paints nothing
      return;
    }
    Matrix t;
    for (const pugi::xml_node& n : links)
      if (pugi::xml_attribute a = n.attribute("patternTransform")) {
        t = transformValue(a.value());
        break;
      }
    out = PaintColor{};
    out.kind = kPatternColor;
    out.object = p->handle();
    out.matrix = kFlip.then(t).then(ctx.ctm);
  } else if (isSolidColor(server)) {
    out = PaintColor{};
    out.kind = kCustomColor;
    out.object = spot(server)->handle();
    out.values[1] = ref.tint;
  } else {
    throw ReadError{std::string(property) + " of " + where(root_, node) + " refers to " + where(root_, server) +
                        ", which is no gradient, pattern or solid colour",
                    true};
  }
}

void Reader::applyPaint(Art* art, const pugi::xml_node& node, const Context& ctx)
{
  const Paint& p = ctx.paint;
  resolve(p.fill, node, art, ctx, "fill", art->filled, art->fillPaint);
  resolve(p.stroke, node, art, ctx, "stroke", art->stroked, art->strokePaint);
  // A reference that came to nothing, or to its fallback, is kept as what it paints; the writer emits
  // the paints that refer to document objects.
  auto settle = [&](const PaintRef& ref, const char* property, bool used, const PaintColor& paint) {
    if (ref.url.empty() || paint.kind == kGradientColor || paint.kind == kPatternColor || paint.kind == kCustomColor)
      return;
    PaintSvg::removeProperties(art->svgAttrs, [&](const std::string& name, const std::string&) { return name == property; });
    art->svgAttrs.emplace_back(property, used ? PaintSvg::colorText(paint) : "none");
  };
  settle(p.fill, "fill", art->filled, art->fillPaint);
  settle(p.stroke, "stroke", art->stroked, art->strokePaint);
  art->strokeWidth = p.width;
  art->evenOdd = p.evenOdd;
  // The subpaths of a compound path paint as the whole.
  for (Art* c = art->first; c; c = c->next) {
    c->filled = art->filled;
    c->fillPaint = art->fillPaint;
    c->stroked = art->stroked;
    c->strokePaint = art->strokePaint;
    c->strokeWidth = art->strokeWidth;
    c->evenOdd = art->evenOdd;
  }
}

void Reader::readRoot(const pugi::xml_node& svg)
{
  // The namespace is always written: a root without attributes would otherwise be given a view box,
  // which sizes a drawing the renderer sizes by default.
  if (!svg.attribute("xmlns"))
    doc_.svgRootAttrs.emplace_back("xmlns", "http://www.w3.org/2000/svg");
  for (pugi::xml_attribute a : svg.attributes())
    doc_.svgRootAttrs.emplace_back(a.name(), a.value());
  for (pugi::xml_node n = svg.previous_sibling(); n; n = n.previous_sibling())
    if (n.type() == pugi::node_pi && !std::strcmp(n.name(), "xml-stylesheet"))
      doc_.svgProlog.emplace(doc_.svgProlog.begin(), n.name(), n.value());
  svg_ = svg;
  // Host space is y up: flip the SVG user space.
  root_.ctm = kFlip;
  Rect board{0, 0, 612, -792};
  if (pugi::xml_attribute vb = svg.attribute("viewBox")) {
    Numbers in(vb.value());
    double v[4];
    for (double& x : v)
      if (!in.number(x))
        throw ReadError{"viewBox=\"" + std::string(vb.value()) + "\" of <svg> is not four numbers"};
    board = {v[0], -v[1], v[0] + v[2], -(v[1] + v[3])};
  } else if (svg.attribute("width") && svg.attribute("height")) {
    double w = 612, h = 792;
    if (!parseLength(svg.attribute("width").value(), {}, w) || !parseLength(svg.attribute("height").value(), {}, h))
      w = 612, h = 792;
    if (!(w > 0 && h > 0))
      w = 612, h = 792;
    board = {0, 0, w, -h};
  }
  viewWidth_ = board.right - board.left;
  viewHeight_ = board.top - board.bottom;
  doc_.artboards.push_back({doc_.nextArtboardSerial(), board, "Artboard 1", {board.left, board.top}});
  if (svg.attribute("transform"))
    root_.ctm = ownTransform(svg).then(root_.ctm);
  located(svg, root_, [&] { readPaint(svg, root_.paint); });

  Layer* loose = nullptr;
  for (pugi::xml_node child : svg.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (!std::strcmp(child.name(), "g") && placeable(child, root_.ctm)) {
      loose = nullptr;
      Context ctx = root_;
      if (child.attribute("transform"))
        ctx.ctm = ownTransform(child).then(ctx.ctm);
      located(child, ctx, [&] { readPaint(child, ctx.paint); });
      std::string title = child.attribute("data-name").value();
      if (title.empty())
        title = child.attribute("id").value();
      Layer* layer = newLayer(title);
      keepAttrs(child, layer->group);
      keepFilterPaint(child, layer->group);
      layer->visible = !(layer->group->attrs & Art::kHidden);
      layer->editable = !(layer->group->attrs & Art::kLocked);
      layer->group->attrs &= ~(Art::kHidden | Art::kLocked);
      if (const char* color = child.attribute("data-color").value(); *color) {
        PaintColor rgb;
        if (PaintSvg::parseColor(color, rgb) && rgb.kind == kThreeColor)
          for (int i = 0; i < 3; ++i)
            layer->color[i] = static_cast<uint16_t>(std::lround(rgb.values[i] * 65535));
      }
      readChildren(child, layer->group, ctx);
      continue;
    }
    if (Art* art = readElement(child, root_)) {
      if (!loose)
        loose = newLayer("");
      loose->group->insertFirst(art);
    }
  }
  readDefinitions(svg);
  settleGradients();
  if (doc_.layers.empty())
    newLayer("");
  doc_.currentLayer = doc_.layers.front();
}

void Reader::settleGradients()
{
  for (auto& [node, g] : gradients_) {
    auto& aliases = g->svgAliases;
    aliases.erase(std::remove_if(aliases.begin(), aliases.end(), [&](const auto& a) { return !foreignRefs_.count(a.first); }),
                  aliases.end());
    if (!foreignRefs_.count(g->svgId))
      g->svgAttrs.erase(std::remove_if(g->svgAttrs.begin(), g->svgAttrs.end(),
                                       [](const auto& kv) { return kv.first != "spreadMethod"; }),
                        g->svgAttrs.end());
  }
}

void Reader::readChildren(const pugi::xml_node& parent, Art* into, const Context& ctx)
{
  for (pugi::xml_node child : parent.children())
    if (child.type() == pugi::node_element)
      if (Art* art = readElement(child, ctx))
        into->insertFirst(art);
}

Art* Reader::foreign(const pugi::xml_node& node)
{
  Art* art = doc_.newArt(Art::kForeign);
  std::ostringstream raw;
  node.print(raw, "", pugi::format_raw);
  art->text = raw.str();
  // The ids it refers to: gradients they name are written so that they still paint as before.
  const std::string& t = art->text;
  for (size_t at = t.find('#'); at != std::string::npos; at = t.find('#', at + 1)) {
    bool url = at >= 4 && t.compare(at - 4, 4, "url(") == 0;
    bool href = at >= 6 && t.compare(at - 6, 6, "href=\"") == 0;
    if (!url && !href)
      continue;
    size_t end = t.find_first_of(url ? ")'\" " : "\"", at + 1);
    if (end != std::string::npos)
      foreignRefs_.insert(t.substr(at + 1, end - at - 1));
  }
  art->svgId = node.attribute("id").value();
  art->filled = false;
  return art;
}

Art* Reader::readElement(const pugi::xml_node& node, const Context& parentCtx)
{
  Context ctx = parentCtx;
  if (isDefinition(node))
    return nullptr;
  if (named(node, "defs")) {
    // Definitions become document objects; whatever else the defs hold is kept verbatim.
    pugi::xml_document rest;
    pugi::xml_node copy = rest.append_copy(node);
    for (pugi::xml_node c = copy.first_child(); c;) {
      pugi::xml_node next = c.next_sibling();
      if (c.type() == pugi::node_element && isDefinition(c))
        copy.remove_child(c);
      c = next;
    }
    if (!copy.find_child([](const pugi::xml_node& c) { return c.type() == pugi::node_element; }))
      return nullptr;
    return foreign(copy);
  }
  if (!placeable(node, ctx.ctm))
    return foreign(node);
  bool geometric = named(node, "g") || named(node, "path") || named(node, "rect") || named(node, "circle") ||
                   named(node, "ellipse") || named(node, "line") || named(node, "polyline") ||
                   named(node, "polygon") || named(node, "text");
  if (named(node, "use")) {
    // An instance of a symbol; a use of anything else is kept verbatim.
    pugi::xml_node used;
    std::string id = trim(hrefOf(node));
    if (id.size() > 1 && id[0] == '#')
      if (auto it = ids().find(id.substr(1)); it != ids_.end())
        used = it->second;
    if (!used || !named(used, "symbol"))
      return foreign(node);
    return located(node, ctx, [&] { return readUse(node, ctx); });
  }
  if (!geometric)
    return foreign(node);
  return located(node, ctx, [&] { return readGeometry(node, ctx); });
}

Art* Reader::readUse(const pugi::xml_node& node, const Context& parentCtx)
{
  Context ctx = parentCtx;
  if (node.attribute("transform"))
    ctx.ctm = ownTransform(node).then(ctx.ctm);
  pugi::xml_node definition = ids().at(localTarget(hrefOf(node), "href"));
  Symbol* s = symbol(definition);
  Art* instance = doc_.newArt(Art::kSymbolInstance);
  instance->symbol = s;
  Matrix shift;
  geometry(node, "x", 0, shift.tx);
  geometry(node, "y", 1, shift.ty);
  // A symbol's view box is fitted into the use's width and height (all of the viewport when not given).
  Matrix fit;
  bool fitted = false;
  if (pugi::xml_attribute vb = definition.attribute("viewBox")) {
    Numbers in(vb.value());
    double v[4];
    double w = viewWidth_, h = viewHeight_;
    if (in.number(v[0]) && in.number(v[1]) && in.number(v[2]) && in.number(v[3]) && v[2] > 0 && v[3] > 0 &&
        geometry(node, "width", 0, w) && geometry(node, "height", 1, h) && w > 0 && h > 0) {
      fit = viewBoxTransform(v, w, h, definition.attribute("preserveAspectRatio").value());
      fitted = true;
    }
  }
  // The definition is kept in host orientation; the placement maps it to where this use shows it.
  instance->placement = kFlip.then(fit).then(shift).then(ctx.ctm);
  instance->result = doc_.duplicate(s->art);
  instance->result->transform(instance->placement);
  keepAttrs(node, instance);
  // The fit is in the placement now; the written symbol has no view box to fit again.
  if (fitted)
    instance->svgAttrs.erase(std::remove_if(instance->svgAttrs.begin(), instance->svgAttrs.end(),
                                            [](const auto& kv) { return kv.first == "width" || kv.first == "height"; }),
                             instance->svgAttrs.end());
  instance->filled = false;
  return instance;
}

Art* Reader::readGeometry(const pugi::xml_node& node, Context& ctx)
{
  const char* name = node.name();
  if (node.attribute("transform"))
    ctx.ctm = ownTransform(node).then(ctx.ctm);
  readPaint(node, ctx.paint);
  if (!std::strcmp(name, "text")) {
    textLengths(node);
    Art* frame = TextSvg::read(doc_, node, ctx.ctm);
    keepAttrs(node, frame);
    applyPaint(frame, node, ctx);
    return frame;
  }
  if (!std::strcmp(name, "g")) {
    Art* group = doc_.newArt(Art::kGroup);
    keepAttrs(node, group);
    keepFilterPaint(node, group);
    group->filled = false;
    readChildren(node, group, ctx);
    return group;
  }
  PathBuilder b;
  Art* art = shape(node, ctx, b);
  if (!art)
    return foreign(node);
  keepAttrs(node, art);
  noMarkers(node, art);
  applyPaint(art, node, ctx);
  return art;
}

Art* Reader::shape(const pugi::xml_node& node, const Context& ctx, PathBuilder& b)
{
  const char* name = node.name();
  bool valid = true;
  auto num = [&](const char* a, double fallback, int axis) {
    double v = fallback;
    valid = geometry(node, a, axis, v) && valid;
    return v;
  };
  if (!std::strcmp(name, "path")) {
    // Path data is drawn up to its first error, as renderers do.
    std::string d = trim(property(node, "d"));
    if (d.rfind("path(", 0) == 0 && d.size() > 7 && d.back() == ')') // d: path("...") in a style
      d = d.substr(6, d.size() - 8);
    parsePathData(d.c_str(), b);
  } else if (!std::strcmp(name, "line")) {
    Pt p1{num("x1", 0, 0), num("y1", 0, 1)}, p2{num("x2", 0, 0), num("y2", 0, 1)};
    b.moveTo(p1);
    b.lineTo(p2);
  } else if (!std::strcmp(name, "polyline") || !std::strcmp(name, "polygon")) {
    // Points are drawn up to the first that is not a pair of numbers.
    Numbers in(node.attribute("points").value());
    double x, y;
    bool firstPoint = true;
    while (in.number(x) && in.number(y)) {
      if (firstPoint)
        b.moveTo({x, y});
      else
        b.lineTo({x, y});
      firstPoint = false;
    }
    if (!firstPoint && name[4] == 'g')
      b.close();
  } else if (!std::strcmp(name, "rect")) {
    double x = num("x", 0, 0), y = num("y", 0, 1), w = num("width", 0, 0), h = num("height", 0, 1);
    double rx = num("rx", -1, 0), ry = num("ry", -1, 1);
    if (!valid || w <= 0 || h <= 0)
      return nullptr; // renderers draw nothing of it
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
    double cx = num("cx", 0, 0), cy = num("cy", 0, 1);
    double rx = circle ? num("r", 0, 2) : num("rx", -1, 0), ry = circle ? rx : num("ry", -1, 1);
    // An ellipse's radius "auto" (or one missing) takes the other.
    if (rx < 0 && ry >= 0)
      rx = ry;
    if (ry < 0 && rx >= 0)
      ry = rx;
    if (!valid || rx <= 0 || ry <= 0)
      return nullptr;
    double kx = rx * kKappa, ky = ry * kKappa;
    b.moveTo({cx + rx, cy});
    b.cubicTo({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    b.cubicTo({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    b.cubicTo({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    b.cubicTo({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    b.close();
  }
  if (!valid || b.paths.empty())
    return nullptr; // nothing to draw: kept as written
  for (Subpath& sp : b.paths) {
    if (sp.segs.size() > kMaxSegments)
      throw ReadError{"a path of " + std::to_string(sp.segs.size()) + " segments; at most " +
                      std::to_string(kMaxSegments) + " are allowed"};
    for (Segment& s : sp.segs) {
      s.p = ctx.ctm.apply(s.p);
      s.in = ctx.ctm.apply(s.in);
      s.out = ctx.ctm.apply(s.out);
      s.corner = Geometry::isCorner(s);
      if (!std::isfinite(s.p.h) || !std::isfinite(s.p.v) || !std::isfinite(s.in.h) || !std::isfinite(s.in.v) ||
          !std::isfinite(s.out.h) || !std::isfinite(s.out.v))
        return nullptr; // beyond the range of numbers: kept as written
    }
  }
  if (b.paths.size() == 1)
    return doc_.newPath(std::move(b.paths[0].segs), b.paths[0].closed);
  // Several subpaths (or none) make a compound path; children are listed topmost first.
  Art* compound = doc_.newArt(Art::kCompoundPath);
  for (Subpath& sp : b.paths) {
    compound->insertFirst(doc_.newPath(std::move(sp.segs), sp.closed));
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

// How host coordinates go into the user space of the element being written.
struct UserSpace
{
  Matrix toHost = kFlip;
  Matrix toUser = kFlip;

  static UserSpace of(const Matrix& toHost)
  {
    UserSpace u;
    if (invert(toHost, u.toUser))
      u.toHost = toHost;
    return u;
  }
  bool flipOnly() const { return toHost.a == 1 && toHost.b == 0 && toHost.c == 0 && toHost.d == -1 && toHost.tx == 0 && toHost.ty == 0; }
};

// Numbers near v that may be the one read: v rounded to each precision and its neighbours a few units in
// the last place away, each with the length of its shortest text.
struct Candidate
{
  double value;
  size_t length;
};

void candidates(double v, std::vector<Candidate>& out)
{
  out.clear();
  char buf[64];
  auto add = [&](double c) {
    if (!std::isfinite(c) || std::any_of(out.begin(), out.end(), [&](const Candidate& o) { return o.value == c; }))
      return;
    auto r = std::to_chars(buf, buf + sizeof buf, c);
    out.push_back({c, static_cast<size_t>(r.ptr - buf)});
  };
  for (int precision = 1; precision <= 17; ++precision) {
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
    double c = v;
    std::from_chars(buf, r.ptr, c);
    add(c);
  }
  // Rounding error leaves a small number where the drawing has a whole one, most of all near zero.
  add(std::round(v));
  add(0);
  double up = v, down = v;
  for (int i = 0; i < 4; ++i) {
    up = std::nextafter(up, HUGE_VAL);
    down = std::nextafter(down, -HUGE_VAL);
    add(up);
    add(down);
  }
}

// The point p of host space in user space: of the numbers the reader maps back to exactly p, the ones
// with the shortest text, so that numbers read under a transform are written as they were.
Pt userPoint(const Pt& p, const UserSpace& space)
{
  const Matrix& m = space.toHost;
  if (space.flipOnly())
    return {p.h, -p.v};
  Pt u = space.toUser.apply(p);
  thread_local std::vector<Candidate> xs, ys;
  candidates(u.h, xs);
  candidates(u.v, ys);
  Pt best = u;
  if (m.b == 0 && m.c == 0) {
    // Each coordinate maps on its own.
    size_t bx = SIZE_MAX, by = SIZE_MAX;
    for (const Candidate& x : xs)
      if (x.length < bx && m.apply({x.value, u.v}).h == p.h)
        best.h = x.value, bx = x.length;
    for (const Candidate& y : ys)
      if (y.length < by && m.apply({u.h, y.value}).v == p.v)
        best.v = y.value, by = y.length;
    return best;
  }
  size_t shortest = SIZE_MAX;
  for (const Candidate& x : xs)
    for (const Candidate& y : ys)
      if (x.length + y.length < shortest && m.apply({x.value, y.value}) == p)
        best = {x.value, y.value}, shortest = x.length + y.length;
  return best;
}

void appendUserPoint(std::string& out, const Pt& p, const UserSpace& space)
{
  Pt u = userPoint(p, space);
  appendNumber(out, u.h);
  out += ' ';
  appendNumber(out, u.v);
}

void appendPathData(std::string& d, const std::vector<Segment>& segs, bool closed, const UserSpace& space)
{
  if (segs.empty())
    return;
  d.reserve(d.size() + segs.size() * 32);
  d += 'M';
  appendUserPoint(d, segs[0].p, space);
  auto piece = [&](const Segment& a, const Segment& b) {
    if (a.out == a.p && b.in == b.p) {
      d += " L";
    } else {
      d += " C";
      appendUserPoint(d, a.out, space);
      d += ' ';
      appendUserPoint(d, b.in, space);
      d += ' ';
    }
    appendUserPoint(d, b.p, space);
  };
  for (size_t i = 1; i < segs.size(); ++i)
    piece(segs[i - 1], segs[i]);
  if (closed) {
    const Segment& a = segs.back();
    const Segment& b = segs.front();
    // The reader merges a closing anchor that repeats the first one, so such a piece is written out; so is
    // the curve of a loop with one anchor.
    if (!(a.out == a.p && b.in == b.p) || (segs.size() > 1 && a.p == b.p))
      piece(a, b);
    d += " Z";
  }
}

// The positions of a text element and its spans, written in host space, put into the user space its
// kept transforms set up.
void toUserSpace(pugi::xml_node text, const UserSpace& space)
{
  auto move = [&](pugi::xml_node n) {
    pugi::xml_attribute x = n.attribute("x"), y = n.attribute("y");
    if (!x || !y)
      return;
    Pt u = userPoint({x.as_double(), -y.as_double()}, space);
    std::string t;
    appendNumber(t, u.h);
    x.set_value(t.c_str());
    t.clear();
    appendNumber(t, u.v);
    y.set_value(t.c_str());
  };
  move(text);
  for (pugi::xml_node span : text.children("tspan"))
    move(span);
}

// An attribute written twice would make the output unreadable: the last value wins.
void setAttr(pugi::xml_node& node, const char* name, const std::string& value)
{
  pugi::xml_attribute a = node.attribute(name);
  (a ? a : node.append_attribute(name)).set_value(value.c_str());
}

class Writer
{
public:
  Writer(const Document& doc, pugi::xml_node svg);
  // Writes a into parent, whose user space ctm maps to host space.
  void art(pugi::xml_node parent, const Art* a, const Matrix& ctm);
  // Every gradient, pattern, symbol and spot colour of the document, in the order they were made.
  void definitions();
  // Drops the definitions element when nothing went into it.
  void finish(pugi::xml_node svg);

private:
  void collectIds(const Art* a);
  std::string fresh(const std::string& base);
  // The id an object is written under: its own when free, else a new one.
  std::string idOf(const Object* o, const std::string& svgId, const char* prefix);
  void content(pugi::xml_node parent, const Art* art);
  // The reference that paints with c, making a placement element where one is needed; "none" when the
  // object it paints with is gone.
  std::string paintRef(const PaintColor& c, const UserSpace& space);
  std::string colorText(const PaintColor& c);

  const Document& doc_;
  pugi::xml_node defs_;
  // The ids the document's objects came with, collected when the first fresh id is needed.
  void collectUsed();
  std::set<std::string> used_;
  bool usedCollected_ = false;
  std::unordered_map<const Object*, std::string> ids_;
};

std::string matrixText(const Matrix& m)
{
  std::string s = "matrix(";
  for (double v : {m.a, m.b, m.c, m.d, m.tx, m.ty}) {
    appendNumber(s, v);
    s += ' ';
  }
  s.back() = ')';
  return s;
}

std::string numberText(double v)
{
  std::string s;
  appendNumber(s, v);
  return s;
}

Writer::Writer(const Document& doc, pugi::xml_node svg) : doc_(doc)
{
  defs_ = svg.append_child("defs");
}

void Writer::collectUsed()
{
  usedCollected_ = true;
  for (const Layer* l : doc_.allLayers())
    collectIds(l->group);
  for (const Pattern* p : doc_.live<Pattern>())
    used_.insert(p->svgId);
  for (const Symbol* s : doc_.live<Symbol>())
    used_.insert(s->svgId);
  for (const Gradient* g : doc_.live<Gradient>()) {
    used_.insert(g->svgId);
    for (const auto& alias : g->svgAliases)
      used_.insert(alias.first);
  }
  for (const CustomColor* c : doc_.live<CustomColor>())
    used_.insert(c->svgId);
}

void Writer::collectIds(const Art* a)
{
  if (!a->svgId.empty())
    used_.insert(a->svgId);
  for (const Art* c = a->first; c; c = c->next)
    collectIds(c);
}

std::string Writer::fresh(const std::string& base)
{
  if (!usedCollected_)
    collectUsed();
  for (int n = 1;; ++n) {
    std::string id = base + "-" + std::to_string(n);
    if (used_.insert(id).second)
      return id;
  }
}

std::string Writer::idOf(const Object* o, const std::string& svgId, const char* prefix)
{
  if (auto it = ids_.find(o); it != ids_.end())
    return it->second;
  bool taken = svgId.empty() || std::any_of(ids_.begin(), ids_.end(), [&](const auto& kv) { return kv.second == svgId; });
  return ids_[o] = taken ? fresh(prefix) : svgId;
}

void Writer::content(pugi::xml_node parent, const Art* art)
{
  if (!art || art->dead())
    return;
  // The group the reader made around the content is not written; any other art is.
  if (art->type == Art::kGroup && art->svgId.empty() && art->svgAttrs.empty() && !art->parent)
    for (const Art* c = art->last; c; c = c->prev)
      this->art(parent, c, kFlip);
  else
    this->art(parent, art, kFlip);
}

std::string Writer::colorText(const PaintColor& c)
{
  if (c.kind != kCustomColor)
    return PaintSvg::colorText(c);
  const CustomColor* spot = lookup<CustomColor>(c.object);
  if (!spot)
    return "none";
  return "url(#" + idOf(spot, spot->svgId, "spot") + ")";
}

void Writer::definitions()
{
  for (const Gradient* g : doc_.live<Gradient>()) {
    pugi::xml_node node = defs_.append_child(g->type == 1 ? "radialGradient" : "linearGradient");
    std::string id = idOf(g, g->svgId, "gradient");
    setAttr(node, "id", id);
    if (g->name != id)
      setAttr(node, "data-name", g->name);
    // Placements inherit these through their link.
    for (const auto& kv : g->svgAttrs)
      setAttr(node, kv.first.c_str(), kv.second);
    for (const GradientStop& st : g->stops) {
      pugi::xml_node stop = node.append_child("stop");
      setAttr(stop, "offset", numberText(st.position1 / 100));
      setAttr(stop, "stop-color", colorText(st.color));
      if (st.opacity != 1)
        setAttr(stop, "stop-opacity", numberText(st.opacity));
      if (st.position2 != 50)
        setAttr(stop, "data-midpoint", numberText(st.position2));
    }
    for (const auto& [aliasId, attrs] : g->svgAliases) {
      pugi::xml_node alias = defs_.append_child(node.name());
      setAttr(alias, "id", aliasId);
      setAttr(alias, "href", "#" + id);
      for (const auto& kv : attrs)
        setAttr(alias, kv.first.c_str(), kv.second);
    }
  }
  for (const CustomColor* c : doc_.live<CustomColor>()) {
    pugi::xml_node node = defs_.append_child("solidColor");
    std::string id = idOf(c, c->svgId, "spot");
    setAttr(node, "id", id);
    if (c->name != id)
      setAttr(node, "data-name", c->name);
    PaintColor color;
    if (c->kind == 0) {
      color.kind = kFourColor;
      std::copy(c->values, c->values + 4, color.values);
    } else {
      color = PaintColor::rgb(c->values[0], c->values[1], c->values[2]);
    }
    if (c->kind == 2) {
      // Lab keeps its values beside a neutral sRGB stand-in.
      color = PaintColor::rgb(c->values[0] / 100, c->values[0] / 100, c->values[0] / 100);
      setAttr(node, "data-lab", numberText(c->values[0]) + " " + numberText(c->values[1]) + " " +
                                    numberText(c->values[2]));
    }
    setAttr(node, "solid-color", PaintSvg::colorText(color));
    if (c->flags)
      setAttr(node, "data-flags", std::to_string(c->flags));
  }
  for (const Pattern* p : doc_.live<Pattern>()) {
    pugi::xml_node node = defs_.append_child("pattern");
    std::string id = idOf(p, p->svgId, "pattern");
    setAttr(node, "id", id);
    if (p->name != id)
      setAttr(node, "data-name", p->name);
    setAttr(node, "x", numberText(p->tile.left));
    setAttr(node, "y", numberText(-p->tile.top));
    setAttr(node, "width", numberText(p->tile.right - p->tile.left));
    setAttr(node, "height", numberText(p->tile.top - p->tile.bottom));
    setAttr(node, "patternUnits", "userSpaceOnUse");
    content(node, p->art);
  }
  for (const Symbol* s : doc_.live<Symbol>()) {
    pugi::xml_node node = defs_.append_child("symbol");
    std::string id = idOf(s, s->svgId, "symbol");
    setAttr(node, "id", id);
    if (s->name != id)
      setAttr(node, "data-name", s->name);
    for (const auto& kv : s->svgAttrs)
      setAttr(node, kv.first.c_str(), kv.second);
    content(node, s->art);
  }
}

std::string Writer::paintRef(const PaintColor& c, const UserSpace& space)
{
  if (c.kind == kCustomColor)
    return colorText(c);
  if (c.kind == kGradientColor) {
    const Gradient* g = lookup<Gradient>(c.object);
    if (!g)
      return "none";
    std::string template_ = idOf(g, g->svgId, "gradient");
    pugi::xml_node node = defs_.append_child(g->type == 1 ? "radialGradient" : "linearGradient");
    std::string id = fresh(template_);
    setAttr(node, "id", id);
    setAttr(node, "href", "#" + template_);
    setAttr(node, "gradientUnits", "userSpaceOnUse");
    // A vector kept in host space is written in user space when that keeps it exact; else the vector is
    // written as it is and the transform maps it there.
    Matrix n = space.toUser;
    double scale = std::sqrt(std::fabs(n.a * n.d - n.b * n.c));
    bool templateTransform = std::any_of(g->svgAttrs.begin(), g->svgAttrs.end(),
                                         [](const auto& kv) { return kv.first == "gradientTransform"; });
    if (!c.matrix.identity() || !conformal(n) || templateTransform) {
      n = Matrix{};
      scale = 1;
      setAttr(node, "gradientTransform", matrixText(c.matrix.then(space.toUser)));
    }
    auto point = [&](const char* x, const char* y, Pt p) {
      p = n.apply(p);
      setAttr(node, x, numberText(p.h));
      setAttr(node, y, numberText(p.v));
    };
    if (g->type == 1) {
      double a = c.highlightAngle * kPi / 180, d = c.highlightLength * c.length;
      point("cx", "cy", c.origin);
      setAttr(node, "r", numberText(c.length * scale));
      point("fx", "fy", {c.origin.h + d * std::cos(a), c.origin.v + d * std::sin(a)});
    } else {
      double a = c.angle * kPi / 180;
      point("x1", "y1", c.origin);
      point("x2", "y2", {c.origin.h + c.length * std::cos(a), c.origin.v + c.length * std::sin(a)});
    }
    return "url(#" + id + ")";
  }
  if (c.kind == kPatternColor) {
    const Pattern* p = lookup<Pattern>(c.object);
    if (!p)
      return "none";
    std::string template_ = idOf(p, p->svgId, "pattern");
    Matrix t = kFlip.then(c.matrix).then(space.toUser);
    if (t.identity())
      return "url(#" + template_ + ")";
    pugi::xml_node node = defs_.append_child("pattern");
    std::string id = fresh(template_);
    setAttr(node, "id", id);
    setAttr(node, "href", "#" + template_);
    setAttr(node, "patternTransform", matrixText(t));
    return "url(#" + id + ")";
  }
  return PaintSvg::colorText(c);
}

void Writer::art(pugi::xml_node parent, const Art* a, const Matrix& parentCtm)
{
  if (a->type == Art::kForeign && !a->text.empty()) {
    parent.append_buffer(a->text.data(), a->text.size());
    return;
  }
  bool instance = a->type == Art::kSymbolInstance;
  bool group = a->type == Art::kGroup || a->type == Art::kPluginGroup;
  bool text = a->type == Art::kTextFrame;
  pugi::xml_node node = parent.append_child(instance ? "use" : group ? "g" : text ? "text" : "path");
  if (!a->svgId.empty())
    setAttr(node, "id", a->svgId);
  Matrix ctm = parentCtm;
  for (auto& kv : a->svgAttrs)
    if (kv.first == "transform")
      ctm = transformValue(kv.second.c_str()).then(parentCtm);
  UserSpace space = UserSpace::of(ctm);
  if (instance) {
    const Symbol* s = a->symbol && !a->symbol->dead() ? a->symbol : nullptr;
    if (s)
      setAttr(node, "href", "#" + idOf(s, s->svgId, "symbol"));
    Matrix t = kFlip.then(a->placement).then(UserSpace::of(parentCtm).toUser);
    if (!t.identity())
      setAttr(node, "transform", matrixText(t));
  } else if (text) {
    TextSvg::write(node, *a);
    if (!space.flipOnly())
      toUserSpace(node, space);
  } else if (!group) {
    std::string d;
    if (a->type == Art::kPath) {
      appendPathData(d, a->segments, a->closed, space);
    } else {
      for (const Art* c = a->last; c; c = c->prev)
        if (c->type == Art::kPath) {
          if (!d.empty())
            d += ' ';
          appendPathData(d, c->segments, c->closed, space);
        }
    }
    setAttr(node, "d", d);
  }
  PaintSvg::Attributes attrs = a->svgAttrs;
  auto refers = [](const PaintColor& c) {
    return c.kind == kCustomColor || c.kind == kGradientColor || c.kind == kPatternColor;
  };
  bool fillRef = !group && !instance && a->filled && refers(a->fillPaint);
  bool strokeRef = !group && !instance && a->stroked && refers(a->strokePaint);
  if (fillRef || strokeRef) {
    PaintSvg::removeProperties(attrs, [&](const std::string& name, const std::string&) {
      return (fillRef && name == "fill") || (strokeRef && name == "stroke");
    });
    if (fillRef) {
      attrs.emplace_back("fill", paintRef(a->fillPaint, space));
      if (a->fillPaint.kind == kCustomColor)
        attrs.emplace_back("data-fill-tint", numberText(a->fillPaint.values[1]));
    }
    if (strokeRef) {
      attrs.emplace_back("stroke", paintRef(a->strokePaint, space));
      if (a->strokePaint.kind == kCustomColor)
        attrs.emplace_back("data-stroke-tint", numberText(a->strokePaint.values[1]));
    }
  }
  for (auto& kv : attrs)
    setAttr(node, kv.first.c_str(), kv.second);
  if (a->attrs & Art::kHidden)
    setAttr(node, "display", "none");
  if (a->attrs & Art::kLocked)
    setAttr(node, "data-locked", "true");
  if (group)
    for (const Art* c = a->last; c; c = c->prev)
      art(node, c, ctm);
}

void Writer::finish(pugi::xml_node svg)
{
  if (!defs_.first_child())
    svg.remove_child(defs_);
}

// The deepest nesting of elements below the document, and how many elements there are.
int depth(const pugi::xml_node& root, size_t* count = nullptr)
{
  struct Walker : pugi::xml_tree_walker
  {
    int deepest = 0;
    size_t elements = 0;
    bool for_each(pugi::xml_node& node) override
    {
      if (node.type() == pugi::node_element) {
        deepest = std::max(deepest, depth() + 1);
        ++elements;
      }
      return true;
    }
  } walker;
  const_cast<pugi::xml_node&>(root).traverse(walker);
  if (count)
    *count = walker.elements;
  return walker.deepest;
}

// A gzip-compressed drawing (.svgz) inflated.
bool gunzip(const char* data, size_t size, std::string& out, std::string& error)
{
  constexpr size_t kMaxInflated = size_t(1) << 30;
  z_stream z{};
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) {
    error = "compressed SVG: cannot start inflating";
    return false;
  }
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
  z.avail_in = static_cast<uInt>(std::min<size_t>(size, UINT32_MAX));
  int rc = Z_OK;
  char buf[65536];
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
    if (out.size() > kMaxInflated) {
      rc = Z_MEM_ERROR;
      break;
    }
    if (rc == Z_BUF_ERROR && z.avail_in == 0)
      break; // truncated
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) {
    error = rc == Z_MEM_ERROR ? "compressed SVG: it inflates to more than 1 GiB"
                              : "compressed SVG: the data is damaged or cut short";
    return false;
  }
  return true;
}

// The general entities an internal DOCTYPE subset declares ("<!ENTITY name 'value'>"), replaced in the
// text after it: the XML reader knows only the predefined ones, and editors declare their namespace URIs
// so. Values are put in as they are, not expanded again; expanded stays empty when nothing is declared.
bool expandEntities(const char* data, size_t size, std::string& expanded, std::string& error)
{
  std::string_view text(data, size);
  size_t doctype = text.find("<!DOCTYPE");
  if (doctype == std::string_view::npos || doctype > 4096)
    return true;
  size_t open = text.find('[', doctype), close = text.find("]>", doctype);
  size_t firstTag = text.find('>', doctype);
  if (open == std::string_view::npos || close == std::string_view::npos || open > firstTag || close < open)
    return true;
  std::vector<std::pair<std::string, std::string>> entities;
  std::string_view subset = text.substr(open + 1, close - open - 1);
  for (size_t at = subset.find("<!ENTITY"); at != std::string_view::npos; at = subset.find("<!ENTITY", at + 1)) {
    size_t p = at + 8;
    auto skip = [&] {
      while (p < subset.size() && isSpace(subset[p]))
        ++p;
    };
    skip();
    if (p < subset.size() && subset[p] == '%')
      continue; // a parameter entity
    size_t nameStart = p;
    while (p < subset.size() && !isSpace(subset[p]) && subset[p] != '"' && subset[p] != '\'')
      ++p;
    std::string name(subset.substr(nameStart, p - nameStart));
    skip();
    if (name.empty() || p >= subset.size() || (subset[p] != '"' && subset[p] != '\''))
      continue; // an external entity
    char quote = subset[p];
    size_t end = subset.find(quote, p + 1);
    if (end == std::string_view::npos)
      break;
    entities.emplace_back("&" + name + ";", std::string(subset.substr(p + 1, end - p - 1)));
  }
  if (entities.empty())
    return true;
  constexpr size_t kMaxExpanded = size_t(1) << 28;
  expanded.assign(data, close + 2);
  for (size_t i = close + 2; i < size;) {
    if (data[i] == '&') {
      auto it = std::find_if(entities.begin(), entities.end(),
                             [&](const auto& e) { return text.compare(i, e.first.size(), e.first) == 0; });
      if (it != entities.end()) {
        expanded += it->second;
        i += it->first.size();
        if (expanded.size() > kMaxExpanded) {
          error = "entities expand the drawing beyond 256 MiB";
          return false;
        }
        continue;
      }
    }
    expanded += data[i++];
  }
  return true;
}

} // namespace hostsimSvg_detail

void Svg::appendPathData(std::string& d, const std::vector<Segment>& segs, bool closed)
{
  hostsimSvg_detail::appendPathData(d, segs, closed, hostsimSvg_detail::UserSpace{});
}

bool Svg::read(const char* data, size_t size, Document& doc, std::string& error)
{
  using namespace hostsimSvg_detail;
  std::string inflated, expanded;
  if (size >= 2 && static_cast<unsigned char>(data[0]) == 0x1f && static_cast<unsigned char>(data[1]) == 0x8b) {
    if (!gunzip(data, size, inflated, error))
      return false;
    data = inflated.data();
    size = inflated.size();
  }
  if (!expandEntities(data, size, expanded, error))
    return false;
  if (!expanded.empty()) {
    data = expanded.data();
    size = expanded.size();
  }
  pugi::xml_document xml;
  // The encoding comes from a byte order mark or the declaration (UTF-8 when neither says); the
  // document is held, and written, as UTF-8. White space between elements is kept: inside text it is a
  // space.
  pugi::xml_parse_result parsed =
    xml.load_buffer(data, size, pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_pi, pugi::encoding_auto);
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
  size_t elements = 0;
  if (depth(xml, &elements) > kMaxDepth) {
    error = "elements are nested more than " + std::to_string(kMaxDepth) + " levels deep";
    return false;
  }
  if (elements > kMaxElements) {
    error = "the drawing has more than " + std::to_string(kMaxElements) + " elements";
    return false;
  }
  SvgCss::apply(svg);
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
  for (const auto& [target, value] : doc.svgProlog) {
    pugi::xml_node pi = xml.append_child(pugi::node_pi);
    pi.set_name(target.c_str());
    pi.set_value(value.c_str());
  }
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
  Matrix base = kFlip;
  for (auto& kv : doc.svgRootAttrs) {
    setAttr(svg, kv.first.c_str(), kv.second);
    if (kv.first == "transform")
      base = transformValue(kv.second.c_str()).then(kFlip);
  }
  Writer w(doc, svg);
  w.definitions();
  for (auto it = doc.layers.rbegin(); it != doc.layers.rend(); ++it) {
    struct LayerOut
    {
      static void write(Writer& w, pugi::xml_node parent, const Layer* l, Matrix ctm)
      {
        const Art* g = l->group;
        pugi::xml_node node = parent.append_child("g");
        if (!g->svgId.empty())
          setAttr(node, "id", g->svgId);
        setAttr(node, "data-name", l->title);
        for (auto& kv : g->svgAttrs) {
          setAttr(node, kv.first.c_str(), kv.second);
          if (kv.first == "transform")
            ctm = transformValue(kv.second.c_str()).then(ctm);
        }
        if (!l->visible)
          setAttr(node, "display", "none");
        if (!l->editable)
          setAttr(node, "data-locked", "true");
        for (const Art* c = g->last; c; c = c->prev) {
          if (c->layer)
            write(w, node, c->layer, ctm);
          else
            w.art(node, c, ctm);
        }
      }
    };
    LayerOut::write(w, svg, *it, base);
  }
  w.finish(svg);
  std::ostringstream out;
  // Indenting a deep tree would make the text grow with the square of its depth.
  unsigned format = depth(xml) > 32 ? pugi::format_raw : pugi::format_default;
  xml.save(out, "  ", format, pugi::encoding_utf8);
  return out.str();
}

} // namespace hostsim
