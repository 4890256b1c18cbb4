// Text helpers of the framework: UTF-8 <-> UTF-16, numbers to text, ASCII-only case mapping that
// leaves multi-byte UTF-8 alone, substring replacement and counting, trimming, C-string copies
// and Base64.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace utils {

std::string cStringToString(const char* text);

// Both stop at the first NUL; empty input or a failed conversion gives an empty string.
std::u16string utf8ToUtf16(const std::string& text);
std::string utf16ToUtf8(const std::u16string& text);

// General notation with 6 significant digits, as printf's %g.
std::string doubleToString(double value);
std::string floatToString(float value);
std::string intToString(int32_t value);
std::string int64ToString(int64_t value);

std::string utf8ToLower(const std::string& text);
std::string utf8ToUpper(const std::string& text);

// Left to right, resuming after each inserted replacement; an empty search changes nothing.
std::string replaceAll(const std::string& text, const std::string& search, const std::string& replacement);
// Overlapping occurrences count; an empty search gives 0.
int countOccurrences(const std::string& text, const std::string& search);
std::string trimWhitespace(const std::string& text);

// A new copy (length + 1 bytes, freed with delete[]) in *out; always true.
bool duplicateCString(const char* text, char** out);

std::string base64Encode(const std::string& bytes);
// Reads up to the first "="; expects well-formed text of the standard alphabet.
std::string base64Decode(const std::string& text);

}  // namespace utils
}  // namespace qor
