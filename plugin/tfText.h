// Text helpers of the maker's plug-ins: numbers as text through the host, and plain replacement.
#pragma once

#include <cstdint>
#include <string>

namespace tf {

// The value with at most min(precision as unsigned 16 bits, 4) decimals (so -1 gives 4), trailing
// zeros and a bare point dropped. Formatted by the host's user suite, or locally without one.
std::string formatReal(double value, int16_t precision);

// The number the host reads in the text (its user suite, or the same rule locally without one). False
// for text that is no finite number; value is then left as it was.
bool textToNumber(const std::string& text, double& value);

// Every occurrence of from replaced by to, left to right; replacements are never searched again.
// An empty from changes nothing.
std::string replaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace tf
