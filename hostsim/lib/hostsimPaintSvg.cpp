#include "hostsimPaintSvg.h"

#include "hostsimArt.h"
#include "hostsimSvgColors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace hostsim {

namespace hostsimPaintSvg_detail {

bool isPaintProperty(const std::string& name)
{
  return name == "fill" || name == "stroke" || name == "stroke-width" || name == "fill-rule";
}

std::string trimmed(const std::string& s)
{
  size_t b = s.find_first_not_of(" \t\r\n");
  size_t e = s.find_last_not_of(" \t\r\n");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::string number(double v)
{
  if (v == 0)
    v = 0; // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// The numbers of "name(a, b ...)" at the start of text; false when it is not that call.
bool call(const std::string& text, const char* name, std::vector<double>& args, size_t& end)
{
  size_t n = std::strlen(name);
  if (text.compare(0, n, name) != 0 || text.size() <= n || text[n] != '(')
    return false;
  size_t close = text.find(')', n);
  if (close == std::string::npos)
    return false;
  args.clear();
  const char* p = text.c_str() + n + 1;
  const char* stop = text.c_str() + close;
  while (p < stop) {
    while (p < stop && (*p == ' ' || *p == ',' || *p == '\t' || *p == '\n' || *p == '\r'))
      ++p;
    if (p == stop)
      break;
    double v;
    const char* s = *p == '+' ? p + 1 : p;
    auto r = std::from_chars(s, stop, v);
    if (r.ec != std::errc() || !std::isfinite(v))
      return false;
    args.push_back(v);
    p = r.ptr;
  }
  end = close + 1;
  return true;
}

bool srgb(const std::string& text, double* rgb)
{
  unsigned v = 0;
  std::vector<double> args;
  size_t end = 0;
  if (!text.empty() && text[0] == '#') {
    std::string hex = text.substr(1);
    if (hex.size() == 3)
      hex = {hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      return false;
    v = static_cast<unsigned>(std::stoul(hex, nullptr, 16));
  } else if (text.rfind("rgb(", 0) == 0 && text.find('%') != std::string::npos) {
    // rgb(r%, g%, b%)
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), '%'), plain.end());
    if (!call(plain, "rgb", args, end) || args.size() != 3 || end != plain.size())
      return false;
    for (int i = 0; i < 3; ++i)
      rgb[i] = std::clamp(args[i], 0.0, 100.0) / 100;
    return true;
  } else if (call(text, "rgb", args, end)) {
    if (args.size() != 3 || end != text.size())
      return false;
    for (int i = 0; i < 3; ++i)
      rgb[i] = std::clamp(args[i], 0.0, 255.0) / 255;
    return true;
  } else if (!svgColorKeyword(text, v)) {
    return false;
  }
  rgb[0] = ((v >> 16) & 0xff) / 255.0;
  rgb[1] = ((v >> 8) & 0xff) / 255.0;
  rgb[2] = (v & 0xff) / 255.0;
  return true;
}

// An exact 8-bit channel writes as hex; any other value keeps its full precision in rgb().
std::string rgbText(const double* rgb)
{
  bool exact = true;
  for (int i = 0; i < 3; ++i) {
    double c = rgb[i] * 255;
    exact = exact && rgb[i] >= 0 && rgb[i] <= 1 && c == std::round(c) && std::round(c) / 255 == rgb[i];
  }
  if (exact)
    return PaintSvg::hex(rgb);
  return "rgb(" + number(rgb[0] * 255) + ", " + number(rgb[1] * 255) + ", " + number(rgb[2] * 255) + ")";
}

} // namespace hostsimPaintSvg_detail

std::string PaintSvg::hex(const double* rgb)
{
  char buf[8];
  auto byte = [](double c) { return static_cast<unsigned>(std::lround(std::clamp(c, 0.0, 1.0) * 255)); };
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", byte(rgb[0]), byte(rgb[1]), byte(rgb[2]));
  return buf;
}

bool PaintSvg::parseColor(const std::string& input, PaintColor& out)
{
  using namespace hostsimPaintSvg_detail;
  std::string text = trimmed(input);
  std::string fallback = text, device;
  if (size_t at = text.find("device-"); at != std::string::npos) {
    fallback = trimmed(text.substr(0, at));
    device = trimmed(text.substr(at));
  }
  PaintColor c;
  bool found = false;
  if (!fallback.empty()) {
    double rgb[3];
    if (!srgb(fallback, rgb))
      return false;
    c = PaintColor::rgb(rgb[0], rgb[1], rgb[2]);
    found = true;
  }
  if (!device.empty()) {
    std::vector<double> args;
    size_t end = 0;
    if (call(device, "device-gray", args, end) && args.size() == 1) {
      c = PaintColor{};
      c.kind = kGrayColor;
      c.values[0] = 1 - std::clamp(args[0], 0.0, 1.0);
    } else if (call(device, "device-cmyk", args, end) && args.size() == 4) {
      c = PaintColor{};
      c.kind = kFourColor;
      for (int i = 0; i < 4; ++i)
        c.values[i] = std::clamp(args[i], 0.0, 1.0);
    } else {
      return false;
    }
    if (end != device.size())
      return false;
    found = true;
  }
  if (found)
    out = c;
  return found;
}

std::string PaintSvg::colorText(const PaintColor& c)
{
  using namespace hostsimPaintSvg_detail;
  switch (c.kind) {
  case kGrayColor: {
    double l = 1 - c.values[0];
    double rgb[3] = {l, l, l};
    return hex(rgb) + " device-gray(" + number(l) + ")";
  }
  case kFourColor: {
    double rgb[3];
    for (int i = 0; i < 3; ++i)
      rgb[i] = (1 - c.values[i]) * (1 - c.values[3]);
    return hex(rgb) + " device-cmyk(" + number(c.values[0]) + ", " + number(c.values[1]) + ", " +
           number(c.values[2]) + ", " + number(c.values[3]) + ")";
  }
  case kThreeColor:
    return rgbText(c.values);
  default:
    return "none";
  }
}

void PaintSvg::removeProperties(Attributes& attrs,
                                const std::function<bool(const std::string&, const std::string&)>& drop)
{
  using namespace hostsimPaintSvg_detail;
  for (auto it = attrs.begin(); it != attrs.end();) {
    if (it->first == "style") {
      std::string out;
      size_t start = 0;
      const std::string& style = it->second;
      while (start <= style.size()) {
        size_t end = style.find(';', start);
        if (end == std::string::npos)
          end = style.size();
        std::string decl = trimmed(style.substr(start, end - start));
        size_t colon = decl.find(':');
        bool dropped = colon != std::string::npos &&
                       drop(trimmed(decl.substr(0, colon)), trimmed(decl.substr(colon + 1)));
        if (!decl.empty() && !dropped) {
          if (!out.empty())
            out += ";";
          out += decl;
        }
        start = end + 1;
      }
      it->second = out;
      if (out.empty()) {
        it = attrs.erase(it);
        continue;
      }
    } else if (drop(it->first, it->second)) {
      it = attrs.erase(it);
      continue;
    }
    ++it;
  }
}

void PaintSvg::writePaint(Art& art)
{
  using namespace hostsimPaintSvg_detail;
  removeProperties(art.svgAttrs, [](const std::string& name, const std::string&) { return isPaintProperty(name); });
  auto simple = [](const PaintColor& c) {
    return c.kind == kGrayColor || c.kind == kFourColor || c.kind == kThreeColor || c.kind == kNoneColor;
  };
  if (!art.filled)
    art.svgAttrs.emplace_back("fill", "none");
  else if (simple(art.fillPaint))
    art.svgAttrs.emplace_back("fill", colorText(art.fillPaint));
  if (!art.stroked)
    art.svgAttrs.emplace_back("stroke", "none");
  else if (simple(art.strokePaint))
    art.svgAttrs.emplace_back("stroke", colorText(art.strokePaint));
  if (art.stroked)
    art.svgAttrs.emplace_back("stroke-width", number(art.strokeWidth));
  art.svgAttrs.emplace_back("fill-rule", art.evenOdd ? "evenodd" : "nonzero");
}

} // namespace hostsim
