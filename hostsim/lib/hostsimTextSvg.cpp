#include "hostsimTextSvg.h"

#include "hostsimApp.h"
#include "hostsimArt.h"
#include "hostsimEncoding.h"
#include "hostsimFonts.h"
#include "hostsimPaintSvg.h"
#include "hostsimText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace hostsim {

namespace hostsimTextSvg_detail {

using Attrs = TextEngine::Attrs;
using Value = TextEngine::Value;

// The keys of a run's own position and shifts.
// A positioned character also carries its index in the text, so that two characters with the same shifts
// stay runs of their own.
constexpr int32_t kRunIndex = -8;
// A character whose position or shift is the first of its element's list starts a span of its own when
// written: a renderer that reads one value per element still sees it.
constexpr int32_t kRunListStart = -9;
constexpr int32_t kPositionKeys[] = {TextEngine::kRunX, TextEngine::kRunY, TextEngine::kRunDx, TextEngine::kRunDy,
                                     kRunIndex, kRunListStart};

bool positioned(const Attrs& attrs)
{
  for (int32_t key : kPositionKeys)
    if (attrs.count(key))
      return true;
  return false;
}

Attrs withoutPosition(Attrs attrs)
{
  for (int32_t key : kPositionKeys)
    attrs.erase(key);
  return attrs;
}

// A presentation value: the style property wins over the attribute.
std::string property(const pugi::xml_node& node, const char* name)
{
  std::string style = node.attribute("style").value();
  size_t at = 0;
  std::string found;
  while (at < style.size()) {
    size_t semi = style.find(';', at);
    std::string decl = style.substr(at, semi == std::string::npos ? std::string::npos : semi - at);
    at = semi == std::string::npos ? style.size() : semi + 1;
    size_t colon = decl.find(':');
    if (colon == std::string::npos)
      continue;
    auto trim = [](std::string s) {
      size_t b = s.find_first_not_of(" \t\r\n"), e = s.find_last_not_of(" \t\r\n");
      return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
    };
    if (trim(decl.substr(0, colon)) == name)
      found = trim(decl.substr(colon + 1));
  }
  return found.empty() ? node.attribute(name).value() : found;
}

std::string number(double v)
{
  if (v == 0)
    v = 0; // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// The font of a family: an installed one of that family (its regular face first), else a new face the
// machine lacks.
FontKey fontOfFamily(const std::string& family)
{
  HostApp* app = HostApp::current();
  if (!app)
    return nullptr;
  Fonts& fonts = app->area<Fonts>();
  const Fonts::Font* any = nullptr;
  for (const Fonts::Font& f : fonts.fonts())
    if (f.family == family) {
      if (f.style == "Regular")
        return f.key;
      if (!any)
        any = &f;
    }
  if (any)
    return any->key;
  FontKey key = fonts.add(family, "Regular");
  if (Fonts::Font* f = fonts.edit(key))
    f->installed = false;
  return key;
}

// A length in user units: a number with an optional unit, "em" and "ex" counted in the font size; none for
// what is no length (percentages among them: they need the viewport).
std::optional<double> length(const std::string& text, double fontSize)
{
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t' || *begin == '\n' || *begin == '\r')
    ++begin;
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(v))
    return std::nullopt;
  std::string unit(end);
  while (!unit.empty() && (unit.back() == ' ' || unit.back() == '\t' || unit.back() == '\n' || unit.back() == '\r'))
    unit.pop_back();
  static const std::pair<const char*, double> units[] = {{"", 1},          {"px", 1},         {"pt", 96.0 / 72},
                                                         {"pc", 16},       {"in", 96},        {"cm", 96 / 2.54},
                                                         {"mm", 96 / 25.4}, {"q", 96 / 101.6}};
  for (const auto& [name, scale] : units)
    if (unit == name)
      return v * scale;
  if (unit == "em")
    return v * fontSize;
  if (unit == "ex")
    return v * fontSize / 2;
  return std::nullopt;
}

// A list of lengths ("10 20,30"); stops at the first item that is no length.
std::vector<double> lengths(const char* text, double fontSize)
{
  std::vector<double> out;
  std::string item;
  auto flush = [&] {
    if (item.empty())
      return true;
    std::optional<double> v = length(item, fontSize);
    item.clear();
    if (!v)
      return false;
    out.push_back(*v);
    return true;
  };
  for (const char* p = text; p && *p; ++p) {
    if (*p == ' ' || *p == ',' || *p == '\t' || *p == '\n' || *p == '\r') {
      if (!flush())
        return out;
    } else {
      item += *p;
    }
  }
  flush();
  return out;
}

// The font size an element states, from its parent's (keywords, "em" and percentages count from it).
double fontSizeOf(const pugi::xml_node& node, double parent)
{
  std::string text = property(node, "font-size");
  if (text.empty() || text == "inherit")
    return parent;
  static const std::pair<const char*, double> keywords[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13},
                                                            {"medium", 16},  {"large", 18},   {"x-large", 24},
                                                            {"xx-large", 32}};
  for (const auto& [name, size] : keywords)
    if (text == name)
      return size;
  if (text == "larger")
    return parent * 1.2;
  if (text == "smaller")
    return parent / 1.2;
  if (text.size() > 1 && text.back() == '%')
    if (auto v = length(text.substr(0, text.size() - 1), parent))
      return *v * parent / 100;
  return length(text, parent).value_or(parent);
}

// The font size the text element inherits from the elements around it.
double inheritedFontSize(const pugi::xml_node& text)
{
  std::vector<pugi::xml_node> chain;
  for (pugi::xml_node n = text.parent(); n && n.type() == pugi::node_element; n = n.parent())
    chain.push_back(n);
  double size = 16;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    size = fontSizeOf(*it, size);
  return size;
}

// Presentation properties of a span that the run keeps as they are written: written back on the span.
constexpr const char* kKeptProperties[] = {
    "text-anchor",     "font-variant",      "font-stretch",     "text-decoration", "baseline-shift",
    "stroke",          "stroke-width",      "stroke-opacity",   "stroke-linejoin", "stroke-linecap",
    "stroke-dasharray", "fill-opacity",     "opacity",          "visibility",      "display",
    "word-spacing",    "writing-mode",      "direction",        "unicode-bidi",    "dominant-baseline",
    "alignment-baseline", "paint-order",    "font-feature-settings", "text-rendering", "font-kerning"};

// The run attributes a span states of its own (on top of the ones it inherits); fontSize is the span's.
void ownAttrs(const pugi::xml_node& span, double fontSize, Attrs& attrs)
{
  std::string family = property(span, "font-family");
  if (!family.empty()) {
    if (family.size() > 1 && (family.front() == '\'' || family.front() == '"') && family.back() == family.front())
      family = family.substr(1, family.size() - 2);
    if (FontKey key = fontOfFamily(family)) {
      Value v;
      v.font = key;
      attrs[TextEngine::kFontPosition] = v;
    }
  }
  if (!property(span, "font-size").empty())
    attrs[TextEngine::kSizePosition] = Value(fontSize);
  std::string spacingText = property(span, "letter-spacing");
  if (spacingText == "normal")
    attrs[TextEngine::kTrackingPosition] = Value(0);
  else if (auto spacing = length(spacingText, fontSize))
    attrs[TextEngine::kTrackingPosition] = Value(*spacing);
  std::string style;
  std::string weight = property(span, "font-weight");
  attrs.erase(TextEngine::kRunBold);
  if (weight == "bold" || weight == "bolder" || (std::atoi(weight.c_str()) >= 600))
    attrs[TextEngine::kRunBold] = Value(1);
  else if (!weight.empty())
    style += "font-weight:" + weight + ";";
  std::string slant = property(span, "font-style");
  if (slant == "italic" || slant == "oblique")
    attrs[TextEngine::kRunItalic] = Value(1);
  else if (!slant.empty()) {
    attrs.erase(TextEngine::kRunItalic);
    style += "font-style:" + slant + ";";
  }
  PaintColor fill;
  std::string fillText = property(span, "fill");
  if (!fillText.empty() && fillText != "none" && PaintSvg::parseColor(fillText, fill) && fill.kind != 6) {
    Value v;
    v.paint = std::make_shared<ColorRecord>(fill.record());
    attrs[TextEngine::kFillPosition] = v;
  } else if (!fillText.empty()) {
    attrs.erase(TextEngine::kFillPosition);
    style += "fill:" + fillText + ";";
  }
  // What is not displayed keeps its descendants from showing too.
  auto inheritedStyle = attrs.find(TextEngine::kRunStyle);
  bool hidden = inheritedStyle != attrs.end() && inheritedStyle->second.style.find("display:none;") != std::string::npos;
  for (const char* name : kKeptProperties) {
    std::string value = property(span, name);
    if (hidden && !std::strcmp(name, "display"))
      continue;
    if (!value.empty())
      style += std::string(name) + ":" + value + ";";
  }
  // A span's own properties come after the ones it inherits, so that they win.
  auto inherited = attrs.find(TextEngine::kRunStyle);
  std::string all = (inherited == attrs.end() ? std::string() : inherited->second.style) + style;
  if (!all.empty()) {
    Value v;
    v.style = all;
    attrs[TextEngine::kRunStyle] = v;
  }
}

// A character of the text with the run attributes it gets; a new line starts before it when its own
// position moves the baseline.
struct Piece
{
  std::string text;
  Attrs attrs;
  bool newLine = false;
};

bool space(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Reads the text the way a renderer lays it out: white space collapses over the whole element (every
// run of it is one space, none at the start or end), and each character takes its position, shifts
// from the innermost element whose x, y, dx or dy list still has a value for it.
class Reader
{
public:
  Reader(const Matrix& ctm, double x, double y) : ctm_(ctm), lineX_(x), lineY_(y), currentY_(y) {}

  void element(const pugi::xml_node& node, const Attrs& inherited, double fontSize)
  {
    Lists lists;
    lists.x = lengths(node.attribute("x").value(), fontSize);
    lists.y = lengths(node.attribute("y").value(), fontSize);
    lists.dx = lengths(node.attribute("dx").value(), fontSize);
    lists.dy = lengths(node.attribute("dy").value(), fontSize);
    stack_.push_back(std::move(lists));
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        add(child.value(), inherited);
      } else if (child.type() == pugi::node_element &&
                 (!std::strcmp(child.name(), "tspan") || !std::strcmp(child.name(), "a"))) {
        double size = fontSizeOf(child, fontSize);
        Attrs attrs = withoutPosition(inherited);
        ownAttrs(child, size, attrs);
        element(child, attrs, size);
      }
    }
    stack_.pop_back();
  }

  // The pieces, with a trailing space dropped.
  std::vector<Piece> finish()
  {
    if (!pieces_.empty() && pieces_.back().text.back() == ' ') {
      pieces_.back().text.pop_back();
      if (pieces_.back().text.empty())
        pieces_.pop_back();
    }
    return std::move(pieces_);
  }

private:
  struct Lists
  {
    std::vector<double> x, y, dx, dy;
    size_t used = 0; // characters of the element so far
  };

  void add(const std::string& text, const Attrs& attrs)
  {
    for (size_t i = 0; i < text.size();) {
      size_t n = 1;
      while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
      if (space(text[i])) {
        i += n;
        if (lastSpace_)
          continue;
        lastSpace_ = true;
        character(" ", attrs);
        continue;
      }
      lastSpace_ = false;
      character(text.substr(i, n), attrs);
      i += n;
    }
  }

// GCC's thread-sanitizer build takes the optionals' payloads below for uninitialised (they are read only
// when set).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
  void character(const std::string& c, const Attrs& attrs)
  {
    std::optional<double> x, y, dx, dy;
    // Whether the coordinate is the one value of its list, and whether y starts its list.
    bool xAlone = false, yAlone = false, yFirst = false, listStart = false;
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
      size_t k = it->used;
      listStart = listStart || (k == 0 && (!it->x.empty() || !it->y.empty() || !it->dx.empty() || !it->dy.empty()));
      if (!x && k < it->x.size()) {
        x = it->x[k];
        xAlone = it->x.size() == 1;
      }
      if (!y && k < it->y.size()) {
        y = it->y[k];
        yAlone = it->y.size() == 1;
        yFirst = k == 0;
      }
      if (!dx && k < it->dx.size())
        dx = it->dx[k];
      if (!dy && k < it->dy.size())
        dy = it->dy[k];
    }
    bool leading = c == " " && pieces_.empty();
    if (leading)
      return; // a space at the start is no character: it takes no position either
    for (Lists& l : stack_)
      ++l.used;
    // The first character is at the element's position already.
    if (pieces_.empty()) {
      if (x && xAlone && *x == lineX_)
        x.reset();
      if (y && yAlone && *y == currentY_)
        y.reset();
    }
    // A span placed on another baseline starts a line; the characters of one list stay on theirs.
    bool moves = y && yFirst && *y != lineY_;
    double baseY = y.value_or(currentY_);
    if (y)
      lineY_ = *y;
    // A shift moves the rest of the text with it.
    currentY_ = baseY + dy.value_or(0);
    Attrs own = attrs;
    // Where only one coordinate is given the other is where the text is already: the glyphs before
    // decide it, so it is not written.
    if (x || y) {
      if (x)
        lineX_ = *x;
      Pt host = ctm_.apply({lineX_, baseY});
      if (x)
        own[TextEngine::kRunX] = Value(host.h);
      if (y)
        own[TextEngine::kRunY] = Value(host.v);
    }
    if (dx && *dx != 0)
      own[TextEngine::kRunDx] = Value(*dx);
    if (dy && *dy != 0)
      own[TextEngine::kRunDy] = Value(*dy);
    if (listStart && !pieces_.empty())
      own[kRunListStart] = Value(1);
    if (positioned(own))
      own[kRunIndex] = Value(double(++positionedCount_));
    bool newLine = moves && !pieces_.empty();
    if (!newLine && !pieces_.empty() && !positioned(own) && pieces_.back().attrs == own) {
      pieces_.back().text += c;
      return;
    }
    pieces_.push_back({c, own, newLine});
  }
#pragma GCC diagnostic pop

  Matrix ctm_;
  double lineX_;
  double lineY_;
  double currentY_;
  std::vector<Lists> stack_;
  std::vector<Piece> pieces_;
  bool lastSpace_ = false;
  int positionedCount_ = 0;
};

} // namespace hostsimTextSvg_detail

Art* TextSvg::read(Document& doc, const pugi::xml_node& text, const Matrix& ctm)
{
  using namespace hostsimTextSvg_detail;
  double fontSize = fontSizeOf(text, inheritedFontSize(text));
  std::vector<double> xs = lengths(text.attribute("x").value(), fontSize);
  std::vector<double> ys = lengths(text.attribute("y").value(), fontSize);
  double x = xs.empty() ? 0 : xs[0];
  double y = ys.empty() ? 0 : ys[0];
  Reader reader(ctm, x, y);
  reader.element(text, Attrs(), fontSize);
  std::vector<Piece> pieces = reader.finish();

  std::string story;
  std::vector<std::pair<std::string, const Attrs*>> spans;
  for (const Piece& p : pieces) {
    if (p.newLine && !story.empty()) {
      story += '\r';
      spans.push_back({"\r", nullptr});
    }
    story += p.text;
    spans.push_back({p.text, &p.attrs});
  }
  Art* frame = TextEngine::newFrame(doc, story, ctm.apply({x, y}));
  HostApp* app = HostApp::current();
  if (!app)
    return frame;
  TextEngine& engine = app->area<TextEngine>();
  int32_t at = 0;
  for (const auto& [piece, attrs] : spans) {
    int32_t n = int32_t(utf8ToUtf16(piece).size());
    if (attrs && !attrs->empty())
      engine.applyCharAttrs(frame, at, at + n, *attrs, false);
    at += n;
  }
  return frame;
}

void TextSvg::write(pugi::xml_node& text, const Art& frame)
{
  using namespace hostsimTextSvg_detail;
  Pt anchor = TextEngine::anchor(frame);
  text.append_attribute("x").set_value(number(anchor.h).c_str());
  text.append_attribute("y").set_value(number(-anchor.v).c_str());

  HostApp* app = HostApp::current();
  Art* art = const_cast<Art*>(&frame);
  std::u16string story = TextEngine::story(art);
  // Each paragraph's runs (the closing '\r' left out): characters sharing their attributes apart from
  // positions, with each character's own position and shifts, written as lists on one span (so that
  // shaping runs on over the span, and a renderer that reads only the first value of a list draws what
  // it drew before).
  using Coord = std::optional<double>;
  struct Run
  {
    std::string text;
    Attrs attrs;
    std::vector<Coord> x, y, dx, dy; // per character, as far as any is given
  };
  std::vector<std::vector<Run>> paragraphs;
  bool attributed = false;
  auto coord = [](const Attrs& attrs, int32_t key) -> Coord {
    auto it = attrs.find(key);
    return it == attrs.end() ? Coord() : Coord(it->second.number);
  };
  for (auto [ps, pe] : TextEngine::paragraphSpans(story, 0, int32_t(story.size()))) {
    if (pe > ps && story[size_t(pe - 1)] == u'\r')
      --pe;
    paragraphs.emplace_back();
    if (!app) {
      paragraphs.back().push_back({utf16ToUtf8(story.substr(size_t(ps), size_t(pe - ps))), {}, {}, {}, {}, {}});
      continue;
    }
    TextEngine& engine = app->area<TextEngine>();
    for (auto [rs, re] : engine.runSpans(art, ps, pe)) {
      Attrs all = engine.charAttrs(art, rs, re);
      attributed = attributed || !all.empty();
      Attrs attrs = withoutPosition(all);
      Coord x = coord(all, TextEngine::kRunX), y = coord(all, TextEngine::kRunY);
      Coord dx = coord(all, TextEngine::kRunDx), dy = coord(all, TextEngine::kRunDy);
      std::vector<Run>& runs = paragraphs.back();
      // An absolute coordinate joins the lists only where every character before it in the span has one.
      auto joins = [&](const Run& r) {
        size_t count = size_t(utf8ToUtf16(r.text).size());
        return r.attrs == attrs && !all.count(kRunListStart) && (!x || r.x.size() == count) &&
               (!y || r.y.size() == count);
      };
      if (runs.empty() || !joins(runs.back()))
        runs.push_back({std::string(), attrs, {}, {}, {}, {}});
      Run& run = runs.back();
      size_t at = size_t(utf8ToUtf16(run.text).size());
      auto put = [&](std::vector<Coord>& list, const Coord& v) {
        if (!v)
          return;
        list.resize(at + 1);
        list[at] = v;
      };
      put(run.x, x);
      put(run.y, y);
      put(run.dx, dx);
      put(run.dy, dy);
      run.text += utf16ToUtf8(story.substr(size_t(rs), size_t(re - rs)));
    }
  }
  if (paragraphs.size() == 1 && !attributed) {
    std::string all;
    for (const Run& r : paragraphs[0])
      all += r.text;
    if (!all.empty())
      text.append_child(pugi::node_pcdata).set_value(all.c_str());
    return;
  }
  auto listText = [](const std::vector<Coord>& list, double sign) {
    std::string out;
    for (const Coord& v : list)
      out += (out.empty() ? "" : " ") + number(sign * v.value_or(0));
    return out;
  };
  Fonts* fonts = app ? &app->area<Fonts>() : nullptr;
  for (size_t k = 0; k < paragraphs.size(); ++k) {
    for (size_t j = 0; j < paragraphs[k].size(); ++j) {
      const Run& run = paragraphs[k][j];
      // A paragraph after the first starts on its own line: at its position, else one line step below
      // the previous one.
      bool placed = k > 0 && j == 0;
      bool shifted = !run.x.empty() || !run.y.empty() || !run.dx.empty() || !run.dy.empty();
      if (run.attrs.empty() && !placed && !shifted) {
        text.append_child(pugi::node_pcdata).set_value(run.text.c_str());
        continue;
      }
      pugi::xml_node span = text.append_child("tspan");
      auto attr = [&](const char* name, const std::string& value) {
        span.append_attribute(name).set_value(value.c_str());
      };
      auto find = [&](int32_t key) -> const Value* {
        auto it = run.attrs.find(key);
        return it == run.attrs.end() ? nullptr : &it->second;
      };
      if (!run.x.empty() || !run.y.empty()) {
        if (!run.x.empty())
          attr("x", listText(run.x, 1));
        if (!run.y.empty())
          attr("y", listText(run.y, -1));
      } else if (placed) {
        attr("x", number(anchor.h));
        attr("y", number(-(anchor.v - TextEngine::kLineStep * double(k))));
      }
      if (!run.dx.empty())
        attr("dx", listText(run.dx, 1));
      if (!run.dy.empty())
        attr("dy", listText(run.dy, 1));
      if (const Value* v = find(TextEngine::kFontPosition))
        if (const Fonts::Font* f = fonts ? fonts->find(v->font) : nullptr)
          attr("font-family", f->family);
      if (const Value* v = find(TextEngine::kSizePosition))
        attr("font-size", number(v->number));
      if (find(TextEngine::kRunBold))
        attr("font-weight", "bold");
      if (find(TextEngine::kRunItalic))
        attr("font-style", "italic");
      if (const Value* v = find(TextEngine::kTrackingPosition))
        attr("letter-spacing", number(v->number));
      if (const Value* v = find(TextEngine::kFillPosition))
        if (v->paint)
          attr("fill", PaintSvg::colorText(PaintColor::fromRecord(*v->paint)));
      if (const Value* v = find(TextEngine::kRunStyle))
        attr("style", v->style);
      if (!run.text.empty())
        span.append_child(pugi::node_pcdata).set_value(run.text.c_str());
    }
  }
  // An indenting writer puts a line break between two elements, which would draw as a space: an empty
  // text after every span keeps the element's text as it is.
  if (text.first_child().type() == pugi::node_element)
    text.prepend_child(pugi::node_pcdata);
  for (pugi::xml_node child = text.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element &&
        (!child.next_sibling() || child.next_sibling().type() != pugi::node_pcdata))
      child = text.insert_child_after(pugi::node_pcdata, child);
}

} // namespace hostsim
