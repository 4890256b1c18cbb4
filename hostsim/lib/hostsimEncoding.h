// Text conversions of the simulated host: UTF-8, UTF-16, UTF-32 code points and the host's platform
// encoding, Windows-1252. Malformed UTF-8 and lone surrogates become U+FFFD; characters Windows-1252
// cannot hold become "?".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hostsim {

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);
std::u16string platformToUtf16(std::string_view text);
std::string utf16ToPlatform(std::u16string_view text);
std::string platformToUtf8(std::string_view text);
std::string utf8ToPlatform(std::string_view text);

// Number of code points (a lone surrogate counts as one).
int32_t countCodePoints(std::u16string_view text);
// The code point at a code-point index; false when the index is out of range.
bool codePointAt(std::u16string_view text, int32_t index, uint32_t& codePoint);
// False for values that are no Unicode scalar value (surrogates, above U+10FFFF).
bool isScalarValue(uint32_t codePoint);
void appendCodePoint(std::u16string& text, uint32_t codePoint);

} // namespace hostsim
