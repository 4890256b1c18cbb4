#include "core/qorcoreStringConversions.h"

#include "utils/qorutilsStrings.h"

#include "sdk/qoraiHostUnicodeString.h"

namespace qorcoreStringConversions_detail {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(uint32_t c)
{
  return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(uint32_t c)
{
  return c >= 0xDC00 && c <= 0xDFFF;
}

char32_t scalarOrReplacement(uint32_t c)
{
  return (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? kReplacement : char32_t(c);
}

}  // namespace qorcoreStringConversions_detail

namespace qor {
namespace core {

std::u32string utf8ToUtf32(const std::string& text)
{
  using namespace qorcoreStringConversions_detail;
  std::u32string result;
  if (text.empty())
    return result;
  // The host string acquires its suite on first use.
  ai::HostUnicodeString host(text, ai::HostUnicodeString::kUtf8);
  const int32_t length = host.length();
  for (int32_t index = 0; index < length; ++index) {
    const uint32_t c = host.at(index);
    if (isHighSurrogate(c) && index + 1 < length) {
      const uint32_t low = host.at(index + 1);
      if (isLowSurrogate(low)) {
        result.push_back(char32_t(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00)));
        ++index;
        continue;
      }
    }
    result.push_back(scalarOrReplacement(c));
  }
  return result;
}

std::string utf32ToUtf8(const std::u32string& text)
{
  using namespace qorcoreStringConversions_detail;
  // An empty input never reaches the host.
  if (text.empty())
    return std::string();
  ai::HostUnicodeString result;
  for (char32_t codePoint : text)
    result.append(ai::HostUnicodeString(1, scalarOrReplacement(codePoint)));
  return result.toUtf8();
}

std::string toLowerUtf8(const std::string& text) { return utils::utf8ToLower(text); }

int countOccurrences(const std::string& text, const std::string& search) { return utils::countOccurrences(text, search); }

}  // namespace core
}  // namespace qor
