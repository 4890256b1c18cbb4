#include "hostsimPaintSvg.h"

#include "hostsimArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hostsim {

namespace hostsimPaintSvg_detail {

const char* const kPaintProperties[] = {"fill", "stroke", "stroke-width", "fill-rule"};

bool isPaintProperty(const std::string& name)
{
  for (const char* p : kPaintProperties)
    if (name == p)
      return true;
  return false;
}

std::string trimmed(const std::string& s)
{
  size_t b = s.find_first_not_of(" \t\r\n");
  size_t e = s.find_last_not_of(" \t\r\n");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The declarations of a style attribute without the paint properties.
std::string withoutPaint(const std::string& style)
{
  std::string out;
  size_t start = 0;
  while (start <= style.size()) {
    size_t end = style.find(';', start);
    if (end == std::string::npos)
      end = style.size();
    std::string decl = trimmed(style.substr(start, end - start));
    size_t colon = decl.find(':');
    if (!decl.empty() && !(colon != std::string::npos && isPaintProperty(trimmed(decl.substr(0, colon))))) {
      if (!out.empty())
        out += ";";
      out += decl;
    }
    start = end + 1;
  }
  return out;
}

std::string number(double v)
{
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

} // namespace hostsimPaintSvg_detail

std::string PaintSvg::hex(const double* rgb)
{
  char buf[8];
  auto byte = [](double c) { return static_cast<unsigned>(std::lround(std::clamp(c, 0.0, 1.0) * 255)); };
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", byte(rgb[0]), byte(rgb[1]), byte(rgb[2]));
  return buf;
}

void PaintSvg::writePaint(Art& art)
{
  using namespace hostsimPaintSvg_detail;
  auto& attrs = art.svgAttrs;
  attrs.erase(std::remove_if(attrs.begin(), attrs.end(), [](const auto& kv) { return isPaintProperty(kv.first); }),
              attrs.end());
  for (auto it = attrs.begin(); it != attrs.end();) {
    if (it->first == "style") {
      it->second = withoutPaint(it->second);
      if (it->second.empty()) {
        it = attrs.erase(it);
        continue;
      }
    }
    ++it;
  }
  attrs.emplace_back("fill", art.filled ? hex(art.fillRgb) : "none");
  attrs.emplace_back("stroke", art.stroked ? hex(art.strokeRgb) : "none");
  if (art.stroked)
    attrs.emplace_back("stroke-width", number(art.strokeWidth));
  attrs.emplace_back("fill-rule", art.evenOdd ? "evenodd" : "nonzero");
}

} // namespace hostsim
