#include "core/qorcoreStringConversions.h"

#include "sdk/qoraiHostUnicodeString.h"

namespace qor {
namespace core {

std::u32string utf8ToUtf32(const std::string& text)
{
  std::u32string result;
  if (text.empty())
    return result;
  ai::HostUnicodeString host(text, ai::HostUnicodeString::kUtf8);
  const int32_t length = host.length();
  for (int32_t index = 0; index < length; ++index)
    result.push_back(host.at(index));
  return result;
}

std::string utf32ToUtf8(const std::u32string& text)
{
  // An empty input never reaches the host.
  if (text.empty())
    return std::string();
  ai::HostUnicodeString result;
  for (char32_t codePoint : text)
    result.append(ai::HostUnicodeString(1, codePoint));
  return result.toUtf8();
}

}  // namespace core
}  // namespace qor
