// Client-side text conversions: UTF-8 to and from code points through host strings.
#pragma once

#include <string>

namespace qor {
namespace core {

// The text's code points. A host that counts and indexes its strings in UTF-16 units hands out a
// character outside the basic plane as two surrogates: they are joined again; anything that is not a
// Unicode scalar value (a lone surrogate, a value above U+10FFFF) becomes U+FFFD.
std::u32string utf8ToUtf32(const std::string& text);
// The code points as UTF-8; values that are not Unicode scalar values become U+FFFD.
std::string utf32ToUtf8(const std::u32string& text);
// The text in lower case.
std::string toLowerUtf8(const std::string& text);
// How often search occurs in text, overlapping occurrences included; 0 for an empty search.
int countOccurrences(const std::string& text, const std::string& search);

}  // namespace core
}  // namespace qor
