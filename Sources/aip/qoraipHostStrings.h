// Conversions between the framework's UTF-8 text, wide text and host Unicode strings.
#pragma once

#include <string>

#include "sdk/qoraiHostUnicodeString.h"

namespace qor {
namespace aip {

// Up to the first zero byte.
ai::HostUnicodeString utf8ToHostString(const std::string& text);
std::string hostStringToUtf8(const ai::HostUnicodeString& text);
std::u16string utf8ToWStringViaHost(const std::string& text);
// Up to the first zero unit.
std::string wstringToUtf8ViaHost(const std::u16string& text);

}  // namespace aip
}  // namespace qor
