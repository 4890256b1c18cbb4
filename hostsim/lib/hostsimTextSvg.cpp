#include "hostsimTextSvg.h"

#include "hostsimArt.h"
#include "hostsimText.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace hostsim {

namespace hostsimTextSvg_detail {

// The first number of a coordinate list ("10 20" or "10,20"); fallback when there is none.
double firstNumber(const pugi::xml_node& node, const char* name, double fallback)
{
  const char* text = node.attribute(name).value();
  char* end = nullptr;
  double v = std::strtod(text, &end);
  return end == text ? fallback : v;
}

// The element's character data with white space collapsed the SVG way: runs become one space, and the
// ends are trimmed.
std::string collapsedText(const pugi::xml_node& node)
{
  std::string raw;
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
      raw += child.value();
    else if (child.type() == pugi::node_element)
      raw += collapsedText(child);
  std::string out;
  bool space = false;
  for (char c : raw) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      space = !out.empty();
      continue;
    }
    if (space)
      out += ' ';
    space = false;
    out += c;
  }
  return out;
}

std::string number(double v)
{
  if (v == 0)
    v = 0; // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

} // namespace hostsimTextSvg_detail

Art* TextSvg::read(Document& doc, const pugi::xml_node& text, const Matrix& ctm)
{
  using namespace hostsimTextSvg_detail;
  std::string story;
  bool paragraphs = false;
  for (pugi::xml_node span : text.children("tspan")) {
    if (paragraphs)
      story += '\r';
    story += collapsedText(span);
    paragraphs = true;
  }
  if (!paragraphs)
    story = collapsedText(text);
  pugi::xml_node first = text.child("tspan");
  double x = firstNumber(text, "x", first ? firstNumber(first, "x", 0) : 0);
  double y = firstNumber(text, "y", first ? firstNumber(first, "y", 0) : 0);
  return TextEngine::newFrame(doc, story, ctm.apply({x, y}));
}

void TextSvg::write(pugi::xml_node& text, const Art& frame)
{
  using namespace hostsimTextSvg_detail;
  Pt anchor = TextEngine::anchor(frame);
  text.append_attribute("x").set_value(number(anchor.h).c_str());
  text.append_attribute("y").set_value(number(-anchor.v).c_str());
  std::vector<std::string> lines = TextEngine::lines(frame);
  if (lines.size() == 1) {
    if (!lines[0].empty())
      text.append_child(pugi::node_pcdata).set_value(lines[0].c_str());
    return;
  }
  // Each line starts at the anchor's x, one line step below the previous one.
  Pt line = anchor;
  for (const std::string& content : lines) {
    pugi::xml_node span = text.append_child("tspan");
    span.append_attribute("x").set_value(number(line.h).c_str());
    span.append_attribute("y").set_value(number(-line.v).c_str());
    span.append_child(pugi::node_pcdata).set_value(content.c_str());
    line.v -= TextEngine::kLineStep;
  }
}

} // namespace hostsim
