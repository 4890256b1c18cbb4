#include "aip/qoraipHostStrings.h"

#include "sdk/qoraiWCHARStr.h"

namespace qor {
namespace aip {

ai::HostUnicodeString utf8ToHostString(const std::string& text)
{
  return ai::HostUnicodeString(text.c_str(), ai::HostUnicodeString::kUtf8);
}

std::string hostStringToUtf8(const ai::HostUnicodeString& text)
{
  return text.toUtf8();
}

std::u16string utf8ToWStringViaHost(const std::string& text)
{
  std::u16string wide = utf8ToHostString(text).asWCHARStr().str();
  return wide.substr(0, wide.find(u'\0'));
}

std::string wstringToUtf8ViaHost(const std::u16string& text)
{
  ai::WCHARStr wide(text.c_str());
  return ai::HostUnicodeString(wide).toUtf8();
}

}  // namespace aip
}  // namespace qor
