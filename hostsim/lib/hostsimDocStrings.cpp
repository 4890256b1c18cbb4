// Host Unicode strings seen from the document suites, through the application's string suite.
#include "hostsimDocumentSuites.h"
#include "hostsimHandles.h"

namespace hostsim {

namespace hostsimDocStrings_detail {
const UnicodeStringSuite*& suite()
{
  static const UnicodeStringSuite* table = nullptr;
  return table;
}

void appendUtf8(std::string& out, uint32_t c)
{
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
} // namespace hostsimDocStrings_detail

void DocumentSuites::setStringSuite(const UnicodeStringSuite* suite)
{
  hostsimDocStrings_detail::suite() = suite;
}

bool DocumentSuites::stringText(HostString s, std::string& out)
{
  out.clear();
  if (!s)
    return true;
  const UnicodeStringSuite* table = hostsimDocStrings_detail::suite();
  if (!table || !table->getStringUtf16)
    return false;
  const char16_t* units = nullptr;
  int32_t n = table->getStringUtf16(s, &units);
  if (n < 0 || (n > 0 && !units))
    return false;
  for (int32_t i = 0; i < n; ++i) {
    uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    hostsimDocStrings_detail::appendUtf8(out, c);
  }
  return true;
}

HostErr DocumentSuites::assignString(HostString* out, const std::string& text)
{
  const UnicodeStringSuite* table = hostsimDocStrings_detail::suite();
  if (!out || !table || !table->initStringFromBytes || !table->destroyString)
    return kErrParam;
  if (*out)
    table->destroyString(out);
  return table->initStringFromBytes(out, text.data(), static_cast<int32_t>(text.size()), 1);
}

} // namespace hostsim
