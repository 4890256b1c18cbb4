#include "hostsimTextSvg.h"

#include "hostsimApp.h"
#include "hostsimArt.h"
#include "hostsimEncoding.h"
#include "hostsimFonts.h"
#include "hostsimPaintSvg.h"
#include "hostsimText.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace hostsim {

namespace hostsimTextSvg_detail {

using Attrs = TextEngine::Attrs;
using Value = TextEngine::Value;

// The keys of a run's own position and shifts.
constexpr int32_t kPositionKeys[] = {TextEngine::kRunX, TextEngine::kRunY, TextEngine::kRunDx, TextEngine::kRunDy};

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

// The first number of a coordinate list ("10 20" or "10,20"); none when there is none.
std::optional<double> firstNumber(const char* text)
{
  if (!text || !*text)
    return std::nullopt;
  char* end = nullptr;
  double v = std::strtod(text, &end);
  if (end == text)
    return std::nullopt;
  return v;
}

double firstNumber(const pugi::xml_node& node, const char* name, double fallback)
{
  return firstNumber(node.attribute(name).value()).value_or(fallback);
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

// The run attributes a <tspan> states of its own (on top of the ones it inherits).
void ownAttrs(const pugi::xml_node& span, Attrs& attrs)
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
  if (auto size = firstNumber(property(span, "font-size").c_str()))
    attrs[TextEngine::kSizePosition] = Value(*size);
  if (auto spacing = firstNumber(property(span, "letter-spacing").c_str()))
    attrs[TextEngine::kTrackingPosition] = Value(*spacing);
  std::string weight = property(span, "font-weight");
  if (weight == "bold" || weight == "bolder" || (std::atoi(weight.c_str()) >= 600))
    attrs[TextEngine::kRunBold] = Value(1);
  else if (!weight.empty())
    attrs.erase(TextEngine::kRunBold);
  std::string slant = property(span, "font-style");
  if (slant == "italic" || slant == "oblique")
    attrs[TextEngine::kRunItalic] = Value(1);
  else if (!slant.empty())
    attrs.erase(TextEngine::kRunItalic);
  PaintColor fill;
  std::string fillText = property(span, "fill");
  if (!fillText.empty() && fillText != "none" && PaintSvg::parseColor(fillText, fill) && fill.kind != 6) {
    Value v;
    v.paint = std::make_shared<ColorRecord>(fill.record());
    attrs[TextEngine::kFillPosition] = v;
  }
}

// A stretch of the text with the run attributes it gets; a new line starts before it when its y moves
// the baseline.
struct Piece
{
  std::string text;
  Attrs attrs;
  bool newLine = false;
};

class Reader
{
public:
  Reader(const Matrix& ctm, double x, double y) : ctm_(ctm), lineY_(y), lineX_(x) {}

  void walk(const pugi::xml_node& node, const Attrs& inherited)
  {
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        add(child.value(), inherited);
      } else if (child.type() == pugi::node_element &&
                 (!std::strcmp(child.name(), "tspan") || !std::strcmp(child.name(), "a"))) {
        Attrs attrs = withoutPosition(inherited);
        ownAttrs(child, attrs);
        position(child);
        walk(child, attrs);
      }
    }
  }

  std::vector<Piece> pieces;

private:
  // A positioned span: its first character carries the position.
  void position(const pugi::xml_node& span)
  {
    auto x = firstNumber(span.attribute("x").value());
    auto y = firstNumber(span.attribute("y").value());
    auto dx = firstNumber(span.attribute("dx").value());
    auto dy = firstNumber(span.attribute("dy").value());
    // A position the text is at already says nothing.
    bool same = (!x || *x == lineX_) && (!y || *y == lineY_);
    if (same && !dx && !dy)
      return;
    pending_ = Attrs();
    if (!same) {
      bool moves = y && *y != lineY_;
      lineX_ = x.value_or(lineX_);
      lineY_ = y.value_or(lineY_);
      Pt host = ctm_.apply({lineX_, lineY_});
      (*pending_)[TextEngine::kRunX] = Value(host.h);
      (*pending_)[TextEngine::kRunY] = Value(host.v);
      newLine_ = newLine_ || moves;
    }
    if (dx)
      (*pending_)[TextEngine::kRunDx] = Value(*dx);
    if (dy)
      (*pending_)[TextEngine::kRunDy] = Value(*dy);
  }

  void add(const std::string& text, const Attrs& attrs)
  {
    if (text.empty())
      return;
    if (pending_) {
      Attrs positioned = attrs;
      for (const auto& [k, v] : *pending_)
        positioned[k] = v;
      // The position belongs to the first character only.
      size_t first = 1;
      while (first < text.size() && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80)
        ++first;
      pieces.push_back({text.substr(0, first), positioned, newLine_ && !pieces.empty()});
      pending_.reset();
      newLine_ = false;
      if (first < text.size())
        pieces.push_back({text.substr(first), attrs, false});
      return;
    }
    pieces.push_back({text, attrs, false});
  }

  Matrix ctm_;
  double lineY_;
  double lineX_;
  std::optional<Attrs> pending_;
  bool newLine_ = false;
};

bool space(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// White space collapses the SVG way over the whole element: every run of it becomes one space, kept in
// the piece where the run began, and the text is trimmed at its ends and around its line breaks. Pieces
// left empty go; a line break of an empty piece moves to the next piece with text.
void collapse(std::vector<Piece>& pieces)
{
  std::vector<Piece> out;
  bool pendingSpace = false, lineStart = true, carryBreak = false;
  for (Piece& p : pieces) {
    if (p.newLine) {
      pendingSpace = false;
      lineStart = true;
    }
    bool spaceHere = false;
    std::string text;
    for (char c : p.text) {
      if (space(c)) {
        if (!pendingSpace && !lineStart) {
          pendingSpace = true;
          spaceHere = true;
        }
        continue;
      }
      if (pendingSpace) {
        if (spaceHere || out.empty())
          text += ' ';
        else
          out.back().text += ' ';
      }
      pendingSpace = spaceHere = false;
      lineStart = false;
      text += c;
    }
    bool newLine = p.newLine || carryBreak;
    if (text.empty()) {
      carryBreak = newLine;
      continue;
    }
    carryBreak = false;
    p.text = std::move(text);
    p.newLine = newLine;
    out.push_back(std::move(p));
  }
  pieces = std::move(out);
}

} // namespace hostsimTextSvg_detail

Art* TextSvg::read(Document& doc, const pugi::xml_node& text, const Matrix& ctm)
{
  using namespace hostsimTextSvg_detail;
  pugi::xml_node first = text.child("tspan");
  double x = firstNumber(text, "x", first ? firstNumber(first, "x", 0) : 0);
  double y = firstNumber(text, "y", first ? firstNumber(first, "y", 0) : 0);
  Reader reader(ctm, x, y);
  reader.walk(text, Attrs());
  collapse(reader.pieces);

  std::string story;
  std::vector<std::pair<std::string, const Attrs*>> spans;
  for (const Piece& p : reader.pieces) {
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
  // Each paragraph's runs (the closing '\r' left out) with their attributes.
  struct Run
  {
    std::string text;
    Attrs attrs;
  };
  std::vector<std::vector<Run>> paragraphs;
  bool attributed = false;
  for (auto [ps, pe] : TextEngine::paragraphSpans(story, 0, int32_t(story.size()))) {
    if (pe > ps && story[size_t(pe - 1)] == u'\r')
      --pe;
    paragraphs.emplace_back();
    if (!app) {
      paragraphs.back().push_back({utf16ToUtf8(story.substr(size_t(ps), size_t(pe - ps))), {}});
      continue;
    }
    TextEngine& engine = app->area<TextEngine>();
    for (auto [rs, re] : engine.runSpans(art, ps, pe)) {
      Attrs attrs = engine.charAttrs(art, rs, re);
      attributed = attributed || !attrs.empty();
      std::string runText = utf16ToUtf8(story.substr(size_t(rs), size_t(re - rs)));
      // A position belongs to the first character of its span: the characters after it that share the
      // rest of its attributes go into the same span (as they came, and so that shaping runs on).
      std::vector<Run>& runs = paragraphs.back();
      if (!runs.empty() && positioned(runs.back().attrs) && !positioned(attrs) &&
          withoutPosition(runs.back().attrs) == attrs) {
        runs.back().text += runText;
        continue;
      }
      runs.push_back({std::move(runText), attrs});
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
  Fonts* fonts = app ? &app->area<Fonts>() : nullptr;
  for (size_t k = 0; k < paragraphs.size(); ++k) {
    for (size_t j = 0; j < paragraphs[k].size(); ++j) {
      const Run& run = paragraphs[k][j];
      // A paragraph after the first starts on its own line: at its position, else one line step below
      // the previous one.
      bool placed = k > 0 && j == 0;
      if (run.attrs.empty() && !placed) {
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
      const Value* x = find(TextEngine::kRunX);
      const Value* y = find(TextEngine::kRunY);
      if (x && y) {
        attr("x", number(x->number));
        attr("y", number(-y->number));
      } else if (placed) {
        attr("x", number(anchor.h));
        attr("y", number(-(anchor.v - TextEngine::kLineStep * double(k))));
      }
      if (const Value* v = find(TextEngine::kRunDx))
        attr("dx", number(v->number));
      if (const Value* v = find(TextEngine::kRunDy))
        attr("dy", number(v->number));
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
      if (!run.text.empty())
        span.append_child(pugi::node_pcdata).set_value(run.text.c_str());
    }
  }
  // An indenting writer puts a line break between two elements, which would draw as a space: an empty
  // text after every span keeps the element's text as it is.
  for (pugi::xml_node child = text.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element &&
        (!child.next_sibling() || child.next_sibling().type() != pugi::node_pcdata))
      child = text.insert_child_after(pugi::node_pcdata, child);
}

} // namespace hostsim
