#include "hostsimEncoding.h"

namespace hostsim {

namespace hostsimEncoding_detail {

constexpr char16_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80-0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHighSurrogate(char16_t unit)
{
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Decodes the code point at text[i] and advances i; lone surrogates come back as they are.
uint32_t next(std::u16string_view text, size_t& i)
{
  char16_t unit = text[i++];
  if (isHighSurrogate(unit) && i < text.size() && isLowSurrogate(text[i]))
    return 0x10000 + ((uint32_t(unit) - 0xD800) << 10) + (uint32_t(text[i++]) - 0xDC00);
  return unit;
}

} // namespace hostsimEncoding_detail

bool isScalarValue(uint32_t codePoint)
{
  return codePoint <= 0x10FFFF && !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
}

void appendCodePoint(std::u16string& text, uint32_t codePoint)
{
  if (codePoint < 0x10000) {
    text.push_back(char16_t(codePoint));
  } else {
    codePoint -= 0x10000;
    text.push_back(char16_t(0xD800 + (codePoint >> 10)));
    text.push_back(char16_t(0xDC00 + (codePoint & 0x3FF)));
  }
}

std::u16string utf8ToUtf16(std::string_view text)
{
  using namespace hostsimEncoding_detail;
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    uint8_t lead = uint8_t(text[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    uint32_t codePoint = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    size_t consumed = 1;
    bool valid = length != 0;
    for (; valid && consumed < length; ++consumed) {
      if (i + consumed >= text.size()) {
        valid = false;
        break;
      }
      uint8_t trail = uint8_t(text[i + consumed]);
      // The second byte's range excludes overlong forms, surrogates and values above U+10FFFF.
      uint8_t low = 0x80, high = 0xBF;
      if (consumed == 1) {
        if (lead == 0xE0)
          low = 0xA0;
        else if (lead == 0xED)
          high = 0x9F;
        else if (lead == 0xF0)
          low = 0x90;
        else if (lead == 0xF4)
          high = 0x8F;
      }
      if (trail < low || trail > high) {
        valid = false;
        break;
      }
      codePoint = (codePoint << 6) | (trail & 0x3F);
    }
    if (!valid) {
      out.push_back(kReplacement);
      i += consumed;
      continue;
    }
    appendCodePoint(out, codePoint);
    i += length;
  }
  return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
  using namespace hostsimEncoding_detail;
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    uint32_t c = next(text, i);
    if (!isScalarValue(c))
      c = kReplacement;
    if (c < 0x80) {
      out.push_back(char(c));
    } else if (c < 0x800) {
      out.push_back(char(0xC0 | (c >> 6)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(char(0xE0 | (c >> 12)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (c >> 18)));
      out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u16string platformToUtf16(std::string_view text)
{
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    uint8_t byte = uint8_t(c);
    out.push_back(byte >= 0x80 && byte <= 0x9F ? hostsimEncoding_detail::kCp1252High[byte - 0x80] : byte);
  }
  return out;
}

std::string utf16ToPlatform(std::u16string_view text)
{
  using namespace hostsimEncoding_detail;
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    uint32_t c = next(text, i);
    char byte = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      byte = char(c);
    } else {
      for (int k = 0; k < 32; ++k)
        if (kCp1252High[k] == c)
          byte = char(0x80 + k);
    }
    out.push_back(byte);
  }
  return out;
}

std::string platformToUtf8(std::string_view text)
{
  return utf16ToUtf8(platformToUtf16(text));
}

std::string utf8ToPlatform(std::string_view text)
{
  return utf16ToPlatform(utf8ToUtf16(text));
}

int32_t countCodePoints(std::u16string_view text)
{
  int32_t count = 0;
  size_t i = 0;
  while (i < text.size()) {
    hostsimEncoding_detail::next(text, i);
    ++count;
  }
  return count;
}

bool codePointAt(std::u16string_view text, int32_t index, uint32_t& codePoint)
{
  if (index < 0)
    return false;
  size_t i = 0;
  for (int32_t n = 0; i < text.size(); ++n) {
    uint32_t c = hostsimEncoding_detail::next(text, i);
    if (n == index) {
      codePoint = c;
      return true;
    }
  }
  return false;
}

} // namespace hostsim
