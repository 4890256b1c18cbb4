// Client-side text conversions: UTF-8 to and from code points through host strings, lower-casing
// and counting occurrences.
#pragma once

#include <string>

namespace qor {
namespace core {

std::u32string utf8ToUtf32(const std::string& text);
std::string utf32ToUtf8(const std::u32string& text);

}  // namespace core
}  // namespace qor
