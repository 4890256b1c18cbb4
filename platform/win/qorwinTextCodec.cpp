#include "win/qorwinTextCodec.h"

namespace qorwin {
namespace codec {

namespace detail {
void appendUtf8(std::string& out, char32_t c)
{
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}
}  // namespace detail

std::string toUtf8(const char16_t* text, std::size_t count)
{
  std::string out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    detail::appendUtf8(out, c);
  }
  return out;
}

std::string toUtf8(const char16_t* nulTerminated)
{
  if (!nulTerminated)
    return std::string();
  std::size_t n = 0;
  while (nulTerminated[n])
    ++n;
  return toUtf8(nulTerminated, n);
}

std::u16string toUtf16(const std::string& text)
{
  std::u16string out;
  out.reserve(text.size());
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    unsigned char b = s[i];
    char32_t c = 0xFFFD;
    std::size_t len = 1;
    if (b < 0x80) {
      c = b;
    } else if (b >= 0xC2 && b <= 0xF4) {
      const std::size_t need = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      char32_t v = b & (need == 2 ? 0x1F : need == 3 ? 0x0F : 0x07);
      std::size_t k = 1;
      for (; k < need && i + k < n && (s[i + k] & 0xC0) == 0x80; ++k)
        v = (v << 6) | (s[i + k] & 0x3F);
      const char32_t least = need == 2 ? 0x80 : need == 3 ? 0x800 : 0x10000;
      if (k == need && v >= least && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
        c = v;
        len = need;
      } else {
        len = k;  // the malformed sequence becomes one replacement character
      }
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      out += char16_t(0xD800 + (c >> 10));
      out += char16_t(0xDC00 + (c & 0x3FF));
    } else {
      out += char16_t(c);
    }
    i += len;
  }
  return out;
}

std::string posixPath(LPCWSTR path)
{
  std::string p = toUtf8(path);
  for (char& c : p)
    if (c == '\\')
      c = '/';
  return p;
}

}  // namespace codec
}  // namespace qorwin
